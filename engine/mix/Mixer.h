// The software mixer: 128 channels mixed in float at the output rate into
// fixed blocks, the system channel's frequency and pan, then the DSP units.
// Channel and system settings are atomics written on the UI thread; Render
// runs on the output's thread and never allocates, locks or does I/O (except
// that an offline mixer decodes inline, where no real-time thread exists).
#pragma once

#include "engine/mix/DspChain.h"
#include "engine/mix/Voice.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::engine {

inline constexpr std::size_t kMixerChannels = 128;

struct ChannelState {
    std::atomic<Voice*> voice{nullptr};
    std::atomic<std::int32_t> volume{255}; // 0..255
    std::atomic<std::int32_t> pan{128};    // 0 left .. 255 right
    // The track's own loudness correction, apart from the volume.
    std::atomic<float> gain{1.0f};
    std::atomic<std::int32_t> frequency{0}; // Hz of the material
    std::atomic<bool> paused{false};
};

class Mixer {
public:
    // `offline`: voices are decoded inside Render (as-fast-as-possible outputs).
    Mixer(int rate, std::size_t blockFrames, bool offline);

    int Rate() const { return m_rate; }
    std::size_t BlockFrames() const { return m_blockFrames; }
    bool Offline() const { return m_offline; }

    // UI thread. Returns the channel, or -1 when none is free.
    int Attach(Voice* voice, bool paused);
    // The voice is not touched once this returns.
    void Detach(int channel);
    ChannelState* Channel(int channel);
    // A voice that the new frequency moves off its own pace gets its filter
    // first (see Voice::PrepareFilter).
    void SetSystemFrequency(std::int32_t hz);
    void SetChannelFrequency(ChannelState& channel, std::int32_t hz);
    std::int32_t SystemFrequency() const { return m_systemFrequency.load(); }
    void SetSystemPan(std::int32_t pan) { m_systemPan.store(pan); }
    std::int32_t SystemPan() const { return m_systemPan.load(); }
    DspChain& Dsp() { return m_dsp; }
    // Returns once no block that began before the call is still being mixed.
    void WaitForBlockEnd() const;

    // Any thread.
    int ChannelsPlaying() const;
    bool AnyAudible() const;
    std::uint64_t Underruns() const { return m_underruns.load(std::memory_order_relaxed); }
    // How many blocks so far had a channel playing in them: an output can
    // tell from it, without touching a voice, whether anything sounds.
    std::uint64_t BlocksPlayed() const { return m_blocksPlayed.load(std::memory_order_relaxed); }

    // Output thread: `frames` stereo frames on the ±1 scale.
    void Render(float* out, std::size_t frames);

private:
    void MixBlock();
    // False when the channel has nothing to play.
    bool MixChannel(ChannelState& channel, double systemStep);
    // Source frames per output frame for a voice on a channel at `frequency`.
    double ChannelStep(double systemStep, std::int32_t frequency, const Voice& voice) const;
    double SystemStep(std::int32_t systemFrequency) const;
    // UI thread, before `voice` plays at these frequencies.
    void PrepareFor(Voice& voice, std::int32_t systemFrequency, std::int32_t frequency);
    void ApplySystemPan();

    const int m_rate;
    const std::size_t m_blockFrames;
    const bool m_offline;
    std::array<ChannelState, kMixerChannels> m_channels;
    std::atomic<std::int32_t> m_systemFrequency;
    std::atomic<std::int32_t> m_systemPan{128};
    DspChain m_dsp;
    std::vector<float> m_block; // mixed on the ±32768 scale; zero once rendered
    std::vector<float> m_dry;
    std::size_t m_blockCursor;                     // frames of m_block already rendered
    std::atomic<std::uint64_t> m_blockSequence{0}; // odd while a block is mixed
    std::atomic<std::uint64_t> m_underruns{0};
    std::atomic<std::uint64_t> m_blocksPlayed{0};
};

} // namespace vantor::engine
