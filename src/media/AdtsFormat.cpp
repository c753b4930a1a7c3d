#include "media/AdtsFormat.h"

#include <array>
#include <cstddef>

namespace vantor {

namespace {

constexpr std::size_t kHeaderBytes = 7;
constexpr std::array<int, 13> kSampleRates{96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                           22050, 16000, 12000, 11025, 8000,  7350};

struct Frame {
    int sampleRate = 0;
    int channels = 0;
    std::size_t length = 0;
};

// The frame whose header starts at `at`, when it is one.
std::optional<Frame> FrameAt(std::span<const std::uint8_t> audio, std::size_t at) {
    if (audio.size() - at < kHeaderBytes)
        return std::nullopt;
    const std::uint8_t* h = audio.data() + at;
    // Twelve sync bits, then layer 0.
    if (h[0] != 0xFF || (h[1] & 0xF6) != 0xF0)
        return std::nullopt;
    const std::size_t rateIndex = (h[2] >> 2) & 0x0F;
    const int channelConfig = ((h[2] & 0x01) << 2) | (h[3] >> 6);
    const std::size_t length =
        (std::size_t{h[3] & 0x03u} << 11) | (std::size_t{h[4]} << 3) | (std::size_t{h[5]} >> 5);
    if (rateIndex >= kSampleRates.size() || channelConfig == 0 || length < kHeaderBytes)
        return std::nullopt;
    return Frame{kSampleRates[rateIndex], channelConfig == 7 ? 8 : channelConfig, length};
}

} // namespace

std::uint64_t AdtsAudioStart(std::span<const std::uint8_t> head) {
    if (head.size() < 10 || head[0] != 'I' || head[1] != 'D' || head[2] != '3')
        return 0;
    std::uint64_t size = 0;
    for (std::size_t i = 6; i < 10; ++i)
        size = (size << 7) | (head[i] & 0x7Fu);
    const bool footer = (head[5] & 0x10) != 0;
    return 10 + size + (footer ? 10 : 0);
}

std::optional<AdtsFormat> ReadAdtsFormat(std::span<const std::uint8_t> audio) {
    for (std::size_t at = 0; at + kHeaderBytes <= audio.size(); ++at) {
        const auto first = FrameAt(audio, at);
        if (!first)
            continue;
        // A lone pattern of sync bits inside other data is not a frame: the
        // next frame must start where this one ends, when that is in view.
        std::size_t frames = 0;
        std::size_t bytes = 0;
        std::size_t next = at;
        while (next + kHeaderBytes <= audio.size()) {
            const auto frame = FrameAt(audio, next);
            if (!frame || frame->sampleRate != first->sampleRate ||
                frame->channels != first->channels)
                break;
            ++frames;
            bytes += frame->length;
            next += frame->length;
        }
        if (frames < 2 && next != audio.size())
            continue;
        // Each frame holds 1024 samples per channel.
        const auto bitrate = static_cast<int>(
            bytes * 8 * static_cast<std::size_t>(first->sampleRate) / (frames * 1024 * 1000));
        return AdtsFormat{first->sampleRate, first->channels, bitrate};
    }
    return std::nullopt;
}

} // namespace vantor
