#include "media/FileInfoText.h"

#include "base/ByteReader.h"
#include "base/Paths.h"
#include "media/SongText.h"

#include <vector>

namespace vantor {

namespace {

class Lines {
public:
    void Add(std::string_view label, const std::string& value) {
        m_lines.push_back(std::string(label) + " : " + value);
    }
    std::string Joined() const {
        std::string text;
        for (const auto& line : m_lines)
            text += (text.empty() ? "" : "\r\n") + line;
        return text;
    }

private:
    std::vector<std::string> m_lines;
};

std::string OnOff(std::int32_t bit) {
    return bit == 1 ? "On" : "Off";
}

std::string Whole(Fixed4 value) {
    return std::to_string(value.Rounded());
}

void AddMpegLines(const SongInfo& info, const std::string& lengthText, std::uint64_t fileSize,
                  Lines& lines) {
    const FormatInfo& f = info.Format;
    const bool pcm = IsPcmWave(info);
    lines.Add("FileFormat", f.FormatName);
    lines.Add("SampleRate", std::to_string(f.SampleRate) + "Hz");
    lines.Add("BitRate", std::to_string(f.Bitrate) + (pcm            ? "Kbps"
                                                      : f.IsVbr != 0 ? "Kbps(VBR)"
                                                                     : "Kbps(CBR)"));
    lines.Add("Mode", SongChannelText(info));
    lines.Add("PlayTime", lengthText);
    lines.Add("FileSize", std::to_string(fileSize) + "Bytes");
    lines.Add("PlaySize", Whole(f.DataSize) + "Bytes");
    if (pcm)
        return;
    lines.Add("Frames", Whole(f.FrameCount));
    lines.Add("Error Protection", OnOff(f.CrcProtected));
    lines.Add("PrivateBit", OnOff(f.PrivateBit));
    lines.Add("Copyright", OnOff(f.Copyright));
    lines.Add("Original", OnOff(f.Original));
    lines.Add("Emphasis", EmphasisName(f.Emphasis));
}

void AddOggLines(const SongTrack& track, const std::string& lengthText,
                 std::optional<Fixed4> lengthMs, std::uint64_t fileSize, Lines& lines) {
    const std::int64_t start = track.MemberName.empty() ? 0 : track.MemberStart;
    const VorbisInfo v =
        ReadVorbisComments(ShortPath(track.Path), start, VorbisReadMode::WithDataLength);
    const double seconds = lengthMs.value_or(Fixed4()).ToDouble() / 1000.0;
    const auto average =
        seconds > 0 ? static_cast<std::int64_t>(static_cast<double>(v.DataLength) * 8 / seconds)
                    : 0;
    lines.Add("FileFormat", "Ogg Vorbis");
    lines.Add("SampleRate", std::to_string(v.SampleRate) + "Hz");
    lines.Add("Bitrate", std::to_string(v.NominalBitrate / 1000) +
                             (IsVariableBitrate(v) ? "Kbps(VBR)" : "Kbps"));
    lines.Add("Channel", std::to_string(v.Channels) + "ch");
    lines.Add("PlayTime", lengthText);
    lines.Add("FileSize", std::to_string(fileSize) + "Bytes");
    lines.Add("PlaySize", std::to_string(v.DataLength) + "Bytes");
    lines.Add("Version", std::to_string(v.Version));
    lines.Add("Serial", std::to_string(v.Serial));
    lines.Add("Vendor", v.Vendor);
    lines.Add("LowerBitrate", std::to_string(v.LowerBitrate) + "bps");
    lines.Add("NominalBitrate", std::to_string(v.NominalBitrate) + "bps");
    lines.Add("UpperBitrate", std::to_string(v.UpperBitrate) + "bps");
    lines.Add("AverageBitrate", std::to_string(average) + "bps");
}

void AddWmaLines(const WmaInfo& w, const std::string& lengthText, std::uint64_t fileSize,
                 Lines& lines) {
    lines.Add("FileFormat", w.CodecName);
    lines.Add("SampleRate", std::to_string(w.SampleRate) + "Hz");
    lines.Add("BitRate", std::to_string(std::uint64_t{w.AvgBytesPerSec} * 8 / 1000) + "Kbps");
    lines.Add("Mode", WmaChannelName(w.Channels));
    lines.Add("PlayTime", lengthText);
    lines.Add("FileSize", std::to_string(fileSize) + "Bytes");
}

void AddTaggedLines(const TrackDescription& d, const std::string& lengthText,
                    std::uint64_t fileSize, Lines& lines) {
    const TaggedFormatInfo& f = d.Tagged;
    lines.Add("FileFormat", d.Technical.SongFormatText);
    if (f.Readable) {
        lines.Add("SampleRate", std::to_string(f.SampleRate) + "Hz");
        lines.Add("BitRate", std::to_string(f.BitrateKbps) + "Kbps(VBR)");
        lines.Add("Channel", std::to_string(f.Channels) + "ch");
    }
    lines.Add("PlayTime", lengthText);
    lines.Add("FileSize", std::to_string(fileSize) + "Bytes");
    const std::pair<std::string_view, const std::string*> optional[] = {
        {"Year", &f.Year},
        {"Genre", &f.Genre},
        {"Encoder", &f.Encoder},
        {"ReplayGain(Track)", &f.TrackGain},
        {"ReplayGain(Album)", &f.AlbumGain}};
    for (const auto& [label, value] : optional) {
        if (!value->empty())
            lines.Add(label, *value);
    }
}

FileInfoText CdTrackInfo(const SongTrack& track, const std::string& lengthText) {
    Lines lines;
    lines.Add("FileFormat", "CD Digital Audio");
    lines.Add("SampleRate", "44100Hz");
    lines.Add("BitRate", "1411Kbps(CBR)");
    lines.Add("Mode", "Stereo");
    lines.Add("PlayTime", lengthText);
    return {"AudioCD (" + track.CdDrive + "\\)", "No Artist", lines.Joined()};
}

} // namespace

std::string EmphasisName(std::int32_t emphasis) {
    switch (emphasis) {
    case 0:
        return "None";
    case 1:
        return "50/15ms";
    case 2:
        return "Reserved";
    default:
        return "CCITT j.17";
    }
}

FileInfoText BuildFileInfoText(const SongTrack& track, const SongTextContext& context) {
    const TrackDescription d = DescribeTrack(track, context);
    const std::string lengthText = ResolveLengthText(track, d, context);
    if (d.Type == TrackType::CdTrack)
        return CdTrackInfo(track, lengthText);
    FileInfoText info;
    info.Heading = ExpandSongTemplate("%2", track, d);
    info.Artist = ExpandSongTemplate("%1", track, d);
    const auto fileSize = FileSize(ShortPath(track.Path));
    if (!fileSize && d.Type != TrackType::Other) {
        info.Text = kFileInfoErrorText;
        return info;
    }
    Lines lines;
    switch (d.Type) {
    case TrackType::Mpeg:
        AddMpegLines(d.Info, lengthText, *fileSize, lines);
        break;
    case TrackType::OggVorbis:
        AddOggLines(track, lengthText, ResolveLengthMs(track, d, context), *fileSize, lines);
        break;
    case TrackType::Wma:
        AddWmaLines(d.Wma, lengthText, *fileSize, lines);
        break;
    case TrackType::Tagged:
        AddTaggedLines(d, lengthText, *fileSize, lines);
        break;
    default:
        info.Text = "Not Supported";
        return info;
    }
    info.Text = lines.Joined();
    return info;
}

} // namespace vantor
