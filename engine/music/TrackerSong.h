// A tracker module (MOD, S3M, XM, IT) rendered by libopenmpt. The caller owns
// the song returned by Load; one thread at a time drives it (see MusicSong).
#pragma once

#include "engine/music/MusicSong.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>

namespace openmpt {
class module;
}

namespace vantor::engine {

class TrackerSong final : public MusicSong {
public:
    // Null when the bytes are not a MOD, S3M, XM or IT module.
    static std::unique_ptr<TrackerSong> Load(std::span<const std::uint8_t> bytes, int sampleRate);
    static std::unique_ptr<TrackerSong> LoadFile(const std::string& path, int sampleRate);
    ~TrackerSong() override;

    const std::string& Name() const override { return m_name; }
    SongType Type() const override { return m_type; }
    int NumOrders() const override;
    int Order() const override;
    void SetOrder(int order) override;
    void SetTimeMs(std::int64_t ms) override;
    std::int64_t TimeMs() const override;
    std::int64_t LengthMs() const override;
    bool IsFinished() const override { return m_finished; }
    void SetPanSeparation(float separation) override;
    void SetMasterVolume(int volume) override;
    int MasterVolume() const override { return m_volume; }
    int SampleRate() const override { return m_sampleRate; }
    std::size_t Render(float* stereo, std::size_t frames) override;

private:
    explicit TrackerSong(int sampleRate);

    // libopenmpt keeps writing to the log it was given, so the (silent) log
    // must outlive the module: it is declared first.
    std::ostream m_log{nullptr};
    std::unique_ptr<openmpt::module> m_module;
    std::string m_name;
    SongType m_type = SongType::None;
    int m_sampleRate;
    int m_volume = kMaxMasterVolume;
    bool m_finished = false;
};

} // namespace vantor::engine
