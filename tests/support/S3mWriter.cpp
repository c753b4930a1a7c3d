#include "support/S3mWriter.h"
#include "support/TrackerBytes.h"

#include "support/ModWriter.h"

#include <algorithm>

namespace vantor::test {

namespace {

constexpr std::uint8_t kNoteLow = 0x40; // C, octave 4
constexpr std::uint8_t kNoteHigh = 0x50;
constexpr int kRows = 64;

void PadToParagraph(std::vector<std::uint8_t>& out) {
    while (out.size() % 16 != 0)
        out.push_back(0);
}

void PutHeader(std::vector<std::uint8_t>& out, const std::string& title, std::size_t orderSlots) {
    PutText(out, title, 28);
    out.insert(out.end(), {0x1A, 16, 0, 0});
    PutU16(out, orderSlots);
    PutU16(out, 1); // instruments
    PutU16(out, 2); // patterns
    PutU16(out, 0); // flags
    PutU16(out, 0x1320);
    PutU16(out, 2); // unsigned samples
    PutText(out, "SCRM", 4);
    // Global volume, speed 2, tempo 125, stereo master volume, no click
    // removal, no stored panning.
    out.insert(out.end(), {64, 2, 125, 0xB0, 0, 0});
    out.insert(out.end(), 8, 0);
    PutU16(out, 0);
    out.push_back(0); // channel 1 plays on the left
    out.insert(out.end(), 31, 255);
}

void PutInstrument(std::vector<std::uint8_t>& out, std::size_t samplePara, std::size_t length) {
    out.push_back(1);
    PutText(out, "tone.raw", 12);
    out.push_back(static_cast<std::uint8_t>(samplePara >> 16));
    PutU16(out, samplePara & 0xFFFF);
    PutU32(out, length);
    PutU32(out, 0);
    PutU32(out, length);
    out.insert(out.end(), {64, 0, 0, 1}); // volume, reserved, unpacked, looped
    PutU32(out, 8363);
    out.insert(out.end(), 12, 0);
    PutText(out, "tone", 28);
    PutText(out, "SCRS", 4);
}

std::vector<std::uint8_t> Pattern(std::uint8_t note) {
    std::vector<std::uint8_t> rows{0x20, note, 1}; // channel 0: note and instrument
    rows.push_back(0);
    for (int row = 1; row < kRows; ++row)
        rows.push_back(0);
    std::vector<std::uint8_t> packed;
    PutU16(packed, rows.size() + 2);
    packed.insert(packed.end(), rows.begin(), rows.end());
    return packed;
}

} // namespace

std::vector<std::uint8_t> WriteToneS3m(const std::string& title, int orders) {
    const std::size_t orderSlots = static_cast<std::size_t>(orders + 1) & ~std::size_t{1};
    std::vector<std::uint8_t> out;
    PutHeader(out, title, orderSlots);
    for (std::size_t i = 0; i < orderSlots; ++i)
        out.push_back(static_cast<std::uint8_t>(static_cast<int>(i) < orders ? i % 2 : 255));
    const std::size_t pointers = out.size();
    out.insert(out.end(), 3 * 2, 0); // one instrument, two pattern paragraph pointers
    std::vector<std::uint8_t> sample;
    for (const std::int8_t value : SineCycles(8))
        sample.push_back(static_cast<std::uint8_t>(value + 128));

    PadToParagraph(out);
    const std::size_t instrument = out.size();
    PutInstrument(out, 0, sample.size());
    std::size_t patternAt[2] = {};
    for (int i = 0; i < 2; ++i) {
        PadToParagraph(out);
        patternAt[i] = out.size();
        const auto packed = Pattern(i == 0 ? kNoteLow : kNoteHigh);
        out.insert(out.end(), packed.begin(), packed.end());
    }
    PadToParagraph(out);
    const std::size_t samplePara = out.size() / 16;
    out.insert(out.end(), sample.begin(), sample.end());

    const auto setU16 = [&out](std::size_t at, std::size_t value) {
        out[at] = static_cast<std::uint8_t>(value);
        out[at + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    setU16(pointers, instrument / 16);
    setU16(pointers + 2, patternAt[0] / 16);
    setU16(pointers + 4, patternAt[1] / 16);
    out[instrument + 13] = static_cast<std::uint8_t>(samplePara >> 16);
    setU16(instrument + 14, samplePara & 0xFFFF);
    return out;
}

} // namespace vantor::test
