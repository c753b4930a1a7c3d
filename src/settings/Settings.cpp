#include "settings/Settings.h"

#include "base/Paths.h"

namespace vantor {

namespace {

bool OutsideScaleRange(float scale) { return !(scale >= 0.5f && scale <= 2.0f); }

} // namespace

Settings DefaultSettings(const std::string& appFolder, const DefaultWindowPositions& windows) {
    Settings s;
    s.MainWindowX = windows.mainX;
    s.MainWindowY = windows.mainY;
    s.RecentSongFileFolder = appFolder;
    s.RecentSkinFileFolder = appFolder;
    s.SkinFileFolder = appFolder + "Skin/";
    s.AnalyzerPriority = 30;
    s.AnalyzerPattern = 1;
    s.OscilloscopeColor = 0xFFFFFF;
    s.OscilloscopeDrawWidth = 1;
    s.AutoPlay = 1;
    s.PlayLoopMode = 1;
    s.MpegAccurate = 1;
    s.EseMemoryManagement = 1;
    s.CutOffLevel = 200;
    s.ResonanceLevel = 2;
    s.EchoLevel = 500;
    s.PlayListWindowX = windows.playListX;
    s.PlayListWindowY = windows.playListY;
    s.WheelScrollValue = 3;
    s.ShowTrackNumber = 1;
    s.ShowTrackPlayTime = 1;
    s.MainWindowVisible = 1;
    s.OutputType = 1;
    s.MixerType = 4;
    s.OutputRate = 44100;
    s.BufferLength = 1000;
    s.SongInfoScrollWait = 50;
    s.SongInfoFontName = "ＭＳＰゴシック";
    s.SongInfoFontSize = 11;
    s.SongInfoFontColor = 0xFFFFFF;
    s.SongInfoStyle = "%1 - %2";
    s.PlayListStyle = "%1 - %2";
    s.GapLength = 500;
    s.MasterVolume = 255;
    s.PanPosition = 128;
    s.PitchScale = 1.0f;
    s.FrequencyScale = 1.0f;
    s.SoundStretchScale = 1.0f;
    s.VolumeAnimationWait = 50;
    s.SkinFilePath = "Skin\\Default\\Default.dvk";
    s.GetTagInterval = 50;
    return s;
}

void ApplySettingsFixups(Settings& s, const std::string& appFolder) {
    if (s.AnalyzerPriority < 1)
        s.AnalyzerPriority = 30;
    if (s.OscilloscopeDrawWidth < 1)
        s.OscilloscopeDrawWidth = 1;
    if (s.BufferLength < 1)
        s.BufferLength = 200;
    if (s.GetTagInterval < 1)
        s.GetTagInterval = 50;
    if (s.SongInfoScrollWait < 1)
        s.SongInfoScrollWait = 50;
    if (s.VolumeAnimationWait < 1)
        s.VolumeAnimationWait = 50;
    if (!DirectoryExists(ResolveStoredPath(s.SkinFileFolder, appFolder)))
        s.SkinFileFolder = appFolder + "Skin/";
    if (s.SoundStretchScale <= 0.0f)
        s.SoundStretchScale = 1.0f;
    if (s.PanPosition < 0 || s.PanPosition > 255)
        s.PanPosition = 128;
    for (float* scale : {&s.PitchScale, &s.FrequencyScale, &s.SoundStretchScale}) {
        if (OutsideScaleRange(*scale))
            *scale = 1.0f;
    }
}

} // namespace vantor
