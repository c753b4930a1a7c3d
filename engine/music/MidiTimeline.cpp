#include "engine/music/MidiTimeline.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace vantor::engine {

namespace {

constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kSysEx = 0xF0;
constexpr std::uint8_t kSysExContinued = 0xF7;

bool ReadVarLength(ByteReader& reader, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        std::uint8_t byte = 0;
        if (!reader.ReadU8(byte))
            return false;
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0)
            return true;
    }
    return false;
}

struct TrackTiming {
    std::uint64_t endTick = 0;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> tempos;
};

bool SkipMeta(ByteReader& track, TrackTiming& timing, std::uint64_t tick, bool& ended) {
    std::uint8_t type = 0;
    std::uint32_t length = 0;
    if (!track.ReadU8(type) || !ReadVarLength(track, length))
        return false;
    const auto data = track.Take(length);
    if (!data)
        return false;
    if (type == kMetaTempo && length == 3) {
        const auto tempo = (std::uint32_t{(*data)[0]} << 16) | (std::uint32_t{(*data)[1]} << 8) |
                           std::uint32_t{(*data)[2]};
        if (tempo > 0)
            timing.tempos.emplace_back(tick, tempo);
    }
    ended = type == kMetaEndOfTrack;
    return true;
}

// Channel messages carry one data byte (program, channel pressure) or two.
std::size_t ChannelDataBytes(std::uint8_t status) {
    const auto kind = status & 0xF0u;
    return kind == 0xC0u || kind == 0xD0u ? 1 : 2;
}

bool ReadTrack(ByteReader track, TrackTiming& timing) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (!track.AtEnd() && !ended) {
        std::uint32_t delta = 0;
        std::uint8_t status = 0;
        if (!ReadVarLength(track, delta) || !track.ReadU8(status))
            return false;
        tick += delta;
        if (status == kMetaEvent) {
            if (!SkipMeta(track, timing, tick, ended))
                return false;
        } else if (status == kSysEx || status == kSysExContinued) {
            std::uint32_t length = 0;
            if (!ReadVarLength(track, length) || !track.Skip(length))
                return false;
        } else if (status >= 0xF0) {
            return false;
        } else {
            std::size_t dataBytes = 0;
            if (status & 0x80u) {
                running = status;
                dataBytes = ChannelDataBytes(status);
            } else if (running != 0) {
                dataBytes = ChannelDataBytes(running) - 1; // the status byte was data
            } else {
                return false;
            }
            if (!track.Skip(dataBytes))
                return false;
        }
    }
    timing.endTick = tick;
    return true;
}

} // namespace

bool LooksLikeMidi(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    if (reader.Matches("MThd"))
        return true;
    return reader.Matches("RIFF") && reader.Skip(8) && reader.Matches("RMID");
}

std::optional<std::span<const std::uint8_t>> MidiDataOf(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    if (reader.Matches("MThd"))
        return bytes;
    if (!reader.Matches("RIFF") || !reader.Skip(8) || !reader.Matches("RMID") || !reader.Skip(4))
        return std::nullopt;
    while (reader.Remaining() >= 8) {
        const bool isData = reader.Matches("data");
        std::uint32_t size = 0;
        reader.Skip(4);
        reader.ReadU32LE(size);
        // A wrapper that claims more than it holds still has its MIDI data.
        const auto chunk = reader.Take(std::min<std::size_t>(size, reader.Remaining()));
        if (isData)
            return chunk;
        reader.Skip(size & 1u);
    }
    return std::nullopt;
}

namespace {

struct SmfChunks {
    std::uint16_t format = 0;
    std::uint16_t division = 0;
    std::vector<std::span<const std::uint8_t>> tracks;
};

// The header fields and the track chunks the header announces, each cut to
// the bytes present; chunks of other kinds are stepped over.
std::optional<SmfChunks> ReadSmfChunks(std::span<const std::uint8_t> smf) {
    ByteReader reader(smf);
    std::uint32_t headerLength = 0;
    std::uint16_t trackCount = 0;
    SmfChunks chunks;
    if (!reader.Matches("MThd") || !reader.Skip(4) || !reader.ReadU32BE(headerLength) ||
        headerLength < 6 || !reader.ReadU16BE(chunks.format) || !reader.ReadU16BE(trackCount) ||
        !reader.ReadU16BE(chunks.division) || !reader.Skip(headerLength - 6))
        return std::nullopt;
    // Time-code divisions are not played by the synthesiser, so they are refused here.
    if (chunks.division == 0 || (chunks.division & 0x8000u) != 0 || trackCount == 0)
        return std::nullopt;
    while (chunks.tracks.size() < trackCount && reader.Remaining() >= 8) {
        const bool isTrack = reader.Matches("MTrk");
        std::uint32_t size = 0;
        reader.Skip(4);
        reader.ReadU32BE(size);
        const auto chunk = reader.Take(std::min<std::size_t>(size, reader.Remaining()));
        if (isTrack)
            chunks.tracks.push_back(*chunk);
    }
    if (chunks.tracks.empty())
        return std::nullopt;
    return chunks;
}

void AppendU32BE(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

std::optional<std::vector<std::uint8_t>> PlayableMidiData(std::span<const std::uint8_t> smf) {
    const auto chunks = ReadSmfChunks(smf);
    if (!chunks)
        return std::nullopt;
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    const auto trackCount = static_cast<std::uint16_t>(chunks->tracks.size());
    for (const std::uint16_t field : {chunks->format, trackCount, chunks->division}) {
        out.push_back(static_cast<std::uint8_t>(field >> 8));
        out.push_back(static_cast<std::uint8_t>(field));
    }
    for (const auto track : chunks->tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        AppendU32BE(out, static_cast<std::uint32_t>(track.size()));
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

std::optional<MidiTimeline> MidiTimeline::Parse(std::span<const std::uint8_t> smf) {
    const auto chunks = ReadSmfChunks(smf);
    if (!chunks)
        return std::nullopt;
    MidiTimeline timeline;
    timeline.m_division = chunks->division;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> tempos;
    for (const auto track : chunks->tracks) {
        TrackTiming timing;
        if (!ReadTrack(ByteReader(track), timing))
            return std::nullopt;
        timeline.m_totalTicks = std::max(timeline.m_totalTicks, timing.endTick);
        tempos.insert(tempos.end(), timing.tempos.begin(), timing.tempos.end());
    }
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [tick, tempo] : tempos)
        timeline.m_tempos.push_back({tick, tempo});
    return timeline;
}

double MidiTimeline::TicksToMs(std::uint64_t tick) const {
    double ms = 0.0;
    std::uint64_t from = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const auto& change : m_tempos) {
        if (change.tick >= tick)
            break;
        ms += static_cast<double>(change.tick - from) * tempo / 1000.0 / m_division;
        from = change.tick;
        tempo = change.microsecondsPerQuarter;
    }
    return ms + static_cast<double>(tick - from) * tempo / 1000.0 / m_division;
}

std::uint64_t MidiTimeline::MsToTicks(double ms) const {
    double elapsed = 0.0;
    std::uint64_t from = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const auto& change : m_tempos) {
        const double span = static_cast<double>(change.tick - from) * tempo / 1000.0 / m_division;
        if (elapsed + span > ms)
            break;
        elapsed += span;
        from = change.tick;
        tempo = change.microsecondsPerQuarter;
    }
    const double ticks = std::max(0.0, ms - elapsed) * 1000.0 * m_division / tempo;
    const double left = static_cast<double>(m_totalTicks - std::min(from, m_totalTicks));
    return std::min(m_totalTicks, from + static_cast<std::uint64_t>(std::min(ticks, left)));
}

} // namespace vantor::engine
