#include "engine/dsp/EqualizerUnit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::engine {

namespace {
constexpr double kBandwidthOctaves = 1.0;
// The mixing thread's samples are on the 16-bit scale.
constexpr double kCeiling = 32767.0;
constexpr double kGlideSeconds = 0.01;
// Coefficients reach their target within 1e-4 after this many time constants.
constexpr double kGlideSpan = 9.2;
// The limiter lets its gain back up by 6 dB over this time.
constexpr double kReleaseSeconds = 0.5;
// Bands this close to half the rate are left out rather than warped.
constexpr double kHighestCentreShare = 0.45;

double Toward(double from, double to, double factor) {
    return from + (to - from) * factor;
}
} // namespace

EqualizerUnit::EqualizerUnit(int rate)
    : SwitchedEffect(rate), m_glideFactor(1.0 - std::exp(-1.0 / (kGlideSeconds * rate))),
      m_glideSamples(static_cast<int>(kGlideSpan * kGlideSeconds * rate)),
      m_release(std::exp(std::log(2.0) / (kReleaseSeconds * rate))) {}

EqualizerUnit::Coefficients EqualizerUnit::Design(const EqualizerLevels& levels) const {
    Coefficients c;
    EqualizerLevels clamped = levels.Clamped();
    c.preamp = std::pow(10.0, clamped.preamp / 20.0);
    for (std::size_t band = 0; band < kEqualizerBands; ++band) {
        double centre = kEqualizerCentres[band];
        if (clamped.bands[band] == 0.0f || centre >= kHighestCentreShare * Rate()) {
            continue; // a level of 0 dB is the identity filter
        }
        double amplitude = std::pow(10.0, clamped.bands[band] / 40.0);
        double w0 = 2.0 * std::numbers::pi * centre / Rate();
        double alpha =
            std::sin(w0) * std::sinh(std::log(2.0) / 2.0 * kBandwidthOctaves * w0 / std::sin(w0));
        double a0 = 1.0 + alpha / amplitude;
        Biquad& q = c.bands[band];
        q.b0 = (1.0 + alpha * amplitude) / a0;
        q.b1 = -2.0 * std::cos(w0) / a0;
        q.b2 = (1.0 - alpha * amplitude) / a0;
        q.a1 = q.b1;
        q.a2 = (1.0 - alpha / amplitude) / a0;
    }
    return c;
}

void EqualizerUnit::SetLevels(const EqualizerLevels& levels) {
    m_slots[static_cast<std::size_t>(m_writeSlot)] = Design(levels);
    m_writeSlot = m_middleSlot.exchange(m_writeSlot | kFresh, std::memory_order_acq_rel) & ~kFresh;
}

bool EqualizerUnit::TakeNewest() {
    if ((m_middleSlot.load(std::memory_order_acquire) & kFresh) == 0) {
        return false;
    }
    m_readSlot = m_middleSlot.exchange(m_readSlot, std::memory_order_acq_rel) & ~kFresh;
    return true;
}

void EqualizerUnit::Reset() {
    TakeNewest();
    m_current = m_slots[static_cast<std::size_t>(m_readSlot)];
    m_glideLeft = 0;
    m_state = {};
    m_limiterGain = 1.0;
}

// Each step is a mix of two stable filters with the same centre; the stable
// denominators form a convex set, so every step on the way is stable too.
void EqualizerUnit::GlideStep() {
    const Coefficients& target = m_slots[static_cast<std::size_t>(m_readSlot)];
    if (--m_glideLeft == 0) {
        m_current = target;
        return;
    }
    for (std::size_t band = 0; band < kEqualizerBands; ++band) {
        Biquad& q = m_current.bands[band];
        const Biquad& t = target.bands[band];
        q.b0 = Toward(q.b0, t.b0, m_glideFactor);
        q.b1 = Toward(q.b1, t.b1, m_glideFactor);
        q.b2 = Toward(q.b2, t.b2, m_glideFactor);
        q.a1 = Toward(q.a1, t.a1, m_glideFactor);
        q.a2 = Toward(q.a2, t.a2, m_glideFactor);
    }
    m_current.preamp = Toward(m_current.preamp, target.preamp, m_glideFactor);
}

double EqualizerUnit::Filter(std::size_t channel, double sample) {
    double x = sample * m_current.preamp;
    for (std::size_t band = 0; band < kEqualizerBands; ++band) {
        const Biquad& q = m_current.bands[band];
        FilterState& s = m_state[channel][band];
        double y = q.b0 * x + q.b1 * s.x1 + q.b2 * s.x2 - q.a1 * s.y1 - q.a2 * s.y2;
        s.x2 = s.x1;
        s.x1 = x;
        s.y2 = s.y1;
        s.y1 = y;
        x = y;
    }
    return x;
}

// Drops at once to what keeps this frame below full scale, then recovers
// slowly, so a loud boosted passage is turned down instead of clipped.
double EqualizerUnit::Limit(double left, double right) {
    double peak = std::max(std::fabs(left), std::fabs(right));
    m_limiterGain = std::min(1.0, m_limiterGain * m_release);
    if (peak * m_limiterGain > kCeiling) {
        m_limiterGain = kCeiling / peak;
    }
    return m_limiterGain;
}

void EqualizerUnit::Wet(const float* in, float* out, std::size_t frames) {
    if (TakeNewest()) {
        m_glideLeft = m_glideSamples;
    }
    for (std::size_t i = 0; i < frames; ++i) {
        if (m_glideLeft > 0) {
            GlideStep();
        }
        double left = Filter(0, in[2 * i]);
        double right = Filter(1, in[2 * i + 1]);
        double gain = Limit(left, right);
        out[2 * i] = static_cast<float>(left * gain);
        out[2 * i + 1] = static_cast<float>(right * gain);
    }
}

} // namespace vantor::engine
