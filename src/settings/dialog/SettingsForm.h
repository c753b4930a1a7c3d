// What the settings window's controls hold, page by page, without the
// controls: the window fills its controls from a form and reads them back
// into one. Number boxes keep their text; applying reads the number. The
// effect sliders and the rate and balance row act at once and are not here.
#pragma once

#include "settings/ReplayGainFile.h"
#include "settings/Settings.h"
#include "settings/dialog/AssociationGroups.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor {

struct SettingsForm {
    // Play options.
    bool loop = false;
    bool random = false;
    bool nonStop = false;
    std::string gapLength;
    bool autoPlay = false;
    bool searchSubFolder = false;

    // Effects and the equaliser switch.
    std::array<bool, kEffectCount> effectEnabled{};
    bool equalizer = false;

    // Audio output: list indices (-1 when no entry is selected).
    int outputIndex = -1;
    int driverIndex = -1;
    int mixerIndex = -1;
    int rateIndex = -1;
    bool globalFocus = false;
    bool forceSoftwareMidi = false;
    std::string bufferLength;

    // Main-window display.
    std::string fontName;
    std::int32_t fontSize = 0;
    bool fontBold = false;
    bool fontItalic = false;
    std::int32_t fontColor = 0;
    std::string songInfoStyle;
    bool scrollDisable = false;
    std::string scrollWait;
    bool volumeAnimation = false;
    std::string volumeAnimationWait;
    bool showInSystemTask = false;
    bool alwaysOnTop = false;
    bool ignoreSkinFont = false;

    // Playlist display.
    std::string playListStyle;
    bool showTrackNumber = false;
    bool showTrackPlayTime = false;
    std::string wheelScrollValue;
    std::string getTagInterval;

    // Analyzer.
    // 1..13 spectrum styles, 14 the oscilloscope; 0 when none is chosen.
    std::int32_t analyzerPattern = 0;
    std::string analyzerPriority;
    bool analyzerDisable = false;
    std::string analyzerPatternFile;
    std::int32_t oscilloscopeColor = 0;
    std::string oscilloscopeWidth;
    bool ignoreSkinAnalyzerPattern = false;
    bool ignoreSkinOscilloscope = false;

    // Associations, as the detailed list shows them.
    AssociationTicks associations{};

    // Other.
    bool mpegAccurate = false;
    bool trimWorkingSet = false;
    ReplayGainChoice replayGain;

    // Skin browser settings.
    std::string skinFolder;
};

// Every control from its field; the association list from `associations`.
SettingsForm FormFromSettings(const Settings& settings, const AssociationTicks& associations);

// Hands `visit` each control that shows one field of `Settings` as it is
// (a tick box for a 0/1 field, a number box for a number, the same type
// otherwise), paired with that field, so that filling the form and taking it
// back walk one list. The audio-output controls, the analyzer pattern, the
// oscilloscope width and the buffer have rules of their own and are not in it.
template <class Form, class Config, class Visit>
void ForEachPlainField(Form& form, Config& settings, Visit&& visit) {
    visit(form.loop, settings.PlayLoopMode);
    visit(form.random, settings.PlayRandomMode);
    visit(form.nonStop, settings.NonStopMegaMix);
    visit(form.gapLength, settings.GapLength);
    visit(form.autoPlay, settings.AutoPlay);
    visit(form.searchSubFolder, settings.SearchSubFolder);

    for (std::size_t i = 0; i < form.effectEnabled.size(); ++i)
        visit(form.effectEnabled[i], settings.EffectEnabled[i]);
    visit(form.equalizer, settings.EnableEqualizer);

    visit(form.fontName, settings.SongInfoFontName);
    visit(form.fontSize, settings.SongInfoFontSize);
    visit(form.fontBold, settings.SongInfoFontBold);
    visit(form.fontItalic, settings.SongInfoFontItalic);
    visit(form.fontColor, settings.SongInfoFontColor);
    visit(form.songInfoStyle, settings.SongInfoStyle);
    visit(form.scrollDisable, settings.SongInformationScrollDisable);
    visit(form.scrollWait, settings.SongInfoScrollWait);
    visit(form.volumeAnimation, settings.VolumeAnimation);
    visit(form.volumeAnimationWait, settings.VolumeAnimationWait);
    visit(form.showInSystemTask, settings.ShowInSystemTask);
    visit(form.alwaysOnTop, settings.AlwaysOnTop);
    visit(form.ignoreSkinFont, settings.IgnoreSkinFontConfig);

    visit(form.playListStyle, settings.PlayListStyle);
    visit(form.showTrackNumber, settings.ShowTrackNumber);
    visit(form.showTrackPlayTime, settings.ShowTrackPlayTime);
    visit(form.wheelScrollValue, settings.WheelScrollValue);
    visit(form.getTagInterval, settings.GetTagInterval);

    visit(form.analyzerPriority, settings.AnalyzerPriority);
    visit(form.analyzerDisable, settings.AnalyzerDisable);
    visit(form.analyzerPatternFile, settings.AnalyzerPatternFile);
    visit(form.oscilloscopeColor, settings.OscilloscopeColor);
    visit(form.ignoreSkinAnalyzerPattern, settings.IgnoreSkinAnalyzerPattern);
    visit(form.ignoreSkinOscilloscope, settings.IgnoreSkinOscilloConfig);

    visit(form.mpegAccurate, settings.MpegAccurate);
    visit(form.trimWorkingSet, settings.EseMemoryManagement);
    visit(form.skinFolder, settings.SkinFileFolder);
}

// The text a number box shows for `value`.
std::string NumberBoxText(std::int32_t value);

} // namespace vantor
