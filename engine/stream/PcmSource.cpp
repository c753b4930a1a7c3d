#include "engine/stream/PcmSource.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace vantor::engine {

namespace {
constexpr std::size_t kFramesPerRead = 4096;
} // namespace

std::unique_ptr<PcmSource> PcmSource::Open(std::unique_ptr<FileRange>& range) {
    const std::optional<PcmLayout> layout = ReadPcmLayout(*range);
    if (!layout || layout->frames <= 0)
        return nullptr;
    return std::unique_ptr<PcmSource>(new PcmSource(std::move(range), *layout));
}

PcmSource::PcmSource(std::unique_ptr<FileRange> range, const PcmLayout& layout)
    : NativeRateSource(std::move(range), layout.rate, layout.frames * 1000 / layout.rate),
      m_layout(layout), m_bytes(kFramesPerRead * static_cast<std::size_t>(layout.FrameBytes())) {
    Range().Seek(m_layout.dataOffset, SEEK_SET);
}

float PcmSource::Sample(const std::uint8_t* bytes) const {
    const int size = m_layout.bits / 8;
    std::uint32_t word = 0;
    for (int i = 0; i < size; ++i) {
        const int from = m_layout.bigEndian ? i : size - 1 - i;
        word = word << 8 | bytes[from];
    }
    switch (m_layout.coding) {
    case PcmLayout::Coding::Unsigned8:
        return (static_cast<float>(word) - 128.0f) / 128.0f;
    case PcmLayout::Coding::Float32: {
        const float value = std::bit_cast<float>(word);
        // A damaged sample must not carry NaN or infinity into the mix.
        return std::isfinite(value) ? value : 0.0f;
    }
    case PcmLayout::Coding::SignedInteger:
        break;
    }
    // Sign-extend from the top bit of the stored width.
    const int shift = 32 - m_layout.bits;
    const auto value = static_cast<std::int32_t>(word << shift) >> shift;
    return static_cast<float>(value) / static_cast<float>(std::int64_t{1} << (m_layout.bits - 1));
}

std::size_t PcmSource::Read(float* stereo, std::size_t frames) {
    const auto frameBytes = static_cast<std::size_t>(m_layout.FrameBytes());
    const std::size_t sampleBytes = frameBytes / static_cast<std::size_t>(m_layout.channels);
    std::size_t done = 0;
    while (done < frames && m_frame < m_layout.frames) {
        const std::size_t want = std::min<std::size_t>(
            {frames - done, kFramesPerRead, static_cast<std::size_t>(m_layout.frames - m_frame)});
        const std::int64_t got = Range().Read(m_bytes.data(), want * frameBytes);
        const std::size_t whole = got > 0 ? static_cast<std::size_t>(got) / frameBytes : 0;
        if (whole == 0) {
            m_frame = m_layout.frames; // unreadable from here on
            break;
        }
        for (std::size_t i = 0; i < whole; ++i, ++done) {
            const std::uint8_t* frame = m_bytes.data() + i * frameBytes;
            const float left = Sample(frame);
            stereo[2 * done] = left;
            stereo[2 * done + 1] = m_layout.channels > 1 ? Sample(frame + sampleBytes) : left;
        }
        m_frame += static_cast<std::int64_t>(whole);
    }
    return done;
}

std::int64_t PcmSource::SeekMs(std::int64_t ms) {
    m_frame = std::clamp<std::int64_t>(MsToFrames(ms), 0, m_layout.frames);
    Range().Seek(m_layout.dataOffset + m_frame * m_layout.FrameBytes(), SEEK_SET);
    return FramesToMs(m_frame);
}

} // namespace vantor::engine
