// A MIDI song (MID, or RMI with its RIFF wrapper removed) played by FluidSynth
// with the shared General MIDI SoundFont. Its "orders" are whole seconds, so
// order seeking is time seeking. The caller owns the song returned by Load;
// one thread at a time drives it (see MusicSong).
#pragma once

#include "engine/music/MidiTimeline.h"
#include "engine/music/MusicSong.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace vantor::engine {

class GmSoundFont;
struct FluidSynthApi;

class MidiSong final : public MusicSong {
public:
    // Rates the synthesiser renders at.
    static constexpr int kMinSampleRate = 8000;
    static constexpr int kMaxSampleRate = 96000;

    // Null when the bytes hold no playable MIDI data, the rate is outside the
    // synthesiser's range, or no SoundFont is installed. `name` is what Name()
    // reports (the file name).
    static std::unique_ptr<MidiSong> Load(std::span<const std::uint8_t> bytes, std::string name,
                                          int sampleRate);
    static std::unique_ptr<MidiSong> LoadFile(const std::string& path, int sampleRate);
    ~MidiSong() override;
    MidiSong(const MidiSong&) = delete;
    MidiSong& operator=(const MidiSong&) = delete;

    const std::string& Name() const override { return m_name; }
    SongType Type() const override { return SongType::Midi; }
    int NumOrders() const override;
    int Order() const override;
    void SetOrder(int order) override;
    void SetTimeMs(std::int64_t ms) override;
    std::int64_t TimeMs() const override;
    std::int64_t LengthMs() const override;
    bool IsFinished() const override { return m_finished; }
    // MIDI channels pan themselves; the separation does not apply.
    void SetPanSeparation(float) override {}
    void SetMasterVolume(int volume) override;
    int MasterVolume() const override { return m_volume; }
    int SampleRate() const override { return m_sampleRate; }
    std::size_t Render(float* stereo, std::size_t frames) override;

private:
    // The synthesiser functions come with the font they play.
    const FluidSynthApi& Synth() const;
    MidiSong(std::shared_ptr<GmSoundFont> font, MidiTimeline timeline, int sampleRate);
    bool CreateSynth();
    // Starts the file over from `tick` with a fresh player.
    bool StartPlayerAt(std::uint64_t tick);
    void StopPlayer();
    bool FileHasEnded() const;
    // True once the file has ended and its last notes have faded.
    bool SynthHasEnded();

    std::shared_ptr<GmSoundFont> m_font;
    MidiTimeline m_timeline;
    std::vector<std::uint8_t> m_smf;
    std::string m_name;
    int m_sampleRate;
    int m_volume = kMaxMasterVolume;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_synth = nullptr;
    _fluid_player_t* m_player = nullptr;
    std::int64_t m_positionFrames = 0;
    // Frames rendered since the player reached the end of the file.
    std::int64_t m_tailFrames = 0;
    bool m_finished = false;
};

} // namespace vantor::engine
