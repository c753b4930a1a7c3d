// What the settings window's controls hold, page by page, without the
// controls: the window fills its controls from a form and reads them back
// into one. Number boxes keep their text; applying reads the number. The
// effect sliders and the rate and balance row act at once and are not here.
#pragma once

#include "settings/Settings.h"
#include "settings/dialog/AssociationGroups.h"

#include <array>
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

    // Skin browser settings.
    std::string skinFolder;
};

// Every control from its field; the association list from `associations`.
SettingsForm FormFromSettings(const Settings& settings, const AssociationTicks& associations);

// The text a number box shows for `value`.
std::string NumberBoxText(std::int32_t value);

} // namespace vantor
