// The common frame of the effect units: switched on and off from the UI
// thread, faded in and out over a few milliseconds on the mixing thread so a
// switch never clicks, idle (and free) while off. Subclasses allocate their
// buffers in their constructors; Reset and Wet run on the mixing thread and
// must not allocate.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::engine {

class SwitchedEffect {
public:
    explicit SwitchedEffect(int rate);
    virtual ~SwitchedEffect() = default;

    // UI thread; harmless when the effect is already in that state.
    void Switch(bool on) { m_wanted.store(on, std::memory_order_release); }
    bool SwitchedOn() const { return m_wanted.load(std::memory_order_acquire); }

    // The DSP callback; `userValue` is the effect.
    static float* Process(float* source, float* block, std::int32_t frames, void* userValue);

protected:
    int Rate() const { return m_rate; }
    // Clears the effect's memory before it fades in.
    virtual void Reset() = 0;
    // Writes the processed form of `in` (stereo, `frames` frames) to `out`.
    virtual void Wet(const float* in, float* out, std::size_t frames) = 0;

private:
    void Run(float* block, std::size_t frames);

    const int m_rate;
    const float m_fadeStep;
    std::atomic<bool> m_wanted{false};
    bool m_running = false;
    float m_mix = 0.0f; // 0 dry .. 1 wet
    // The effect hears its input faded in after a reset, so a delay line
    // never replays a sudden start of the sound.
    float m_inputLevel = 0.0f;
    std::vector<float> m_input;
    std::vector<float> m_wet;
};

} // namespace vantor::engine
