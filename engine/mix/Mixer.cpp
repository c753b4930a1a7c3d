#include "engine/mix/Mixer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace vantor::engine {

namespace {
constexpr float kFromFullScale = 1.0f / 32768.0f;

// Moves mixed samples out on the output's ±1 scale, clipped, and leaves
// zeros behind for the next block to be mixed onto. The compiler vectorises
// a clamp into compares and masks; SSE's min and max clip in one instruction
// each.
void MoveToOutputScale(float* from, std::size_t samples, float* __restrict out) {
    std::size_t i = 0;
#if defined(__SSE__)
    const __m128 scale = _mm_set1_ps(kFromFullScale);
    const __m128 low = _mm_set1_ps(-1.0f);
    const __m128 high = _mm_set1_ps(1.0f);
    for (; i + 4 <= samples; i += 4) {
        const __m128 value = _mm_mul_ps(_mm_loadu_ps(from + i), scale);
        _mm_storeu_ps(out + i, _mm_min_ps(_mm_max_ps(value, low), high));
        _mm_storeu_ps(from + i, _mm_setzero_ps());
    }
#endif
    for (; i < samples; ++i) {
        out[i] = std::clamp(from[i] * kFromFullScale, -1.0f, 1.0f);
        from[i] = 0.0f;
    }
}

// Balance: the far side is attenuated, the near side keeps its level.
void BalanceGains(std::int32_t pan, float& left, float& right) {
    float p = static_cast<float>(std::clamp(pan, 0, 255));
    left = p <= 128.0f ? 1.0f : (255.0f - p) / 127.0f;
    right = p >= 128.0f ? 1.0f : p / 128.0f;
}
} // namespace

Mixer::Mixer(int rate, std::size_t blockFrames, bool offline)
    : m_rate(rate), m_blockFrames(blockFrames), m_offline(offline), m_systemFrequency(rate),
      m_block(2 * blockFrames, 0.0f), m_dry(2 * blockFrames, 0.0f), m_blockCursor(blockFrames) {}

int Mixer::Attach(Voice* voice, bool paused) {
    for (std::size_t i = 0; i < kMixerChannels; ++i) {
        ChannelState& channel = m_channels[i];
        if (channel.voice.load() == nullptr) {
            channel.volume.store(255);
            channel.pan.store(128);
            channel.gain.store(1.0f);
            PrepareFor(*voice, m_systemFrequency.load(), voice->NativeRate());
            channel.frequency.store(voice->NativeRate());
            channel.paused.store(paused);
            channel.voice.store(voice);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Mixer::SetSystemFrequency(std::int32_t hz) {
    for (ChannelState& channel : m_channels) {
        if (Voice* voice = channel.voice.load())
            PrepareFor(*voice, hz, channel.frequency.load());
    }
    m_systemFrequency.store(hz, std::memory_order_release);
}

void Mixer::SetChannelFrequency(ChannelState& channel, std::int32_t hz) {
    if (Voice* voice = channel.voice.load())
        PrepareFor(*voice, m_systemFrequency.load(), hz);
    channel.frequency.store(hz, std::memory_order_release);
}

void Mixer::PrepareFor(Voice& voice, std::int32_t systemFrequency, std::int32_t frequency) {
    if (ChannelStep(SystemStep(systemFrequency), frequency, voice) != 1.0)
        voice.PrepareFilter();
}

double Mixer::SystemStep(std::int32_t systemFrequency) const {
    return static_cast<double>(systemFrequency) / m_rate;
}

// The channel's frequency against the material's own rate, and the voice's
// frames against the mixer's (CD audio stays at 44.1 kHz).
double Mixer::ChannelStep(double systemStep, std::int32_t frequency, const Voice& voice) const {
    return systemStep * frequency / voice.NativeRate() * voice.SampleRate() / m_rate;
}

void Mixer::Detach(int channel) {
    if (ChannelState* state = Channel(channel)) {
        state->voice.store(nullptr);
        WaitForBlockEnd();
    }
}

void Mixer::WaitForBlockEnd() const {
    std::uint64_t sequence = m_blockSequence.load();
    if (sequence % 2 == 0) {
        return;
    }
    // Bounded: a stalled output thread must not hang the caller for good.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (m_blockSequence.load() == sequence && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

ChannelState* Mixer::Channel(int channel) {
    if (channel < 0 || static_cast<std::size_t>(channel) >= kMixerChannels) {
        return nullptr;
    }
    return &m_channels[static_cast<std::size_t>(channel)];
}

int Mixer::ChannelsPlaying() const {
    int count = 0;
    for (const ChannelState& channel : m_channels) {
        Voice* voice = channel.voice.load(std::memory_order_acquire);
        count += voice != nullptr && !voice->Finished() ? 1 : 0;
    }
    return count;
}

bool Mixer::AnyAudible() const {
    for (const ChannelState& channel : m_channels) {
        Voice* voice = channel.voice.load(std::memory_order_acquire);
        if (voice != nullptr && !voice->Finished() &&
            !channel.paused.load(std::memory_order_relaxed)) {
            return true;
        }
    }
    return false;
}

void Mixer::Render(float* out, std::size_t frames) {
    std::size_t done = 0;
    while (done < frames) {
        if (m_blockCursor == m_blockFrames) {
            MixBlock();
            m_blockCursor = 0;
        }
        std::size_t count = std::min(frames - done, m_blockFrames - m_blockCursor);
        MoveToOutputScale(m_block.data() + 2 * m_blockCursor, 2 * count, out + 2 * done);
        m_blockCursor += count;
        done += count;
    }
}

void Mixer::MixBlock() {
    m_blockSequence.fetch_add(1); // odd: voices and units are in use
    // Render has left the whole block at zero.
    const double systemStep = SystemStep(m_systemFrequency.load(std::memory_order_acquire));
    bool played = false;
    for (ChannelState& channel : m_channels) {
        played = MixChannel(channel, systemStep) || played;
    }
    if (played) {
        m_blocksPlayed.fetch_add(1, std::memory_order_relaxed);
    }
    ApplySystemPan();
    std::memcpy(m_dry.data(), m_block.data(), m_block.size() * sizeof(float));
    m_dsp.Run(m_block.data(), m_dry.data(), m_blockFrames);
    m_blockSequence.fetch_add(1);
}

bool Mixer::MixChannel(ChannelState& channel, double systemStep) {
    Voice* voice = channel.voice.load();
    if (voice == nullptr || channel.paused.load(std::memory_order_relaxed) || voice->Finished()) {
        return false;
    }
    const double step = std::clamp(
        ChannelStep(systemStep, channel.frequency.load(std::memory_order_acquire), *voice), 0.0,
        kMaxVoiceStep);
    if (m_offline) {
        voice->Pump(voice->FramesRead(m_blockFrames, step) + 2);
    }
    float left = 0.0f;
    float right = 0.0f;
    BalanceGains(channel.pan.load(std::memory_order_relaxed), left, right);
    const float volume =
        static_cast<float>(std::clamp(channel.volume.load(std::memory_order_relaxed), 0, 255)) /
        255.0f * channel.gain.load(std::memory_order_relaxed);
    if (!voice->MixInto(m_block.data(), m_blockFrames, left * volume, right * volume, step)) {
        m_underruns.fetch_add(1, std::memory_order_relaxed);
    }
    return true;
}

void Mixer::ApplySystemPan() {
    float left = 0.0f;
    float right = 0.0f;
    BalanceGains(m_systemPan.load(std::memory_order_relaxed), left, right);
    if (left == 1.0f && right == 1.0f) {
        return;
    }
    for (std::size_t i = 0; i < m_blockFrames; ++i) {
        m_block[2 * i] *= left;
        m_block[2 * i + 1] *= right;
    }
}

} // namespace vantor::engine
