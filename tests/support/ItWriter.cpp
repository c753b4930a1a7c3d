#include "support/ItWriter.h"
#include "support/TrackerBytes.h"

#include "support/ModWriter.h"

namespace vantor::test {

namespace {

constexpr std::uint8_t kNoteLow = 60; // C-5
constexpr std::uint8_t kNoteHigh = 72;
constexpr int kRows = 64;
constexpr std::size_t kSampleHeaderBytes = 0x50;

void PutHeader(std::vector<std::uint8_t>& out, const std::string& title, int orders) {
    PutText(out, "IMPM", 4);
    PutText(out, title, 26);
    PutU16(out, 0x1004);
    PutU16(out, static_cast<std::size_t>(orders));
    PutU16(out, 0); // instruments
    PutU16(out, 1); // samples
    PutU16(out, 2); // patterns
    PutU16(out, 0x0214);
    PutU16(out, 0x0200);
    PutU16(out, 0x09); // stereo, linear slides, sample mode
    PutU16(out, 0);
    // Global volume, mix volume, speed 2, tempo 125, separation, no MIDI
    // pitch wheel depth.
    out.insert(out.end(), {128, 48, 2, 125, 128, 0});
    PutU16(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    out.push_back(32);              // channel 1 in the centre
    out.insert(out.end(), 63, 160); // the rest switched off
    out.insert(out.end(), 64, 64);
}

void PutSampleHeader(std::vector<std::uint8_t>& out, std::size_t length, std::size_t dataAt) {
    PutText(out, "IMPS", 4);
    PutText(out, "tone.raw", 12);
    out.insert(out.end(), {0, 64, 0x11, 64}); // present and looped, full volume
    PutText(out, "tone", 26);
    out.insert(out.end(), {1, 0}); // signed samples, no default pan
    PutU32(out, length);
    PutU32(out, 0);
    PutU32(out, length);
    PutU32(out, 8363);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, dataAt);
    out.insert(out.end(), 4, 0);
}

void PutPattern(std::vector<std::uint8_t>& out, std::uint8_t note) {
    // Channel 1 with a mask of note and sample, then the end of each row.
    std::vector<std::uint8_t> data{0x81, 0x03, note, 1, 0};
    data.insert(data.end(), kRows - 1, 0);
    PutU16(out, data.size());
    PutU16(out, kRows);
    PutU32(out, 0);
    out.insert(out.end(), data.begin(), data.end());
}

} // namespace

std::vector<std::uint8_t> WriteToneIt(const std::string& title, int orders) {
    std::vector<std::uint8_t> out;
    PutHeader(out, title, orders);
    for (int i = 0; i < orders; ++i)
        out.push_back(static_cast<std::uint8_t>(i % 2));
    const std::size_t sampleOffsetAt = out.size();
    const std::size_t sampleHeaderAt = sampleOffsetAt + 3 * 4;
    const std::size_t firstPatternAt = sampleHeaderAt + kSampleHeaderBytes;
    const std::size_t patternBytes = 8 + 5 + (kRows - 1);
    const std::size_t sampleDataAt = firstPatternAt + 2 * patternBytes;

    PutU32(out, sampleHeaderAt);
    PutU32(out, firstPatternAt);
    PutU32(out, firstPatternAt + patternBytes);
    const auto sample = SineCycles(8);
    PutSampleHeader(out, sample.size(), sampleDataAt);
    PutPattern(out, kNoteLow);
    PutPattern(out, kNoteHigh);
    for (const std::int8_t value : sample)
        out.push_back(static_cast<std::uint8_t>(value));
    return out;
}

} // namespace vantor::test
