#include "media/TrackDescription.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "media/MpegHeader.h"

#include <array>
#include <string_view>
#include <utility>

namespace vantor {

namespace {

struct FixedFormat {
    std::string_view extension;
    TrackType type;
    std::string_view formatName;
};

// File types without readers: only their format name is shown.
constexpr std::array<FixedFormat, 9> kFixedFormats{{
    {"MOD", TrackType::TrackerModule, "FastTracker"},
    {"S3M", TrackType::TrackerModule, "ScreamTracker3"},
    {"XM", TrackType::TrackerModule, "FastTracker2"},
    {"IT", TrackType::TrackerModule, "ImpulseTracker"},
    {"MID", TrackType::Midi, "MIDI"},
    {"RMI", TrackType::Midi, "MIDI"},
    {"SGT", TrackType::Midi, "MIDI"},
    {"AIF", TrackType::Aiff, "AudioInterchangeFileFormat"},
    {"AIFF", TrackType::Aiff, "AudioInterchangeFileFormat"},
}};

std::string StereoOrMono(std::int32_t channels) {
    return channels == 2 ? "Stereo" : "Monaural";
}

// Surround is mixed down to stereo, but the text says what the file holds.
std::string ChannelCountName(std::int32_t channels) {
    return channels > 2 ? std::to_string(channels) + "ch" : StereoOrMono(channels);
}

std::string KiloHertz(std::int32_t sampleRate) {
    return std::to_string(sampleRate / 1000) + "KHz";
}

void DescribeInspected(const SongTrack& track, const SongTextContext& context,
                       TrackDescription& d) {
    const bool member = !track.MemberName.empty();
    const std::int64_t start = member ? track.MemberStart : 0;
    const std::int64_t length =
        member ? std::int64_t{track.MemberEnd} - track.MemberStart + 1 : kWholeFile;
    d.Info = InspectFile(ShortPath(track.Path), start, length, context.inspect);
    d.Artist = d.Info.Artist;
    d.Title = d.Info.Title;
    d.Album = d.Info.Album;
    d.Comment = d.Info.Comment;
    d.Track = d.Info.Track;
    d.PlayTimeMs = d.Info.Format.PlayTimeMs;
}

void SetMpegTexts(const SongInfo& info, SongTechnicalTexts& t) {
    const FormatInfo& f = info.Format;
    const bool pcm = IsPcmWave(info);
    t.SongFormatText = pcm ? "PulseCodeModulation" : f.FormatName;
    t.SongBitrateText = std::to_string(f.Bitrate) + "Kbps";
    if (!pcm)
        t.SongBitrateText += f.IsVbr != 0 ? "(VBR)" : "(CBR)";
    t.SongSampleRateText = KiloHertz(f.SampleRate);
    t.SongChannelText = SongChannelText(info);
    t.SongIsStereo = f.Channels == 2 ? 1 : 0;
}

void DescribeOgg(const SongTrack& track, TrackDescription& d) {
    const std::int64_t start = track.MemberName.empty() ? 0 : track.MemberStart;
    d.Vorbis = ReadVorbisComments(ShortPath(track.Path), start);
    const VorbisInfo& v = d.Vorbis;
    d.Artist = v.Artist;
    d.Title = v.Title;
    d.Album = v.Album;
    d.Comment = v.Comment;
    d.Track = v.TrackNumber;
    auto& t = d.Technical;
    t.SongFormatText = "OggVorbis";
    t.SongBitrateText = std::to_string(v.NominalBitrate / 1000) + "Kbps" +
                        (IsVariableBitrate(v) ? "(VBR)" : "(CBR)");
    t.SongSampleRateText = KiloHertz(v.SampleRate);
    t.SongChannelText = StereoOrMono(v.Channels);
    t.SongIsStereo = v.Channels == 2 ? 1 : 0;
}

void DescribeWma(const SongTrack& track, TrackDescription& d) {
    const std::int64_t start = track.MemberName.empty() ? 0 : track.MemberStart;
    d.Wma = ReadWmaHeader(ShortPath(track.Path), start);
    const WmaInfo& w = d.Wma;
    d.Artist = w.Author;
    d.Title = w.Title;
    d.Album = w.Album;
    d.Comment = w.Description;
    d.Track = w.Track;
    auto& t = d.Technical;
    t.SongFormatText = w.CodecName;
    t.SongBitrateText = std::to_string(std::uint64_t{w.AvgBytesPerSec} * 8 / 1000) + "Kbps";
    t.SongSampleRateText = KiloHertz(w.SampleRate);
    t.SongChannelText = StereoOrMono(w.Channels);
    t.SongIsStereo = w.Channels == 2 ? 1 : 0;
}

void DescribeTagged(const SongTrack& track, const std::string& extension, TrackDescription& d) {
    d.Tagged = ReadTaggedFormat(ShortPath(track.Path), extension);
    const TaggedFormatInfo& f = d.Tagged;
    d.Artist = f.Artist;
    d.Title = f.Title;
    d.Album = f.Album;
    d.Comment = f.Comment;
    d.Track = f.Track;
    if (f.LengthMs > 0)
        d.PlayTimeMs = Fixed4::FromDouble(static_cast<double>(f.LengthMs));
    auto& t = d.Technical;
    t.SongFormatText =
        f.BitsPerSample > 0 ? f.Codec + " " + std::to_string(f.BitsPerSample) + "bit" : f.Codec;
    if (!f.Readable) {
        t.SongChannelText = "Unknown";
        t.SongIsStereo = 0;
        return;
    }
    // Every one of these codecs spends bits as the sound needs them.
    t.SongBitrateText = std::to_string(f.BitrateKbps) + "Kbps(VBR)";
    t.SongSampleRateText = KiloHertz(f.SampleRate);
    t.SongChannelText = ChannelCountName(f.Channels);
    t.SongIsStereo = f.Channels >= 2 ? 1 : 0;
}

void DescribeCdTrack(const SongTrack& track, const SongTextContext& context, TrackDescription& d) {
    d.Type = TrackType::CdTrack;
    d.Technical = {"CD Digital Audio", "1411Kbps(CBR)", "44KHz", "Stereo", 1};
    if (context.cdTrackText) {
        CdTrackText text = context.cdTrackText(track.CdDrive, track.CdTrack);
        d.Title = std::move(text.title);
        d.Artist = std::move(text.performer);
    }
}

} // namespace

std::string TrackExtension(const SongTrack& track) {
    return AsciiUpper(ExtensionOf(track.MemberName.empty() ? track.Path : track.MemberName));
}

bool IsPcmWave(const SongInfo& info) {
    return info.Format.FormatName == kPcmWaveFormatName;
}

std::string SongChannelText(const SongInfo& info) {
    if (IsPcmWave(info))
        return StereoOrMono(info.Format.Channels);
    return ChannelModeName(info.Format.ChannelMode);
}

TrackDescription DescribeTrack(const SongTrack& track, const SongTextContext& context) {
    TrackDescription d;
    if (track.IsCdTrack) {
        DescribeCdTrack(track, context, d);
        return d;
    }
    const std::string extension = TrackExtension(track);
    const bool member = !track.MemberName.empty();
    if (extension == "OGG") {
        d.Type = TrackType::OggVorbis;
        DescribeOgg(track, d);
    } else if (extension == "WMA") {
        d.Type = TrackType::Wma;
        DescribeWma(track, d);
    } else if (IsTaggedFormatExtension(extension) && !member) {
        d.Type = TrackType::Tagged;
        DescribeTagged(track, extension, d);
    } else if (extension == "MP3" || extension == "WAV" || member) {
        d.Type = TrackType::Mpeg;
        DescribeInspected(track, context, d);
        if (extension == "MP3" || extension == "WAV")
            SetMpegTexts(d.Info, d.Technical);
    }
    for (const auto& fixed : kFixedFormats) {
        if (extension == fixed.extension) {
            d.Type = fixed.type;
            d.Technical.SongFormatText = fixed.formatName;
        }
    }
    if (d.Type == TrackType::TrackerModule && context.moduleTitle)
        d.Title = context.moduleTitle(ShortPath(track.Path));
    if (d.Technical.SongFormatText.empty() && d.Type != TrackType::Wma) {
        d.Technical.SongChannelText = "Unknown";
        d.Technical.SongIsStereo = 0;
    }
    return d;
}

} // namespace vantor
