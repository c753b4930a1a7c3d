// Writes Standard MIDI Files (format 0 or 1) and RMI wrappers for tests:
// notes of known length, tempo changes and one program. Test-only.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantor::test {

struct MidiNote {
    std::uint32_t startTick = 0;
    std::uint32_t lengthTicks = 0;
    std::uint8_t key = 69; // A4, 440 Hz
    std::uint8_t velocity = 100;
    std::uint8_t channel = 0;
};

struct MidiTempo {
    std::uint32_t tick = 0;
    std::uint32_t microsecondsPerQuarter = 500000;
};

struct MidiSpec {
    int format = 1; // 0: one track; 1: a tempo track and a note track
    std::uint16_t division = 480;
    std::uint8_t program = 0;
    std::vector<MidiTempo> tempos;
    std::vector<MidiNote> notes;
    // Where the tracks end (the latest note end when smaller).
    std::uint32_t endTick = 0;
};

std::vector<std::uint8_t> WriteMidi(const MidiSpec& spec);
// The SMF inside a RIFF "RMID" wrapper, with an extra chunk before "data".
std::vector<std::uint8_t> WrapRmi(std::span<const std::uint8_t> smf);

// General MIDI program 74 (Recorder): a nearly pure tone whose zero
// crossings follow its pitch.
inline constexpr std::uint8_t kPureToneProgram = 74;
double KeyFrequency(int key);

} // namespace vantor::test
