#include "FlacWriter.h"

#include <cmath>
#include <numbers>

namespace vantor::test {

namespace {

constexpr std::uint32_t kBlockSize = 4096;

std::uint8_t Crc8(const Bytes& bytes) {
    std::uint8_t crc = 0;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint8_t>((crc & 0x80) != 0 ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

std::uint16_t Crc16(const Bytes& bytes) {
    std::uint16_t crc = 0;
    for (const std::uint8_t byte : bytes) {
        crc ^= static_cast<std::uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) != 0 ? (crc << 1) ^ 0x8005 : crc << 1);
    }
    return crc;
}

// The frame number in FLAC's UTF-8-like coding (up to 2047 frames here).
void FrameNumber(ByteBuilder& b, std::uint32_t number) {
    if (number < 0x80) {
        b.U8(number);
    } else {
        b.U8(0xC0 | (number >> 6));
        b.U8(0x80 | (number & 0x3F));
    }
}

} // namespace

Bytes FlacTone(const FlacToneSpec& spec) {
    const auto total = static_cast<std::uint32_t>(std::lround(spec.seconds * spec.sampleRate));
    const auto channels = static_cast<std::uint32_t>(spec.channels);
    const auto rate = static_cast<std::uint32_t>(spec.sampleRate);
    ByteBuilder file;
    file.Text("fLaC").U8(0x80).U24BE(34);
    file.U16BE(kBlockSize).U16BE(kBlockSize).U24BE(0).U24BE(0);
    // Rate (20 bits), channels - 1 (3), bits - 1 (5), the top of 36 bits of samples.
    file.U32BE((rate << 12) | ((channels - 1) << 9) | (15u << 4)).U32BE(total);
    file.Fill(16);
    for (std::uint32_t first = 0, number = 0; first < total; first += kBlockSize, ++number) {
        const std::uint32_t count = std::min(kBlockSize, total - first);
        ByteBuilder frame;
        // Sync, fixed blocks; size from the header's end; rate from STREAMINFO;
        // independent channels; 16-bit samples.
        frame.U8(0xFF).U8(0xF8).U8(0x70).U8(((channels - 1) << 4) | 0x08);
        FrameNumber(frame, number);
        frame.U16BE(count - 1);
        frame.U8(Crc8(frame.Get()));
        for (std::uint32_t c = 0; c < channels; ++c) {
            frame.U8(0x02); // a verbatim subframe
            for (std::uint32_t i = first; i < first + count; ++i) {
                const double phase = 2.0 * std::numbers::pi * spec.frequency * i / spec.sampleRate;
                const auto sample = static_cast<std::int16_t>(
                    std::lround(32767.0 * spec.amplitude * std::sin(phase)));
                frame.U16BE(static_cast<std::uint16_t>(sample));
            }
        }
        frame.U16BE(Crc16(frame.Get()));
        file.Append(frame.Get());
    }
    return file.Take();
}

} // namespace vantor::test
