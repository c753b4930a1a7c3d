#include "RiffWriter.h"

namespace vantor::test {

Bytes RiffChunk(std::string_view id, std::span<const std::uint8_t> body) {
    return PaddedChunk(id, body, false);
}

Bytes InfoList(const InfoChunks& chunks) {
    ByteBuilder body;
    body.Text("INFO");
    for (const auto& [id, text] : chunks) {
        Bytes value = BytesOf(text);
        value.push_back(0);
        body.Append(RiffChunk(id, value));
    }
    return RiffChunk("LIST", body.Get());
}

namespace {

Bytes Riff(std::string_view form, std::span<const std::uint8_t> body) {
    ByteBuilder file;
    file.Text("RIFF").U32LE(static_cast<std::uint32_t>(body.size() + 4)).Text(form).Append(body);
    return file.Take();
}

} // namespace

Bytes RiffWave(const WaveSpec& spec) {
    const std::uint32_t blockAlign = spec.channels * spec.bitsPerSample / 8u;
    ByteBuilder format;
    format.U16LE(spec.formatTag)
        .U16LE(spec.channels)
        .U32LE(spec.sampleRate)
        .U32LE(spec.sampleRate * blockAlign)
        .U16LE(blockAlign)
        .U16LE(spec.bitsPerSample);
    ByteBuilder body;
    body.Append(RiffChunk("fmt ", format.Get()))
        .Append(RiffChunk("data", spec.data))
        .Append(spec.trailing);
    return Riff("WAVE", body.Get());
}

Bytes RiffRmp3(std::span<const std::uint8_t> mpegData, std::span<const std::uint8_t> trailing) {
    ByteBuilder body;
    body.Append(RiffChunk("data", mpegData)).Append(trailing);
    return Riff("RMP3", body.Get());
}

} // namespace vantor::test
