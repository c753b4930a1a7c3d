#include "engine/dsp/ReverbEffect.h"

#include <algorithm>

namespace vantor::engine {

namespace {
// Loop lengths in frames at 44.1 kHz; the right side is a little longer so
// the two sides do not correlate.
constexpr std::array<int, 4> kCombFrames{1116, 1188, 1277, 1356};
constexpr std::array<int, 2> kAllPassFrames{556, 441};
constexpr int kStereoSpread = 23;
constexpr float kCombFeedback = 0.8f;
constexpr float kDamping = 0.25f;
constexpr float kAllPassGain = 0.5f;
constexpr float kDry = 0.7f;
constexpr float kWet = 0.08f;

std::size_t Scaled(int frames, int rate) {
    return std::max<std::size_t>(1, static_cast<std::size_t>(frames) *
                                        static_cast<std::size_t>(rate) / 44100);
}
} // namespace

ReverbEffect::ReverbEffect(int rate) : SwitchedEffect(rate) {
    for (int side = 0; side < 2; ++side) {
        for (std::size_t i = 0; i < kCombFrames.size(); ++i) {
            m_combs[side][i].buffer.assign(Scaled(kCombFrames[i] + side * kStereoSpread, rate),
                                           0.0f);
        }
        for (std::size_t i = 0; i < kAllPassFrames.size(); ++i) {
            m_allPasses[side][i].buffer.assign(
                Scaled(kAllPassFrames[i] + side * kStereoSpread, rate), 0.0f);
        }
    }
}

void ReverbEffect::Reset() {
    for (auto& side : m_combs) {
        for (Loop& loop : side) {
            std::fill(loop.buffer.begin(), loop.buffer.end(), 0.0f);
            loop.store = 0.0f;
        }
    }
    for (auto& side : m_allPasses) {
        for (Loop& loop : side) {
            std::fill(loop.buffer.begin(), loop.buffer.end(), 0.0f);
        }
    }
}

float ReverbEffect::Comb(Loop& loop, float x) {
    float y = loop.buffer[loop.at];
    loop.store = y * (1.0f - kDamping) + loop.store * kDamping;
    loop.buffer[loop.at] = x + loop.store * kCombFeedback;
    loop.at = (loop.at + 1) % loop.buffer.size();
    return y;
}

float ReverbEffect::AllPass(Loop& loop, float x) {
    float delayed = loop.buffer[loop.at];
    float y = delayed - x;
    loop.buffer[loop.at] = x + delayed * kAllPassGain;
    loop.at = (loop.at + 1) % loop.buffer.size();
    return y;
}

void ReverbEffect::Wet(const float* in, float* out, std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        for (std::size_t side = 0; side < 2; ++side) {
            float x = in[2 * i + side];
            float sum = 0.0f;
            for (Loop& comb : m_combs[side]) {
                sum += Comb(comb, x);
            }
            for (Loop& allPass : m_allPasses[side]) {
                sum = AllPass(allPass, sum);
            }
            out[2 * i + side] = kDry * x + kWet * sum;
        }
    }
}

} // namespace vantor::engine
