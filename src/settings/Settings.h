// The user's preferences: the one record persisted in "Vantor.DVC". Owned by
// the Player; read and changed on the UI thread only. Booleans are 32-bit
// 0/1 values, colours 0x00BBGGRR, window positions twips.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

// Indices of Settings::EffectEnabled.
enum EffectIndex : int {
    kEffectLowPass = 0,
    kEffectEcho = 1,
    kEffectReverb = 2,
    kEffectPreverb = 3,
    kEffectRobot = 4,
    kEffectCount = 5,
};

struct Settings {
    std::int32_t MainWindowX = 0;
    std::int32_t MainWindowY = 0;
    std::int32_t ShowInSystemTask = 0;
    std::string RecentSongFileFolder;
    std::string RecentSkinFileFolder;
    std::string SkinFileFolder;
    std::int32_t AnalyzerDisable = 0;
    std::int32_t IgnoreSkinAnalyzerPattern = 0;
    std::int32_t AnalyzerPriority = 0;
    std::string AnalyzerPatternFile;
    std::int32_t AnalyzerPattern = 0;
    std::int32_t IgnoreSkinOscilloConfig = 0;
    std::int32_t OscilloscopeColor = 0;
    std::int32_t OscilloscopeDrawWidth = 0;
    std::int32_t AutoPlay = 0;
    std::int32_t SearchSubFolder = 0;
    std::int32_t PlayLoopMode = 0;
    std::int32_t PlayRandomMode = 0;
    std::int32_t AlwaysOnTop = 0;
    std::int32_t MpegAccurate = 0;
    std::int32_t EseMemoryManagement = 0;
    std::array<std::int32_t, kEffectCount> EffectEnabled{};
    std::int32_t CutOffLevel = 0;
    std::int32_t ResonanceLevel = 0;
    std::int32_t EchoLevel = 0;
    std::int32_t EnableEqualizer = 0;
    // The playlist entry to resume: restored from the file at start-up; the
    // value written comes from the playback state (SettingsPeers).
    std::int32_t CurrentSongIndex = 0;
    std::int32_t PlayListWindowX = 0;
    std::int32_t PlayListWindowY = 0;
    std::int32_t WheelScrollValue = 0;
    std::int32_t ShowTrackNumber = 0;
    std::int32_t ShowTrackPlayTime = 0;
    std::int32_t PlayListLinkMode = 0;
    std::int32_t PlayListLinkX = 0;
    std::int32_t PlayListLinkY = 0;
    std::int32_t MainWindowVisible = 0;
    std::int32_t PlayListVisible = 0;
    std::int32_t SpectrumAmplify = 0;
    std::int32_t OutputType = 0;
    std::int32_t DriverType = 0;
    std::int32_t MixerType = 0;
    std::int32_t OutputRate = 0;
    std::int32_t GlobalFocus = 0;
    std::int32_t ForceSoftwareMidi = 0;
    std::int32_t BufferLength = 0;
    std::int32_t SongInformationScrollDisable = 0;
    std::int32_t SongInfoScrollWait = 0;
    std::int32_t IgnoreSkinFontConfig = 0;
    std::string SongInfoFontName;
    std::int32_t SongInfoFontItalic = 0;
    std::int32_t SongInfoFontBold = 0;
    std::int32_t SongInfoFontSize = 0;
    std::int32_t SongInfoFontColor = 0;
    std::string SongInfoStyle;
    std::string PlayListStyle;
    std::int32_t NonStopMegaMix = 0;
    std::int32_t GapLength = 0;
    std::int32_t MasterVolume = 0;
    std::int32_t PanEnable = 0;
    std::int32_t PanPosition = 0;
    std::int32_t PitchEnable = 0;
    float PitchScale = 0.0f;
    std::int32_t FrequencyEnable = 0;
    float FrequencyScale = 0.0f;
    std::int32_t SoundStretchEnable = 0;
    float SoundStretchScale = 0.0f;
    std::int32_t VolumeAnimation = 0;
    std::int32_t VolumeAnimationWait = 0;
    std::string SkinFilePath;
    std::int32_t GetTagInterval = 0;

    bool operator==(const Settings&) const = default;
};

// Default window positions (twips) for a first start; they centre the
// windows on the screen the caller measured.
struct DefaultWindowPositions {
    std::int32_t mainX = 0;
    std::int32_t mainY = 0;
    std::int32_t playListX = 0;
    std::int32_t playListY = 0;
};

// The values a missing "Vantor.DVC" gives.
Settings DefaultSettings(const std::string& appFolder, const DefaultWindowPositions& windows);

// The corrections applied after every load, file or not.
void ApplySettingsFixups(Settings& settings, const std::string& appFolder);

} // namespace vantor
