// Plays one voice's frames at the step its channel's frequency asks for
// (a stream at another rate than the mixer's arrives converted already), with
// a band-limited (windowed-sinc) filter whose ratio may change with every
// block: a new ratio glides in across the block, so a dragged pitch bar
// neither clicks nor zips. At a step of exactly one the frames pass untouched
// until the step first moves; the filter then runs on until the next restart
// (a seek), since handing back mid-stream would jump by a fraction of a frame.
// Owned by its Voice. Most voices never leave a step of one, so the filter and
// its buffers are made only by PrepareFilter, on the UI thread, before a step
// other than one first reaches Render; the mixing thread alone calls Restart
// and Render, which neither allocate nor lock.
#pragma once

#include "engine/mix/FrameRing.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

struct SRC_STATE_tag;

namespace vantor::engine {

// A voice plays at most this many source frames per output frame.
inline constexpr double kMaxVoiceStep = 8.0;

class VoiceResampler {
public:
    // `blockFrames`: the most output frames one Render is asked for.
    explicit VoiceResampler(std::size_t blockFrames);
    ~VoiceResampler();
    VoiceResampler(const VoiceResampler&) = delete;
    VoiceResampler& operator=(const VoiceResampler&) = delete;

    // The most frames of the ring that the next Render of `frames` frames
    // at `step` reads.
    std::size_t FramesRead(std::size_t frames, double step) const;

    // UI thread: makes the filter, once. Until then every step plays as one.
    void PrepareFilter();

    // Forgets what was heard (after a seek): the next frame follows silence.
    void Restart();

    struct Result {
        std::size_t written = 0;  // output frames covered
        std::size_t consumed = 0; // ring frames used up: the caller skips them
        double advanced = 0.0;    // source frames played
        bool drained = false;     // the ended source has been played out
    };
    // Adds up to `frames` frames, scaled by the gains, to `out` (stereo),
    // reading the first `readable` frames of `ring` at `step` source frames
    // per output frame; `ended`: no frame will follow those.
    Result Render(const FrameRing& ring, std::size_t readable, bool ended, float* out,
                  std::size_t frames, float gainLeft, float gainRight, double step);

private:
    Result PassThrough(const FrameRing& ring, std::size_t readable, bool ended, float* out,
                       std::size_t frames, float gainLeft, float gainRight);
    Result Filter(const FrameRing& ring, std::size_t readable, bool ended, float* out,
                  std::size_t frames, float gainLeft, float gainRight, double step);
    void RememberPlayed(const FrameRing& ring, std::size_t frames);
    std::size_t Stage(const FrameRing& ring, std::size_t readable, std::size_t wanted);
    double SourceFramesPlayed(std::size_t written, std::size_t asked, double ratio) const;

    std::size_t m_blockFrames;
    SRC_STATE_tag* m_state = nullptr;
    std::atomic<bool> m_filterReady{false};
    bool m_filtering = false;
    double m_lastRatio = 0.0; // 0: none yet, the next ratio applies at once
    // The last frames passed through, to prime the filter when it takes over.
    std::vector<float> m_history;
    std::size_t m_historyFrames = 0;
    std::size_t m_primeFrames = 0; // history frames staged before the ring's
    std::vector<float> m_staged;   // the filter's input, contiguous
    std::vector<float> m_filtered; // the filter's output
};

} // namespace vantor::engine
