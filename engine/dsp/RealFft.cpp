#include "engine/dsp/RealFft.h"

#include <cmath>
#include <numbers>

namespace vantor::engine {

namespace {
std::uint32_t ReverseBits(std::uint32_t value, std::size_t bits) {
    std::uint32_t reversed = 0;
    for (std::size_t i = 0; i < bits; ++i) {
        reversed = reversed << 1 | (value >> i & 1u);
    }
    return reversed;
}

// Joins the transforms a and b of length `half` into one of twice the length,
// in place, with the twiddles w.
void Butterflies(const float* __restrict wr, const float* __restrict wi, float* __restrict ar,
                 float* __restrict ai, float* __restrict br, float* __restrict bi,
                 std::size_t half) {
    for (std::size_t j = 0; j < half; ++j) {
        const float tr = wr[j] * br[j] - wi[j] * bi[j];
        const float ti = wr[j] * bi[j] + wi[j] * br[j];
        br[j] = ar[j] - tr;
        bi[j] = ai[j] - ti;
        ar[j] += tr;
        ai[j] += ti;
    }
}
} // namespace

RealFft::RealFft(std::size_t size)
    : m_half(size / 2), m_reversed(m_half), m_twiddleRe(m_half), m_twiddleIm(m_half),
      m_splitRe(m_half), m_splitIm(m_half), m_re(m_half), m_im(m_half) {
    std::size_t bits = 0;
    while ((std::size_t{1} << bits) < m_half) {
        ++bits;
    }
    for (std::size_t n = 0; n < m_half; ++n) {
        m_reversed[n] = ReverseBits(static_cast<std::uint32_t>(n), bits);
    }
    // Computed in double so that the tables carry no more than float rounding.
    for (std::size_t h = 1; h < m_half; h *= 2) {
        for (std::size_t j = 0; j < h; ++j) {
            const double angle =
                -std::numbers::pi * static_cast<double>(j) / static_cast<double>(h);
            m_twiddleRe[h + j] = static_cast<float>(std::cos(angle));
            m_twiddleIm[h + j] = static_cast<float>(std::sin(angle));
        }
    }
    for (std::size_t k = 0; k < m_half; ++k) {
        const double angle =
            -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size);
        m_splitRe[k] = static_cast<float>(std::cos(angle));
        m_splitIm[k] = static_cast<float>(std::sin(angle));
    }
}

void RealFft::PowerSpectrum(const float* samples, float* power) {
    LoadReordered(samples);
    FirstTwoStages();
    for (std::size_t half = 4; half < m_half; half *= 2) {
        Stage(half);
    }
    SplitPowers(power);
}

// Even samples are the real parts and odd ones the imaginary parts of the
// half-length transform's input, in bit-reversed order.
void RealFft::LoadReordered(const float* samples) {
    for (std::size_t n = 0; n < m_half; ++n) {
        const std::size_t from = 2 * static_cast<std::size_t>(m_reversed[n]);
        m_re[n] = samples[from];
        m_im[n] = samples[from + 1];
    }
}

// Lengths 1 -> 2 -> 4 at once: their twiddles are 1 and -i.
void RealFft::FirstTwoStages() {
    float* re = m_re.data();
    float* im = m_im.data();
    for (std::size_t s = 0; s < m_half; s += 4) {
        const float r0 = re[s] + re[s + 1];
        const float i0 = im[s] + im[s + 1];
        const float r1 = re[s] - re[s + 1];
        const float i1 = im[s] - im[s + 1];
        const float r2 = re[s + 2] + re[s + 3];
        const float i2 = im[s + 2] + im[s + 3];
        const float r3 = re[s + 2] - re[s + 3];
        const float i3 = im[s + 2] - im[s + 3];
        // (r3, i3) times -i is (i3, -r3).
        re[s] = r0 + r2;
        im[s] = i0 + i2;
        re[s + 2] = r0 - r2;
        im[s + 2] = i0 - i2;
        re[s + 1] = r1 + i3;
        im[s + 1] = i1 - r3;
        re[s + 3] = r1 - i3;
        im[s + 3] = i1 + r3;
    }
}

void RealFft::Stage(std::size_t half) {
    const float* wr = m_twiddleRe.data() + half;
    const float* wi = m_twiddleIm.data() + half;
    for (std::size_t s = 0; s < m_half; s += 2 * half) {
        float* re = m_re.data() + s;
        float* im = m_im.data() + s;
        Butterflies(wr, wi, re, im, re + half, im + half, half);
    }
}

// With Z the half-length transform, the real block's bin k is
// E + W^k O, where E = (Z[k] + conj Z[M - k]) / 2 and
// O = -i (Z[k] - conj Z[M - k]) / 2 (M the half length, Z[M] = Z[0]).
void RealFft::SplitPowers(float* power) const {
    const float* re = m_re.data();
    const float* im = m_im.data();
    const float dc = re[0] + im[0];
    power[0] = dc * dc;
    for (std::size_t k = 1; k < m_half; ++k) {
        const std::size_t mirror = m_half - k;
        const float evenRe = 0.5f * (re[k] + re[mirror]);
        const float evenIm = 0.5f * (im[k] - im[mirror]);
        const float oddRe = 0.5f * (im[k] + im[mirror]);
        const float oddIm = 0.5f * (re[mirror] - re[k]);
        const float binRe = evenRe + m_splitRe[k] * oddRe - m_splitIm[k] * oddIm;
        const float binIm = evenIm + m_splitRe[k] * oddIm + m_splitIm[k] * oddRe;
        power[k] = binRe * binRe + binIm * binIm;
    }
}

} // namespace vantor::engine
