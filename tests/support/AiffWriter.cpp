#include "AiffWriter.h"

#include <cmath>

namespace vantor::test {

namespace {

// A positive whole number as an 80-bit IEEE extended float, as COMM holds it.
void Extended(ByteBuilder& out, double value) {
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent); // value = fraction * 2^exponent
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    out.U16BE(static_cast<std::uint32_t>(16383 + exponent - 1));
    out.U32BE(static_cast<std::uint32_t>(mantissa >> 32))
        .U32BE(static_cast<std::uint32_t>(mantissa));
}

} // namespace

Bytes AiffChunk(std::string_view id, std::span<const std::uint8_t> body) {
    return PaddedChunk(id, body, true);
}

Bytes AiffFile(const AiffSpec& spec) {
    const bool compressed = !spec.compression.empty();
    const std::uint32_t frameBytes = spec.channels * spec.bitsPerSample / 8u;
    ByteBuilder common;
    common.U16BE(spec.channels)
        .U32BE(frameBytes > 0 ? static_cast<std::uint32_t>(spec.data.size()) / frameBytes : 0)
        .U16BE(spec.bitsPerSample);
    Extended(common, spec.sampleRate);
    if (compressed)
        common.Text(spec.compression).U8(0).U8(0); // an empty, padded name
    ByteBuilder sound;
    sound.U32BE(spec.dataOffset).U32BE(0).Fill(spec.dataOffset, 0xEE).Append(spec.data);
    ByteBuilder body;
    body.Text(compressed ? "AIFC" : "AIFF")
        .Append(spec.leading)
        .Append(AiffChunk("COMM", common.Get()))
        .Append(AiffChunk("SSND", sound.Get()));
    ByteBuilder file;
    file.Text("FORM").U32BE(static_cast<std::uint32_t>(body.Size())).Append(body.Get());
    return file.Take();
}

} // namespace vantor::test
