// The timing of a Standard MIDI File: where its data sits (bare or inside an
// RMI wrapper), its tempo map and its length. Reading is bounded: malformed
// files are refused, never read past their end. Value type; any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantor::engine {

// True when the bytes look like MIDI: a bare "MThd" file or an RMI wrapper.
bool LooksLikeMidi(std::span<const std::uint8_t> bytes);

// The Standard MIDI File inside `bytes`: the bytes themselves when they start
// with "MThd", the content of the "data" chunk of a RIFF "RMID" file, or
// nothing. The span views `bytes`.
std::optional<std::span<const std::uint8_t>> MidiDataOf(std::span<const std::uint8_t> bytes);

// The file as the synthesiser gets it: rebuilt from a six-byte header and the
// track chunks that MidiTimeline::Parse reads, each cut to the bytes present.
// Chunks of other kinds, long headers and trailing bytes never reach the
// synthesiser's own loader, which can loop forever on a negative chunk size.
// Nothing without a usable header and track; the events are left for Parse
// to check, on these bytes.
std::optional<std::vector<std::uint8_t>> PlayableMidiData(std::span<const std::uint8_t> smf);

class MidiTimeline {
public:
    // Nothing when the file is not a playable SMF (no header, no track,
    // time-code division, an event cut short).
    static std::optional<MidiTimeline> Parse(std::span<const std::uint8_t> smf);

    std::uint64_t TotalTicks() const { return m_totalTicks; }
    double TicksToMs(std::uint64_t tick) const;
    std::uint64_t MsToTicks(double ms) const;
    double LengthMs() const { return TicksToMs(m_totalTicks); }

private:
    struct TempoChange {
        std::uint64_t tick;
        std::uint32_t microsecondsPerQuarter;
    };

    // Tempo in force from the first tick until the first change.
    static constexpr std::uint32_t kDefaultTempo = 500000;

    std::uint16_t m_division = 0;
    std::uint64_t m_totalTicks = 0;
    std::vector<TempoChange> m_tempos;
};

} // namespace vantor::engine
