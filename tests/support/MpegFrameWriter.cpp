#include "MpegFrameWriter.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vantor::test {

namespace {

bool IsLsf(const MpegFrameSpec& spec) {
    return spec.version != MpegVersion::Mpeg1;
}

int BitrateIndex(const MpegFrameSpec& spec) {
    static constexpr std::array<std::array<int, 15>, 6> kRates{{
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    }};
    const auto& column =
        kRates[static_cast<std::size_t>((spec.layer - 1) * 2 + (IsLsf(spec) ? 1 : 0))];
    const auto found = std::find(column.begin(), column.end(), spec.bitrateKbps);
    if (found == column.end())
        throw std::invalid_argument("bit rate not in the table");
    return static_cast<int>(found - column.begin());
}

int SampleRateIndex(const MpegFrameSpec& spec) {
    static constexpr std::array<std::array<int, 3>, 3> kRates{
        {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}}};
    const auto& rates = kRates[static_cast<std::size_t>(spec.version)];
    const auto found = std::find(rates.begin(), rates.end(), spec.sampleRate);
    if (found == rates.end())
        throw std::invalid_argument("sample rate does not suit the version");
    return static_cast<int>(found - rates.begin());
}

} // namespace

Bytes MpegFrameHeader(const MpegFrameSpec& spec) {
    const int versionBits = spec.version == MpegVersion::Mpeg1   ? 3
                            : spec.version == MpegVersion::Mpeg2 ? 2
                                                                 : 0;
    const int layerBits = 4 - spec.layer;
    ByteBuilder header;
    header.U8(0xFF);
    header.U8(static_cast<std::uint32_t>(0xE0 | (versionBits << 3) | (layerBits << 1) |
                                         (spec.crcProtected ? 0 : 1)));
    header.U8(static_cast<std::uint32_t>((BitrateIndex(spec) << 4) | (SampleRateIndex(spec) << 2) |
                                         (spec.padding ? 2 : 0) | (spec.privateBit ? 1 : 0)));
    header.U8(static_cast<std::uint32_t>((spec.channelMode << 6) | (spec.copyright ? 8 : 0) |
                                         (spec.original ? 4 : 0) | spec.emphasis));
    return header.Take();
}

std::size_t MpegFrameSize(const MpegFrameSpec& spec) {
    const int pad = spec.padding ? 1 : 0;
    const int rate = spec.bitrateKbps * 1000;
    if (spec.layer == 1)
        return static_cast<std::size_t>((12 * rate / spec.sampleRate + pad) * 4);
    if (spec.layer == 2 || !IsLsf(spec))
        return static_cast<std::size_t>(144 * rate / spec.sampleRate + pad);
    return static_cast<std::size_t>(72 * rate / spec.sampleRate + pad);
}

Bytes MpegFrames(const MpegFrameSpec& spec, std::size_t count) {
    const Bytes header = MpegFrameHeader(spec);
    ByteBuilder frames;
    for (std::size_t i = 0; i < count; ++i)
        frames.Append(header).Fill(MpegFrameSize(spec) - header.size());
    return frames.Take();
}

Bytes XingFrame(const MpegFrameSpec& spec, std::uint32_t frames, std::uint32_t bytes) {
    const bool mono = spec.channelMode == 3;
    const std::size_t offset = IsLsf(spec) ? (mono ? 9 : 17) : (mono ? 17 : 32);
    ByteBuilder frame;
    frame.Append(MpegFrameHeader(spec))
        .Fill(offset)
        .Text("Xing")
        .U32BE(3)
        .U32BE(frames)
        .U32BE(bytes);
    frame.Fill(MpegFrameSize(spec) - frame.Size());
    return frame.Take();
}

} // namespace vantor::test
