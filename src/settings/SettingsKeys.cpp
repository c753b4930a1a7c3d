#include "settings/SettingsKeys.h"

#include "base/VbNumber.h"

#include <array>
#include <type_traits>

namespace vantor {

namespace {

// The order is the order of the file; "<PanEnable ON/OFF>" appears twice, as
// it always has, and only its first entry is written.
const std::array kKeys{
    SettingKey{"<MainWindow X Position>", "MainWindowX", SettingType::Integer, &Settings::MainWindowX},
    SettingKey{"<MainWindow Y Position>", "MainWindowY", SettingType::Integer, &Settings::MainWindowY},
    SettingKey{"<ShowInSystemTask>", "ShowInSystemTask", SettingType::Boolean, &Settings::ShowInSystemTask},
    SettingKey{"<RecentSongFileFolder>", "RecentSongFileFolder", SettingType::Text, &Settings::RecentSongFileFolder},
    SettingKey{"<RecentSkinFileFolder>", "RecentSkinFileFolder", SettingType::Text, &Settings::RecentSkinFileFolder},
    SettingKey{"<SkinFileFolder>", "SkinFileFolder", SettingType::Text, &Settings::SkinFileFolder},
    SettingKey{"<AnalyzerDisable ON/OFF>", "AnalyzerDisable", SettingType::Boolean, &Settings::AnalyzerDisable},
    SettingKey{"<IgnoreSkinAnalyzerPattern ON/OFF>", "IgnoreSkinAnalyzerPattern", SettingType::Boolean, &Settings::IgnoreSkinAnalyzerPattern},
    SettingKey{"<Analyzer Priority>", "AnalyzerPriority", SettingType::Integer, &Settings::AnalyzerPriority},
    SettingKey{"<Analyzer Pattern File>", "AnalyzerPatternFile", SettingType::Text, &Settings::AnalyzerPatternFile},
    SettingKey{"<Analyzer Pattern>", "AnalyzerPattern", SettingType::Integer, &Settings::AnalyzerPattern},
    SettingKey{"IgnoreSkinOscilloConfig ON/OFF", "IgnoreSkinOscilloConfig", SettingType::Boolean, &Settings::IgnoreSkinOscilloConfig},
    SettingKey{"<Oscilliscope Color>", "OscilloscopeColor", SettingType::Colour, &Settings::OscilloscopeColor},
    SettingKey{"<Oscilliscope DrawWidth>", "OscilloscopeDrawWidth", SettingType::Integer, &Settings::OscilloscopeDrawWidth},
    SettingKey{"<AutoPlay ON/OFF>", "AutoPlay", SettingType::Boolean, &Settings::AutoPlay},
    SettingKey{"<SearchSubFolder ON/OFF>", "SearchSubFolder", SettingType::Boolean, &Settings::SearchSubFolder},
    SettingKey{"<PlayLoopMode ON/OFF>", "PlayLoopMode", SettingType::Boolean, &Settings::PlayLoopMode},
    SettingKey{"<PlayRandomMode ON/OFF>", "PlayRandomMode", SettingType::Boolean, &Settings::PlayRandomMode},
    SettingKey{"<AlwaysOnTop ON/OFF>", "AlwaysOnTop", SettingType::Boolean, &Settings::AlwaysOnTop},
    SettingKey{"<MpegAccurate ON/OFF>", "MpegAccurate", SettingType::Boolean, &Settings::MpegAccurate},
    SettingKey{"<EseMemoryManagement ON/OFF>", "EseMemoryManagement", SettingType::Boolean, &Settings::EseMemoryManagement},
    SettingKey{"<LowPassFilter ON/OFF>", "EffectEnabled[0]", SettingType::Boolean, EffectSwitch{0}},
    SettingKey{"<Echo ON/OFF>", "EffectEnabled[1]", SettingType::Boolean, EffectSwitch{1}},
    SettingKey{"<Reverb ON/OFF>", "EffectEnabled[2]", SettingType::Boolean, EffectSwitch{2}},
    SettingKey{"<Preverb ON/OFF>", "EffectEnabled[3]", SettingType::Boolean, EffectSwitch{3}},
    SettingKey{"<RobotiqueFilter ON/OFF>", "EffectEnabled[4]", SettingType::Boolean, EffectSwitch{4}},
    SettingKey{"<CutOff Level>", "CutOffLevel", SettingType::Integer, &Settings::CutOffLevel},
    SettingKey{"<Resonance Level>", "ResonanceLevel", SettingType::Integer, &Settings::ResonanceLevel},
    SettingKey{"<Echo Level>", "EchoLevel", SettingType::Integer, &Settings::EchoLevel},
    SettingKey{"<EnableEqualizer>", "EnableEqualizer", SettingType::Boolean, &Settings::EnableEqualizer},
    SettingKey{"<CurrentSongIndex>", "CurrentSongIndex", SettingType::Integer, &Settings::CurrentSongIndex},
    SettingKey{"<PlayListWindow X Position>", "PlayListWindowX", SettingType::Integer, &Settings::PlayListWindowX},
    SettingKey{"<PlayListWindow Y Position>", "PlayListWindowY", SettingType::Integer, &Settings::PlayListWindowY},
    SettingKey{"<WheelScrollValue>", "WheelScrollValue", SettingType::Integer, &Settings::WheelScrollValue},
    SettingKey{"<ShowTrackNumber ON/OFF>", "ShowTrackNumber", SettingType::Boolean, &Settings::ShowTrackNumber},
    SettingKey{"<ShowTrackPlayTime ON/OFF>", "ShowTrackPlayTime", SettingType::Boolean, &Settings::ShowTrackPlayTime},
    SettingKey{"<PlayList LinkMode>", "PlayListLinkMode", SettingType::Integer, &Settings::PlayListLinkMode},
    SettingKey{"<PlayList LinkX>", "PlayListLinkX", SettingType::Integer, &Settings::PlayListLinkX},
    SettingKey{"<PlayList LinkY>", "PlayListLinkY", SettingType::Integer, &Settings::PlayListLinkY},
    SettingKey{"<MainWindow Visible>", "MainWindowVisible", SettingType::Boolean, &Settings::MainWindowVisible},
    SettingKey{"<PlayList Visible>", "PlayListVisible", SettingType::Boolean, &Settings::PlayListVisible},
    SettingKey{"<Spectrum Amplify>", "SpectrumAmplify", SettingType::Boolean, &Settings::SpectrumAmplify},
    SettingKey{"<OutPut Type>", "OutputType", SettingType::Integer, &Settings::OutputType},
    SettingKey{"<Driver Type>", "DriverType", SettingType::Integer, &Settings::DriverType},
    SettingKey{"<Mixer Type>", "MixerType", SettingType::Integer, &Settings::MixerType},
    SettingKey{"<OutPut Rate>", "OutputRate", SettingType::Integer, &Settings::OutputRate},
    SettingKey{"<GlobalFocus>", "GlobalFocus", SettingType::Boolean, &Settings::GlobalFocus},
    SettingKey{"<ForceSoftWareMIDI>", "ForceSoftwareMidi", SettingType::Boolean, &Settings::ForceSoftwareMidi},
    SettingKey{"<BufferLength>", "BufferLength", SettingType::Integer, &Settings::BufferLength},
    SettingKey{"<SongInformationScrollDisable ON/OFF>", "SongInformationScrollDisable", SettingType::Boolean, &Settings::SongInformationScrollDisable},
    SettingKey{"<SongInfoScrollWait>", "SongInfoScrollWait", SettingType::Integer, &Settings::SongInfoScrollWait},
    SettingKey{"<IgnoreSkinFontConfig ON/OFF>", "IgnoreSkinFontConfig", SettingType::Boolean, &Settings::IgnoreSkinFontConfig},
    SettingKey{"<SongInfomation FontName>", "SongInfoFontName", SettingType::Text, &Settings::SongInfoFontName},
    SettingKey{"<SongInfomation FontItalic>", "SongInfoFontItalic", SettingType::Boolean, &Settings::SongInfoFontItalic},
    SettingKey{"<SongInfomation FontBold>", "SongInfoFontBold", SettingType::Boolean, &Settings::SongInfoFontBold},
    SettingKey{"<SongInformation FontSize>", "SongInfoFontSize", SettingType::Integer, &Settings::SongInfoFontSize},
    SettingKey{"<SongInformation FontColor>", "SongInfoFontColor", SettingType::Colour, &Settings::SongInfoFontColor},
    SettingKey{"<SongInfomation Style>", "SongInfoStyle", SettingType::Text, &Settings::SongInfoStyle},
    SettingKey{"<PlayList Style>", "PlayListStyle", SettingType::Text, &Settings::PlayListStyle},
    SettingKey{"<Non-Stop MegaMix Mode ON/OFF>", "NonStopMegaMix", SettingType::Boolean, &Settings::NonStopMegaMix},
    SettingKey{"<Gap Length>", "GapLength", SettingType::Integer, &Settings::GapLength},
    SettingKey{"<MasterVolume 0..255>", "MasterVolume", SettingType::Integer, &Settings::MasterVolume},
    SettingKey{"<PanEnable ON/OFF>", "PanEnable", SettingType::Boolean, &Settings::PanEnable},
    SettingKey{"<PanEnable ON/OFF>", "PanEnable", SettingType::Boolean, &Settings::PanEnable, false},
    SettingKey{"<PanPosition 0..255>", "PanPosition", SettingType::Integer, &Settings::PanPosition},
    SettingKey{"<PitchEnable ON/OFF>", "PitchEnable", SettingType::Boolean, &Settings::PitchEnable},
    SettingKey{"<PitchScale>", "PitchScale", SettingType::Single, &Settings::PitchScale},
    SettingKey{"<FrequencyEnable ON/OFF>", "FrequencyEnable", SettingType::Boolean, &Settings::FrequencyEnable},
    SettingKey{"<FrequencyScale>", "FrequencyScale", SettingType::Single, &Settings::FrequencyScale},
    SettingKey{"<SoundStretchEnable ON/OFF>", "SoundStretchEnable", SettingType::Boolean, &Settings::SoundStretchEnable},
    SettingKey{"<SoundStretchScale>", "SoundStretchScale", SettingType::Single, &Settings::SoundStretchScale},
    SettingKey{"<VolumeAnimation ON/OFF>", "VolumeAnimation", SettingType::Boolean, &Settings::VolumeAnimation},
    SettingKey{"<VolumeAnimationWait>", "VolumeAnimationWait", SettingType::Integer, &Settings::VolumeAnimationWait},
    SettingKey{"<SkinFile Path>", "SkinFilePath", SettingType::Text, &Settings::SkinFilePath},
    SettingKey{"<GetTagInterval>", "GetTagInterval", SettingType::Integer, &Settings::GetTagInterval},
};

} // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

const SettingKey* FindSettingKey(std::string_view text) {
    for (const auto& key : kKeys) {
        if (key.keyLine == text)
            return &key;
    }
    return nullptr;
}

namespace {

// One body for the const and the mutable accessors.
template <typename Value, typename Record>
auto* FieldOf(Record& settings, const SettingKey& key) {
    using Pointer = std::conditional_t<std::is_const_v<Record>, const Value*, Value*>;
    if (const auto* member = std::get_if<Value Settings::*>(&key.field))
        return static_cast<Pointer>(&(settings.*(*member)));
    if constexpr (std::is_same_v<Value, std::int32_t>) {
        if (const auto* effect = std::get_if<EffectSwitch>(&key.field))
            return static_cast<Pointer>(&settings.EffectEnabled.at(static_cast<std::size_t>(effect->index)));
    }
    return static_cast<Pointer>(nullptr);
}

} // namespace

std::int32_t* IntegerField(Settings& settings, const SettingKey& key) {
    return FieldOf<std::int32_t>(settings, key);
}
const std::int32_t* IntegerField(const Settings& settings, const SettingKey& key) {
    return FieldOf<std::int32_t>(settings, key);
}
float* SingleField(Settings& settings, const SettingKey& key) {
    return FieldOf<float>(settings, key);
}
const float* SingleField(const Settings& settings, const SettingKey& key) {
    return FieldOf<float>(settings, key);
}
std::string* TextField(Settings& settings, const SettingKey& key) {
    return FieldOf<std::string>(settings, key);
}
const std::string* TextField(const Settings& settings, const SettingKey& key) {
    return FieldOf<std::string>(settings, key);
}

std::string DisplaySettingValue(const Settings& settings, const SettingKey& key) {
    if (const auto* number = IntegerField(settings, key))
        return std::to_string(*number);
    if (const auto* single = SingleField(settings, key))
        return FormatSingle(*single);
    return *TextField(settings, key);
}

std::string FormatSettingValue(const Settings& settings, const SettingKey& key) {
    const auto text = DisplaySettingValue(settings, key);
    if (key.type == SettingType::Text)
        return text;
    // Numbers are written with a blank in place of a plus sign and one after.
    return (text.front() == '-' ? "" : " ") + text + " ";
}

} // namespace vantor
