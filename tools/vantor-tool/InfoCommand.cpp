// vantor-tool info FILE [--member START END]: the fields the media readers
// (or TagLib, for FLAC, Opus, M4A, AAC, WavPack and .oga) find in a file (or
// a ZIP member's byte range) and the texts built from them.
#include "Commands.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "engine/SoundEngine.h"
#include "media/FileInfoText.h"
#include "media/ModuleTitle.h"
#include "media/PlayLength.h"
#include "media/SongText.h"
#include "media/ZipMembers.h"

#include <ostream>

namespace vantor::tool {

namespace {

class Printer {
public:
    explicit Printer(std::ostream& out) : m_out(out) {}
    template <typename T>
    void operator()(const char* name, const T& value) {
        m_out << name << " = " << value << "\n";
    }
    void operator()(const char* name, Fixed4 value) {
        std::string text = std::to_string(value.Raw() / Fixed4::kScale);
        const auto fraction = std::abs(value.Raw() % Fixed4::kScale);
        if (fraction != 0) {
            std::string digits = std::to_string(fraction + Fixed4::kScale).substr(1);
            digits.erase(digits.find_last_not_of('0') + 1);
            text = (value.Raw() < 0 && text == "0" ? "-0" : text) + "." + digits;
        }
        (*this)(name, text);
    }

private:
    std::ostream& m_out;
};

void PrintSongInfo(const SongInfo& s, Printer& p) {
    p("Title", s.Title), p("Artist", s.Artist), p("Album", s.Album), p("Comment", s.Comment);
    p("Year", s.Year), p("Genre", s.Genre), p("Track", s.Track);
    const FormatInfo& f = s.Format;
    p("IsLsf", f.IsLsf), p("IsMpeg25", f.IsMpeg25), p("Layer", f.Layer),
        p("SampleRate", f.SampleRate);
    p("CrcProtected", f.CrcProtected), p("BitrateIndex", f.BitrateIndex), p("Padding", f.Padding);
    p("PrivateBit", f.PrivateBit), p("ChannelMode", f.ChannelMode),
        p("ModeExtension", f.ModeExtension);
    p("Copyright", f.Copyright), p("Original", f.Original), p("Emphasis", f.Emphasis);
    p("Channels", f.Channels), p("Bitrate", f.Bitrate), p("FrameLength", f.FrameLength);
    p("PlayTimeMs", f.PlayTimeMs), p("DataSize", f.DataSize), p("FrameCount", f.FrameCount);
    p("IsVbr", f.IsVbr), p("FormatName", f.FormatName);
}

void PrintVorbisInfo(const VorbisInfo& v, Printer& p) {
    p("Vendor", v.Vendor), p("Title", v.Title), p("Artist", v.Artist), p("Album", v.Album);
    p("Genre", v.Genre), p("Date", v.Date), p("Comment", v.Comment),
        p("TrackNumber", v.TrackNumber);
    p("EncodedUsing", v.EncodedUsing), p("Version", v.Version), p("Channels", v.Channels);
    p("Serial", v.Serial), p("SampleRate", v.SampleRate), p("UpperBitrate", v.UpperBitrate);
    p("NominalBitrate", v.NominalBitrate), p("LowerBitrate", v.LowerBitrate);
}

void PrintWmaInfo(const WmaInfo& w, Printer& p) {
    p("Title", w.Title), p("Author", w.Author), p("Album", w.Album), p("Track", w.Track);
    p("Year", w.Year), p("Genre", w.Genre), p("Description", w.Description);
    p("MaxBitrate", w.MaxBitrate), p("Channels", w.Channels), p("SampleRate", w.SampleRate);
    p("AvgBytesPerSec", w.AvgBytesPerSec), p("CodecName", w.CodecName);
}

void PrintTaggedInfo(const TaggedFormatInfo& t, Printer& p) {
    p("Title", t.Title), p("Artist", t.Artist), p("Album", t.Album), p("Comment", t.Comment);
    p("Year", t.Year), p("Genre", t.Genre), p("Track", t.Track), p("Encoder", t.Encoder);
    p("TrackGain", t.TrackGain), p("AlbumGain", t.AlbumGain), p("Codec", t.Codec);
    p("BitsPerSample", t.BitsPerSample), p("SampleRate", t.SampleRate), p("Channels", t.Channels);
    p("BitrateKbps", t.BitrateKbps), p("LengthMs", t.LengthMs);
}

class SilentMessages : public MessageBoxes {
public:
    void Show(const std::string&, const std::string&, MessageIcon) override {}
};

// The member's stored name, found by walking the archive; the archive's own
// name when no member starts there.
std::string MemberNameAt(const std::string& path, std::int32_t start) {
    SilentMessages messages;
    for (const auto& member : ScanZipArchive(path, messages).Members) {
        if (member.MemberStart == start)
            return member.MemberName;
    }
    return FileNameOf(path);
}

bool ParseArgs(Args args, SongTrack& track) {
    if (args.size() != 1 && args.size() != 4)
        return false;
    track.Path = args[0];
    if (args.size() == 1)
        return true;
    if (args[1] != "--member")
        return false;
    try {
        track.MemberStart = std::stoi(args[2]);
        track.MemberEnd = std::stoi(args[3]);
    } catch (const std::exception&) {
        return false;
    }
    track.MemberName = MemberNameAt(track.Path, track.MemberStart);
    return true;
}

// The sound library without a device gives module names and play lengths.
SongTextContext EngineContext(engine::SoundEngine& sound, bool ready) {
    SongTextContext context;
    if (!ready)
        return context;
    context.moduleTitle = [&sound](const std::string& path) { return ModuleTitle(sound, path); };
    context.playLengthMs = [&sound](const SongTrack& t) { return PlayLengthMs(sound, t); };
    return context;
}

} // namespace

int RunInfo(Args args, std::ostream& out, std::ostream& err) {
    SongTrack track;
    if (!ParseArgs(args, track)) {
        err << "usage: vantor-tool info FILE [--member START END]\n";
        return 2;
    }
    engine::EngineOptions options;
    options.output = engine::OutputKind::Pull;
    engine::SoundEngine sound(options);
    const SongTextContext context = EngineContext(sound, sound.FSOUND_Init(44100, 128, 0));
    const SongText line = BuildSongText("%1 - %2", track, SongTextMode::MainWindow, context);
    Printer print(out);
    const TrackDescription& d = line.Description;
    if (d.Type == TrackType::OggVorbis)
        PrintVorbisInfo(d.Vorbis, print);
    else if (d.Type == TrackType::Wma)
        PrintWmaInfo(d.Wma, print);
    else if (d.Type == TrackType::Mpeg)
        PrintSongInfo(d.Info, print);
    else if (d.Type == TrackType::Tagged)
        PrintTaggedInfo(d.Tagged, print);
    print("SongInformation", line.Text);
    print("SongFormatText", d.Technical.SongFormatText);
    print("SongBitrateText", d.Technical.SongBitrateText);
    print("SongSampleRateText", d.Technical.SongSampleRateText);
    print("SongChannelText", d.Technical.SongChannelText);
    track.LengthText = line.LengthText;
    const FileInfoText info = BuildFileInfoText(track, context);
    print("FileInfoHeading", info.Heading);
    print("FileInfoArtist", info.Artist);
    for (const auto& text : SplitLines(info.Text))
        print("FileInfo", text);
    sound.FSOUND_Close();
    return 0;
}

} // namespace vantor::tool
