#include "support/MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vantor::test {

namespace {

struct Event {
    std::uint32_t tick;
    int order; // at one tick: tempo and program first, note-offs before note-ons
    std::vector<std::uint8_t> bytes;
};

void PutU32BE(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutU32LE(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::vector<std::uint8_t> groups{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0)
        groups.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    out.insert(out.end(), groups.rbegin(), groups.rend());
}

void PutChunk(std::vector<std::uint8_t>& out, const char* id,
              const std::vector<std::uint8_t>& body) {
    out.insert(out.end(), id, id + 4);
    PutU32BE(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<std::uint8_t> TrackBody(std::vector<Event> events, std::uint32_t endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    if (!events.empty())
        endTick = std::max(endTick, events.back().tick);
    events.push_back({endTick, 9, {0xFF, 0x2F, 0x00}});
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const auto& event : events) {
        PutVarLength(body, event.tick - now);
        now = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    return body;
}

std::vector<Event> TempoEvents(const MidiSpec& spec) {
    std::vector<Event> events;
    for (const auto& tempo : spec.tempos) {
        const auto us = tempo.microsecondsPerQuarter;
        events.push_back({tempo.tick,
                          0,
                          {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16),
                           static_cast<std::uint8_t>(us >> 8), static_cast<std::uint8_t>(us)}});
    }
    return events;
}

std::vector<Event> NoteEvents(const MidiSpec& spec) {
    std::vector<Event> events;
    for (std::uint8_t channel = 0; channel < 16; ++channel)
        events.push_back({0, 1, {static_cast<std::uint8_t>(0xC0 | channel), spec.program}});
    for (const auto& note : spec.notes) {
        const auto channel = static_cast<std::uint8_t>(note.channel & 0x0F);
        events.push_back({note.startTick,
                          3,
                          {static_cast<std::uint8_t>(0x90 | channel), note.key, note.velocity}});
        events.push_back({note.startTick + note.lengthTicks,
                          2,
                          {static_cast<std::uint8_t>(0x80 | channel), note.key, 0}});
    }
    return events;
}

} // namespace

std::vector<std::uint8_t> WriteMidi(const MidiSpec& spec) {
    std::vector<std::vector<std::uint8_t>> tracks;
    auto tempos = TempoEvents(spec);
    auto notes = NoteEvents(spec);
    if (spec.format == 0) {
        notes.insert(notes.end(), tempos.begin(), tempos.end());
        tracks.push_back(TrackBody(notes, spec.endTick));
    } else {
        tracks.push_back(TrackBody(tempos, 0));
        tracks.push_back(TrackBody(notes, spec.endTick));
    }
    std::vector<std::uint8_t> header;
    header.push_back(0);
    header.push_back(static_cast<std::uint8_t>(spec.format));
    header.push_back(0);
    header.push_back(static_cast<std::uint8_t>(tracks.size()));
    header.push_back(static_cast<std::uint8_t>(spec.division >> 8));
    header.push_back(static_cast<std::uint8_t>(spec.division));
    std::vector<std::uint8_t> out;
    PutChunk(out, "MThd", header);
    for (const auto& track : tracks)
        PutChunk(out, "MTrk", track);
    return out;
}

std::vector<std::uint8_t> WrapRmi(std::span<const std::uint8_t> smf) {
    const std::vector<std::uint8_t> extra{'I', 'N', 'F', 'O', 1, 0, 0, 0, 'x', 0};
    std::vector<std::uint8_t> body{'R', 'M', 'I', 'D'};
    body.insert(body.end(), extra.begin(), extra.end());
    body.insert(body.end(), {'d', 'a', 't', 'a'});
    PutU32LE(body, static_cast<std::uint32_t>(smf.size()));
    body.insert(body.end(), smf.begin(), smf.end());
    if (smf.size() % 2 != 0)
        body.push_back(0);
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    PutU32LE(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

double KeyFrequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

} // namespace vantor::test
