#include "support/ModWriter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::test {

namespace {

constexpr int kSampleSlots = 31;
constexpr int kRows = 64;
constexpr int kChannels = 4;

void PutText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

void PutU16BE(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutSampleHeader(std::vector<std::uint8_t>& out, std::size_t sampleBytes) {
    PutText(out, sampleBytes > 0 ? "tone" : "", 22);
    const std::size_t words = sampleBytes / 2;
    PutU16BE(out, words);
    out.push_back(0);                           // finetune
    out.push_back(sampleBytes > 0 ? 64 : 0);    // volume
    PutU16BE(out, 0);                           // loop start
    PutU16BE(out, sampleBytes > 0 ? words : 1); // loop length
}

void PutPattern(std::vector<std::uint8_t>& out, const std::vector<ModNote>& notes) {
    std::vector<std::uint8_t> cells(kRows * kChannels * 4, 0);
    for (const auto& note : notes) {
        auto* cell = &cells[static_cast<std::size_t>((note.row * kChannels + note.channel) * 4)];
        const int sample = note.period > 0 ? 1 : 0;
        cell[0] = static_cast<std::uint8_t>((sample & 0xF0) | ((note.period >> 8) & 0x0F));
        cell[1] = static_cast<std::uint8_t>(note.period & 0xFF);
        cell[2] = static_cast<std::uint8_t>(((sample & 0x0F) << 4) | (note.effect & 0x0F));
        cell[3] = static_cast<std::uint8_t>(note.param);
    }
    out.insert(out.end(), cells.begin(), cells.end());
}

std::size_t PatternCount(const std::vector<int>& orders) {
    int highest = 0;
    for (std::size_t i = 0; i < orders.size() && i < 128; ++i)
        highest = std::max(highest, orders[i]);
    return static_cast<std::size_t>(highest) + 1;
}

} // namespace

std::vector<std::uint8_t> WriteMod(const ModSpec& spec) {
    std::vector<std::uint8_t> out;
    PutText(out, spec.title, 20);
    const std::size_t sampleBytes = spec.sample.size() & ~std::size_t{1};
    PutSampleHeader(out, sampleBytes);
    for (int slot = 1; slot < kSampleSlots; ++slot)
        PutSampleHeader(out, 0);
    out.push_back(static_cast<std::uint8_t>(spec.orders.size()));
    out.push_back(127);
    for (std::size_t i = 0; i < 128; ++i)
        out.push_back(static_cast<std::uint8_t>(i < spec.orders.size() ? spec.orders[i] : 0));
    PutText(out, "M.K.", 4);
    // Players count the patterns from the highest entry of the whole order
    // table, so exactly that many are stored.
    const std::size_t patternCount = PatternCount(spec.orders);
    for (std::size_t i = 0; i < patternCount; ++i)
        PutPattern(out, i < spec.patterns.size() ? spec.patterns[i] : std::vector<ModNote>{});
    for (std::size_t i = 0; i < sampleBytes; ++i)
        out.push_back(static_cast<std::uint8_t>(spec.sample[i]));
    return out;
}

std::vector<std::int8_t> SineCycles(int cycles) {
    std::vector<std::int8_t> sample;
    for (int i = 0; i < cycles * kModCycleSamples; ++i) {
        const double phase = 2.0 * std::numbers::pi * i / kModCycleSamples;
        sample.push_back(static_cast<std::int8_t>(std::lround(100.0 * std::sin(phase))));
    }
    return sample;
}

ModSpec ToneModSpec(const std::string& title, int orders) {
    ModSpec spec;
    spec.title = title;
    for (int i = 0; i < orders; ++i)
        spec.orders.push_back(i % 2);
    const int speedEffect = 0xF;
    for (const int period : {kModPeriodLow, kModPeriodHigh})
        spec.patterns.push_back({ModNote{0, 0, period, speedEffect, 2}});
    spec.sample = SineCycles(8);
    return spec;
}

} // namespace vantor::test
