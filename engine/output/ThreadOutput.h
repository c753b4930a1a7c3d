// An output without a sound device: a thread that renders either at the pace
// of real time (to nothing) or as fast as possible while something is audible
// (to nothing or to a WAV file). Start and Stop on the UI thread.
#pragma once

#include "engine/output/AudioOutput.h"
#include "engine/output/WavWriter.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace vantor::engine {

class ThreadOutput : public AudioOutput {
public:
    enum class Pace { RealTime, AsFastAsPossible };

    // `wavPath` empty: the frames are dropped. `onThreadStart` runs first on
    // the rendering thread (tests use it to watch that thread).
    ThreadOutput(Pace pace, std::string wavPath, std::function<void()> onThreadStart);
    ~ThreadOutput() override;

    bool Start(Mixer& mixer) override;
    void Stop() override;
    std::size_t BufferFrames() const override { return m_blockFrames; }

private:
    void Run(Mixer& mixer);

    Pace m_pace;
    std::string m_wavPath;
    std::function<void()> m_onThreadStart;
    WavWriter m_writer;
    std::size_t m_blockFrames = 0;
    std::vector<float> m_buffer;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace vantor::engine
