#include "settings/dialog/SettingsForm.h"

#include "settings/dialog/AudioOutputChoices.h"

namespace vantor {

namespace {

bool On(std::int32_t value) {
    return value != 0;
}

} // namespace

std::string NumberBoxText(std::int32_t value) {
    return std::to_string(value);
}

SettingsForm FormFromSettings(const Settings& settings, const AssociationTicks& associations) {
    SettingsForm form;
    form.loop = On(settings.PlayLoopMode);
    form.random = On(settings.PlayRandomMode);
    form.nonStop = On(settings.NonStopMegaMix);
    form.gapLength = NumberBoxText(settings.GapLength);
    form.autoPlay = On(settings.AutoPlay);
    form.searchSubFolder = On(settings.SearchSubFolder);

    for (std::size_t i = 0; i < form.effectEnabled.size(); ++i)
        form.effectEnabled[i] = On(settings.EffectEnabled[i]);
    form.equalizer = On(settings.EnableEqualizer);

    form.outputIndex = OutputIndexOf(settings.OutputType);
    form.driverIndex = settings.DriverType;
    form.mixerIndex = MixerIndexOf(settings.MixerType);
    form.rateIndex = RateIndexOf(settings.OutputRate);
    form.globalFocus = On(settings.GlobalFocus);
    form.forceSoftwareMidi = On(settings.ForceSoftwareMidi);
    form.bufferLength = NumberBoxText(settings.BufferLength);

    form.fontName = settings.SongInfoFontName;
    form.fontSize = settings.SongInfoFontSize;
    form.fontBold = On(settings.SongInfoFontBold);
    form.fontItalic = On(settings.SongInfoFontItalic);
    form.fontColor = settings.SongInfoFontColor;
    form.songInfoStyle = settings.SongInfoStyle;
    form.scrollDisable = On(settings.SongInformationScrollDisable);
    form.scrollWait = NumberBoxText(settings.SongInfoScrollWait);
    form.volumeAnimation = On(settings.VolumeAnimation);
    form.volumeAnimationWait = NumberBoxText(settings.VolumeAnimationWait);
    form.showInSystemTask = On(settings.ShowInSystemTask);
    form.alwaysOnTop = On(settings.AlwaysOnTop);
    form.ignoreSkinFont = On(settings.IgnoreSkinFontConfig);

    form.playListStyle = settings.PlayListStyle;
    form.showTrackNumber = On(settings.ShowTrackNumber);
    form.showTrackPlayTime = On(settings.ShowTrackPlayTime);
    form.wheelScrollValue = NumberBoxText(settings.WheelScrollValue);
    form.getTagInterval = NumberBoxText(settings.GetTagInterval);

    form.analyzerPattern = settings.AnalyzerPattern;
    form.analyzerPriority = NumberBoxText(settings.AnalyzerPriority);
    form.analyzerDisable = On(settings.AnalyzerDisable);
    form.analyzerPatternFile = settings.AnalyzerPatternFile;
    form.oscilloscopeColor = settings.OscilloscopeColor;
    form.oscilloscopeWidth = NumberBoxText(settings.OscilloscopeDrawWidth);
    form.ignoreSkinAnalyzerPattern = On(settings.IgnoreSkinAnalyzerPattern);
    form.ignoreSkinOscilloscope = On(settings.IgnoreSkinOscilloConfig);

    form.associations = associations;

    form.mpegAccurate = On(settings.MpegAccurate);
    form.trimWorkingSet = On(settings.EseMemoryManagement);

    form.skinFolder = settings.SkinFileFolder;
    return form;
}

} // namespace vantor
