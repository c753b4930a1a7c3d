// A tracker module (MOD, S3M, XM, IT) rendered by libopenmpt. The caller owns
// the song returned by Load; one thread at a time drives it (see MusicSong).
#pragma once

#include "engine/music/MusicSong.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct openmpt_module;

namespace vantor::engine {

struct OpenMptApi;

class TrackerSong final : public MusicSong {
public:
    // Null when the bytes are not a MOD, S3M, XM or IT module.
    static std::unique_ptr<TrackerSong> Load(std::span<const std::uint8_t> bytes, int sampleRate);
    static std::unique_ptr<TrackerSong> LoadFile(const std::string& path, int sampleRate);
    ~TrackerSong() override;
    TrackerSong(const TrackerSong&) = delete;
    TrackerSong& operator=(const TrackerSong&) = delete;

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
    // Takes over `module`.
    TrackerSong(const OpenMptApi& mpt, openmpt_module* module, int sampleRate);

    const OpenMptApi& m_mpt;
    openmpt_module* m_module;
    std::string m_name;
    SongType m_type = SongType::None;
    int m_sampleRate;
    int m_volume = kMaxMasterVolume;
    bool m_finished = false;
};

} // namespace vantor::engine
