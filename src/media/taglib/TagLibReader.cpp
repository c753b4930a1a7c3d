#include "media/taglib/TagLibFacts.h"

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacproperties.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4properties.h>
#include <taglib/mpegfile.h>
#include <taglib/opusproperties.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisproperties.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/wavpackproperties.h>
#include <taglib/xiphcomment.h>

namespace {

using vantor::TagLibFacts;
using vantor::TagLibPicture;
using Pictures = std::vector<TagLibPicture>;

std::string BytesOf(const TagLib::ByteVector& bytes) {
    return {bytes.data(), bytes.size()};
}

// The codec and sample width, which only each format's own properties know.
void ReadCodec(const TagLib::AudioProperties& audio, vantor::TaggedStream& stream) {
    if (const auto* flac = dynamic_cast<const TagLib::FLAC::Properties*>(&audio)) {
        stream.Codec = "FLAC";
        stream.BitsPerSample = flac->bitsPerSample();
    } else if (const auto* mp4 = dynamic_cast<const TagLib::MP4::Properties*>(&audio)) {
        const bool alac = mp4->codec() == TagLib::MP4::Properties::ALAC;
        stream.Codec = alac ? "ALAC" : "AAC";
        stream.BitsPerSample = alac ? mp4->bitsPerSample() : 0;
    } else if (const auto* wavPack = dynamic_cast<const TagLib::WavPack::Properties*>(&audio)) {
        stream.Codec = "WavPack";
        stream.BitsPerSample = wavPack->bitsPerSample();
    } else if (dynamic_cast<const TagLib::Ogg::Opus::Properties*>(&audio) != nullptr) {
        stream.Codec = "Opus";
    } else if (dynamic_cast<const TagLib::Vorbis::Properties*>(&audio) != nullptr) {
        stream.Codec = "Vorbis";
    }
}

// Picture type 3 of the ID3v2 and FLAC lists is the front cover.
constexpr int kFrontCoverType = 3;

void AddPictures(const TagLib::List<TagLib::FLAC::Picture*>& list, Pictures& pictures) {
    for (const auto* picture : list)
        pictures.push_back({picture->type() == TagLib::FLAC::Picture::FrontCover,
                            picture->mimeType().to8Bit(), BytesOf(picture->data())});
}

void AddPictures(const TagLib::ID3v2::Tag* tag, Pictures& pictures) {
    if (tag == nullptr)
        return;
    for (const auto* frame : tag->frameList("APIC")) {
        if (const auto* apic = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame))
            pictures.push_back({static_cast<int>(apic->type()) == kFrontCoverType,
                                apic->mimeType().to8Bit(), BytesOf(apic->picture())});
    }
}

std::string MimeTypeOf(TagLib::MP4::CoverArt::Format format) {
    switch (format) {
    case TagLib::MP4::CoverArt::JPEG:
        return "image/jpeg";
    case TagLib::MP4::CoverArt::PNG:
        return "image/png";
    case TagLib::MP4::CoverArt::GIF:
        return "image/gif";
    case TagLib::MP4::CoverArt::BMP:
        return "image/bmp";
    default:
        return {};
    }
}

// MP4 "covr" pictures carry no type; the first counts as the front one.
void AddPictures(const TagLib::MP4::Tag* tag, Pictures& pictures) {
    if (tag == nullptr || !tag->contains("covr"))
        return;
    for (const auto& art : tag->item("covr").toCoverArtList())
        pictures.push_back({pictures.empty(), MimeTypeOf(art.format()), BytesOf(art.data())});
}

// APE binary items hold a file name, a zero byte, then the picture.
void AddPictures(const TagLib::APE::Tag* tag, Pictures& pictures) {
    if (tag == nullptr)
        return;
    for (const auto& [key, item] : tag->itemListMap()) {
        const std::string name = key.upper().to8Bit();
        if (item.type() != TagLib::APE::Item::Binary || name.rfind("COVER ART", 0) != 0)
            continue;
        const TagLib::ByteVector value = item.binaryData();
        const int nameEnd = value.find('\0');
        if (nameEnd < 0)
            continue;
        pictures.push_back({name == "COVER ART (FRONT)",
                            {},
                            BytesOf(value.mid(static_cast<unsigned>(nameEnd) + 1))});
    }
}

// WMA and other ASF files keep theirs as "WM/Picture" attributes.
void AddPictures(const TagLib::ASF::Tag* tag, Pictures& pictures) {
    if (tag == nullptr || !tag->contains("WM/Picture"))
        return;
    for (const auto& attribute : tag->attribute("WM/Picture")) {
        const TagLib::ASF::Picture picture = attribute.toPicture();
        if (picture.isValid())
            pictures.push_back({picture.type() == TagLib::ASF::Picture::FrontCover,
                                picture.mimeType().to8Bit(), BytesOf(picture.picture())});
    }
}

Pictures PicturesOf(TagLib::File& file) {
    Pictures pictures;
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file)) {
        AddPictures(flac->pictureList(), pictures);
        if (flac->hasXiphComment())
            AddPictures(flac->xiphComment()->pictureList(), pictures);
    } else if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
        AddPictures(mpeg->hasID3v2Tag() ? mpeg->ID3v2Tag() : nullptr, pictures);
        AddPictures(mpeg->hasAPETag() ? mpeg->APETag() : nullptr, pictures);
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file)) {
        AddPictures(mp4->hasMP4Tag() ? mp4->tag() : nullptr, pictures);
    } else if (auto* wavPack = dynamic_cast<TagLib::WavPack::File*>(&file)) {
        AddPictures(wavPack->hasAPETag() ? wavPack->APETag() : nullptr, pictures);
    } else if (auto* ape = dynamic_cast<TagLib::APE::File*>(&file)) {
        AddPictures(ape->hasAPETag() ? ape->APETag() : nullptr, pictures);
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) {
        AddPictures(wav->hasID3v2Tag() ? wav->ID3v2Tag() : nullptr, pictures);
    } else if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(&file)) {
        AddPictures(aiff->hasID3v2Tag() ? aiff->tag() : nullptr, pictures);
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file)) {
        AddPictures(asf->tag(), pictures);
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag())) {
        // Vorbis, Opus and FLAC in Ogg keep theirs in the comment header.
        AddPictures(xiph->pictureList(), pictures);
    }
    return pictures;
}

} // namespace

bool VantorTagLibReadFacts(const char* path, TagLibFacts* facts) {
    const TagLib::FileRef file(path, true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.file()->isValid())
        return false;
    facts->Valid = true;
    for (const auto& [key, values] : file.file()->properties()) {
        if (!values.isEmpty())
            facts->Fields.emplace_back(key.to8Bit(true), values.front().to8Bit(true));
    }
    if (const auto* mp4 = dynamic_cast<const TagLib::MP4::File*>(file.file());
        mp4 != nullptr && mp4->tag() != nullptr) {
        for (const auto& [key, item] : mp4->tag()->itemMap()) {
            const TagLib::StringList values = item.toStringList();
            if (!values.isEmpty())
                facts->Mp4Items.emplace_back(key.to8Bit(true), values.front().to8Bit(true));
        }
    }
    if (const TagLib::AudioProperties* audio = file.audioProperties()) {
        vantor::TaggedStream& stream = facts->Stream;
        ReadCodec(*audio, stream);
        stream.SampleRate = audio->sampleRate();
        stream.Channels = audio->channels();
        stream.BitrateKbps = audio->bitrate();
        stream.LengthMs = audio->lengthInMilliseconds();
    }
    return true;
}

bool VantorTagLibReadPictures(const char* path, std::vector<TagLibPicture>* pictures) {
    const TagLib::FileRef file(path, false);
    if (file.isNull() || !file.file()->isValid())
        return false;
    *pictures = PicturesOf(*file.file());
    return true;
}
