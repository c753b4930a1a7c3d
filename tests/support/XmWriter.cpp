#include "support/XmWriter.h"
#include "support/TrackerBytes.h"

#include "support/ModWriter.h"

namespace vantor::test {

namespace {

constexpr std::uint8_t kNoteLow = 49; // C-4
constexpr std::uint8_t kNoteHigh = 61;
constexpr int kRows = 64;
constexpr int kChannels = 2;

void PutHeader(std::vector<std::uint8_t>& out, const std::string& title, int orders) {
    PutText(out, "Extended Module: ", 17);
    PutText(out, title, 20);
    out.push_back(0x1A);
    PutText(out, "fixture", 20);
    PutU16(out, 0x0104);
    PutU32(out, 276);
    PutU16(out, static_cast<std::size_t>(orders));
    PutU16(out, 0); // restart position
    PutU16(out, kChannels);
    PutU16(out, 2); // patterns
    PutU16(out, 1); // instruments
    PutU16(out, 1); // linear frequencies
    PutU16(out, 2); // speed
    PutU16(out, 125);
    for (int i = 0; i < 256; ++i)
        out.push_back(static_cast<std::uint8_t>(i < orders ? i % 2 : 0));
}

// Row 0 plays the note with instrument 1 on channel 0; every other cell is
// packed as empty.
void PutPattern(std::vector<std::uint8_t>& out, std::uint8_t note) {
    std::vector<std::uint8_t> data{0x83, note, 1};
    data.insert(data.end(), kRows * kChannels - 1, 0x80);
    PutU32(out, 9);
    out.push_back(0);
    PutU16(out, kRows);
    PutU16(out, data.size());
    out.insert(out.end(), data.begin(), data.end());
}

void PutInstrument(std::vector<std::uint8_t>& out, const std::vector<std::int8_t>& sample) {
    PutU32(out, 263);
    PutText(out, "tone", 22);
    out.push_back(0);
    PutU16(out, 1); // samples
    PutU32(out, 40);
    out.insert(out.end(), 96 + 48 + 48, 0); // keymap and envelopes
    out.insert(out.end(), 14, 0);           // envelope counts, types, vibrato
    PutU16(out, 0);                         // fadeout
    out.insert(out.end(), 22, 0);
    PutU32(out, sample.size());
    PutU32(out, 0);
    PutU32(out, sample.size());
    out.insert(out.end(), {64, 0, 1, 128, 0, 0}); // volume, finetune, looped, pan, note
    PutText(out, "tone", 22);
    std::int8_t previous = 0;
    for (const std::int8_t value : sample) {
        out.push_back(static_cast<std::uint8_t>(value - previous)); // delta coded
        previous = value;
    }
}

} // namespace

std::vector<std::uint8_t> WriteToneXm(const std::string& title, int orders) {
    std::vector<std::uint8_t> out;
    PutHeader(out, title, orders);
    PutPattern(out, kNoteLow);
    PutPattern(out, kNoteHigh);
    PutInstrument(out, SineCycles(8));
    return out;
}

} // namespace vantor::test
