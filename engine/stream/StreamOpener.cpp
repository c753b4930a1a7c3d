#include "engine/stream/StreamOpener.h"

#include "engine/stream/FfmpegSource.h"
#include "engine/stream/FileRange.h"
#include "engine/stream/MpegAudioSource.h"
#include "engine/stream/PcmSource.h"
#include "engine/stream/VorbisSource.h"

#include <cstring>

namespace vantor::engine {

namespace {

constexpr std::size_t kId3HeaderBytes = 10;
constexpr unsigned char kId3FooterFlag = 0x10;

// A frame header: the sync bits, then a version, layer, bit rate and sample
// rate that exist.
bool IsMpegFrameHeader(const unsigned char* head) {
    const unsigned version = (head[1] >> 3) & 3;
    const unsigned layer = (head[1] >> 1) & 3;
    const unsigned bitrate = head[2] >> 4;
    const unsigned rate = (head[2] >> 2) & 3;
    return head[0] == 0xFF && (head[1] & 0xE0) == 0xE0 && version != 1 && layer != 0 &&
           bitrate != 15 && rate != 3;
}

std::unique_ptr<AudioSource> OpenLight(StreamKind kind, std::unique_ptr<FileRange>& range) {
    switch (kind) {
    case StreamKind::MpegAudio:
        return MpegAudioSource::Open(range);
    case StreamKind::OggVorbis:
        return VorbisSource::Open(range);
    case StreamKind::Pcm:
        return PcmSource::Open(range);
    case StreamKind::Other:
        break;
    }
    return nullptr;
}

// The bytes of an ID3v2 tag starting `head`, footer included; 0 when none.
std::int64_t Id3v2TagBytes(const unsigned char* head) {
    if (std::memcmp(head, "ID3", 3) != 0)
        return 0;
    std::int64_t size = 0;
    for (int i = 6; i < 10; ++i)
        size = size << 7 | (head[i] & 0x7F); // synchsafe
    return static_cast<std::int64_t>(kId3HeaderBytes) * ((head[5] & kId3FooterFlag) != 0 ? 2 : 1) +
           size;
}

StreamKind SniffAtStart(FileRange& range) {
    unsigned char head[kId3HeaderBytes] = {};
    if (!range.ReadExactly(head, sizeof head))
        return StreamKind::Other;
    if (std::memcmp(head, "OggS", 4) == 0)
        return StreamKind::OggVorbis;
    if (std::memcmp(head, "RIFF", 4) == 0 || std::memcmp(head, "FORM", 4) == 0)
        return StreamKind::Pcm;
    if (const std::int64_t tag = Id3v2TagBytes(head); tag > 0) {
        if (range.Seek(tag, SEEK_SET) < 0 || !range.ReadExactly(head, 4))
            return StreamKind::Other;
    }
    return IsMpegFrameHeader(head) ? StreamKind::MpegAudio : StreamKind::Other;
}

} // namespace

StreamKind SniffStreamKind(FileRange& range) {
    const StreamKind kind = SniffAtStart(range);
    range.Seek(0, SEEK_SET);
    return kind;
}

OpenedStream OpenStreamSource(const std::string& path, std::int64_t offset, std::int64_t length,
                              int outputRate, int& error) {
    std::unique_ptr<FileRange> range = FileRange::Open(path, offset, length, error);
    if (!range)
        return {};
    OpenedStream opened;
    opened.lengthBytes = range->Length();
    opened.source = OpenLight(SniffStreamKind(*range), range);
    if (!opened.source) {
        // A declined attempt may have read anywhere; FFmpeg starts at the top.
        range->Seek(0, SEEK_SET);
        opened.source = FfmpegSource::Open(std::move(range), outputRate, error);
    }
    return opened;
}

} // namespace vantor::engine
