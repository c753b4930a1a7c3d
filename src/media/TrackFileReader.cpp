#include "media/TrackFileReader.h"

#include "base/ByteReader.h"
#include "base/VbNumber.h"
#include "media/FileBytes.h"
#include "media/Id3Tags.h"
#include "media/MpegHeader.h"
#include "media/RiffInfo.h"

#include <optional>

namespace vantor {

namespace {

// Frames are looked for this far into the audio; a stream that does not
// start within it is not an MPEG stream.
constexpr std::size_t kFrameSearchLimit = 10240;
constexpr std::size_t kId3v1Size = 128;

struct DataChunk {
    std::uint32_t size = 0;
    std::size_t start = 0;
};

// Finds "data" from the reader's position by single steps, as damaged
// files often misstate the sizes of the chunks before it.
std::optional<DataChunk> FindDataChunk(ByteReader& reader) {
    while (!reader.Matches("data")) {
        if (!reader.Skip(1))
            return std::nullopt;
    }
    DataChunk chunk;
    if (!reader.Skip(4) || !reader.ReadU32LE(chunk.size))
        return std::nullopt;
    chunk.start = reader.Position();
    return chunk;
}

std::span<const std::uint8_t, 4> HeaderAt(std::span<const std::uint8_t> range, std::size_t at) {
    return range.subspan(at).first<4>();
}

class Inspection {
public:
    Inspection(std::span<const std::uint8_t> range, InspectOptions options)
        : m_range(range), m_options(options) {}

    SongInfo Run() {
        ProbeId3v1();
        ReadTags();
        if (!ReadRiff())
            return m_song;
        if (const auto header = FindFirstHeader())
            AnalyseMpeg(*header);
        if (m_song.Format.FormatName.empty())
            m_song.Format.FormatName = "MPEG-" + MpegVersionText(m_song.Format) + " Layer-" +
                                       std::to_string(m_song.Format.Layer);
        return m_song;
    }

private:
    void ProbeId3v1() {
        if (m_range.size() < kId3v1Size)
            return;
        ByteReader reader(m_range);
        reader.Seek(m_range.size() - kId3v1Size);
        if (reader.Matches("TAG"))
            m_id3v1Size = kId3v1Size;
    }

    void ReadTags() {
        const Id3v2Tag tag = ReadId3v2(m_range);
        if (tag.Present) {
            const auto& s = tag.Fields;
            m_song.Artist = s[1].empty() ? s[13] : s[1];
            m_song.Title = s[0].empty() ? s[14] : s[0];
            m_song.Album = s[2].empty() ? s[15] : s[2];
            m_song.Comment = s[6];
            m_song.Year = s[4].empty() ? s[12] : s[4];
            m_song.Genre = s[5];
            m_song.Track = FormatTrackNumber(s[3]);
            m_audioStart = static_cast<std::size_t>(TagTotalSize(tag.Header)) + tag.LeadingNuls;
        } else if (m_id3v1Size != 0) {
            ReadId3v1(m_range, m_range.size() - kId3v1Size + 3, m_song);
        }
    }

    // RIFF WAVE and RMP3 headers. False when the inspection ends with the
    // PCM values of a WAVE file that holds no data chunk.
    bool ReadRiff() {
        ByteReader reader(m_range);
        if (!reader.Matches("RIFF") || !reader.Skip(8))
            return true;
        if (reader.Matches("RMP3")) {
            reader.Skip(4);
            m_song.Format.FormatName = "RIFF RMP3";
            if (const auto data = FindDataChunk(reader)) {
                ApplyRiffInfo(ReadRiffInfo(m_range, data->size, data->start), m_song);
                m_song.Format.DataSize = Fixed4::FromInteger(data->size);
                m_dataSizeSet = true;
            }
            return true;
        }
        if (!reader.Matches("WAVE") || !reader.Skip(4) || !reader.Matches("fmt "))
            return true;
        return ReadWaveFormat(reader);
    }

    bool ReadWaveFormat(ByteReader& reader) {
        std::uint16_t channels = 0;
        std::uint32_t sampleRate = 0;
        std::uint32_t bytesPerSecond = 0;
        if (!reader.Skip(4 + 4 + 2) || !reader.ReadU16LE(channels) ||
            !reader.ReadU32LE(sampleRate) || !reader.ReadU32LE(bytesPerSecond))
            return false;
        const auto data = FindDataChunk(reader);
        const std::uint32_t dataSize = data ? data->size : 0;
        if (data) {
            const RiffInfo info = ReadRiffInfo(m_range, data->size, data->start);
            if (info.HasId3Chunk != 0)
                ReadId3v1(m_range, static_cast<std::size_t>(info.Id3ChunkPosition), m_song);
            else
                ApplyRiffInfo(info, m_song);
        }
        FormatInfo& f = m_song.Format;
        f.Bitrate = static_cast<std::int32_t>(RoundHalfEven(bytesPerSecond * 8.0 / 1000.0));
        if (bytesPerSecond != 0)
            f.PlayTimeMs =
                Fixed4::FromDouble(static_cast<double>(dataSize) / bytesPerSecond * 1000.0);
        f.SampleRate = static_cast<std::int32_t>(sampleRate);
        f.Channels = channels;
        f.DataSize = Fixed4::FromInteger(dataSize);
        f.FormatName = kPcmWaveFormatName;
        m_dataSizeSet = true;
        if (!data)
            return false;
        m_pcmDataStart = data->start;
        return true;
    }

    std::optional<std::size_t> FindFirstHeader() const {
        if (m_pcmDataStart) {
            const std::size_t at = *m_pcmDataStart;
            if (m_range.size() >= 4 && at <= m_range.size() - 4 &&
                IsFrameHeader(HeaderAt(m_range, at)))
                return at;
            return std::nullopt;
        }
        if (m_range.size() < 4)
            return std::nullopt;
        // The limit counts from the start of the audio, so that a large tag
        // (cover art) does not hide the stream behind it.
        const std::size_t last = m_range.size() - 4;
        for (std::size_t at = m_audioStart; at <= last && at < m_audioStart + kFrameSearchLimit;
             ++at) {
            if (IsFrameHeader(HeaderAt(m_range, at)))
                return at;
        }
        return std::nullopt;
    }

    void AnalyseMpeg(std::size_t header) {
        FormatInfo& f = m_song.Format;
        if (m_pcmDataStart)
            f.FormatName = "RIFF WAVE(MP3)";
        DecodeFrameHeader(HeaderAt(m_range, header), f);
        if (!m_dataSizeSet) {
            const auto end = static_cast<std::int64_t>(m_range.size() - m_id3v1Size);
            f.DataSize = Fixed4::FromInteger(
                std::max<std::int64_t>(0, end - static_cast<std::int64_t>(header)));
        }
        f.PlayTimeMs = Fixed4();
        if (f.FrameLength + 4 >= 1) {
            f.FrameCount = Fixed4::FromInteger(IntDiv(f.DataSize.ToDouble(), f.FrameLength + 4));
            UpdatePlayTime();
        }
        const FrameAt described = ReadXing(header);
        if (f.IsVbr == 0 && m_options.mpegAccurate)
            WalkFrames(described);
    }

    void UpdatePlayTime() {
        FormatInfo& f = m_song.Format;
        const double samplesPerFrame = f.IsLsf == 1 ? 576.0 : 1152.0;
        f.PlayTimeMs =
            Fixed4::FromDouble(samplesPerFrame * f.FrameCount.ToDouble() * 1000.0 / f.SampleRate);
    }

    // A frame whose header the format fields hold, and its number from 1.
    struct FrameAt {
        std::size_t position;
        std::int64_t number;
    };

    FrameAt ReadXing(std::size_t header) {
        FormatInfo& f = m_song.Format;
        const bool mono = f.Channels == 1;
        const std::size_t offset = f.IsLsf == 0 ? (mono ? 17 : 32) : (mono ? 9 : 17);
        const std::size_t at = header + 4 + offset;
        if (at > m_range.size() || m_range.size() - at < 16)
            return {header, 1};
        const auto xing = m_range.subspan(at, 16);
        // Encoders write the same header as "Info" into a constant-rate
        // file. That first frame may be coded at another rate than the
        // rest (FFmpeg picks the lowest it fits in when told none), so its
        // own rate would give a wrong length; the counts it holds do not.
        const bool variable = ByteReader(xing).Matches("Xing");
        if (!variable && !ByteReader(xing).Matches("Info"))
            return {header, 1};
        const std::uint8_t flags = xing[7] & 0x0F;
        std::size_t cursor = 4;
        if ((flags & 1) != 0) {
            cursor += 4;
            f.FrameCount = Fixed4::FromInteger(ReadBigEndian32(xing, cursor));
            UpdatePlayTime();
        }
        if ((flags & 2) != 0) {
            cursor += 4;
            f.DataSize = Fixed4::FromInteger(ReadBigEndian32(xing, cursor));
        }
        if (!variable) {
            // The next frame carries the stream's own rate and layout.
            const std::size_t next =
                header + 4 + static_cast<std::size_t>(std::max(f.FrameLength, 0));
            if (next >= m_range.size() || m_range.size() - next < 4 ||
                !IsFrameHeader(HeaderAt(m_range, next)))
                return {header, 1};
            DecodeFrameHeader(HeaderAt(m_range, next), f);
            return {next, 2};
        }
        f.Bitrate =
            static_cast<std::int32_t>(IntDiv(f.DataSize.ToDouble() * 8, f.PlayTimeMs.ToDouble()));
        f.IsVbr = -1;
        return {header, 1};
    }

    // Counts the frames by following each header's frame length. A header
    // whose length is not positive ends the walk: following it would never
    // move forward.
    void WalkFrames(FrameAt from) {
        FormatInfo& f = m_song.Format;
        const std::size_t end = m_range.size() - m_id3v1Size;
        std::int64_t counter = from.number;
        std::size_t at = from.position + 4 + static_cast<std::size_t>(std::max(f.FrameLength, 0));
        while (f.FrameLength > 0 && at < end && end - at >= 4) {
            DecodeFrameHeader(HeaderAt(m_range, at), f);
            ++counter;
            at += 4 + static_cast<std::size_t>(std::max(f.FrameLength, 0));
        }
        f.FrameCount = Fixed4::FromInteger(counter);
    }

    std::span<const std::uint8_t> m_range;
    InspectOptions m_options;
    SongInfo m_song;
    std::size_t m_id3v1Size = 0;
    std::size_t m_audioStart = 0;
    bool m_dataSizeSet = false;
    std::optional<std::size_t> m_pcmDataStart;
};

} // namespace

SongInfo InspectBytes(std::span<const std::uint8_t> file, std::int64_t start, std::int64_t length,
                      InspectOptions options) {
    if (start < 0)
        return {};
    const std::uint64_t available = start < static_cast<std::int64_t>(file.size())
                                        ? file.size() - static_cast<std::uint64_t>(start)
                                        : 0;
    const std::uint64_t rangeLength =
        length == kWholeFile ? available
                             : static_cast<std::uint64_t>(std::max<std::int64_t>(length, 0));
    return Inspection(ClipRange(file, static_cast<std::uint64_t>(start), rangeLength), options)
        .Run();
}

SongInfo InspectFile(const std::string& path, std::int64_t start, std::int64_t length,
                     InspectOptions options) {
    const FileBytes file(path);
    if (!file.IsOpen())
        return {};
    return InspectBytes(file.Bytes(), start, length, options);
}

} // namespace vantor
