#include "support/CoverWriter.h"

#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/xiphcomment.h>

namespace vantor::test {

namespace {

TagLib::FLAC::Picture* FlacPicture(const TagLib::ByteVector& data, const std::string& mimeType,
                                   int pictureType) {
    auto* picture = new TagLib::FLAC::Picture;
    picture->setType(static_cast<TagLib::FLAC::Picture::Type>(pictureType));
    picture->setMimeType(mimeType);
    picture->setData(data);
    return picture;
}

// An APE binary item: a file name, a zero byte, then the picture.
TagLib::ByteVector ApeCoverValue(const TagLib::ByteVector& data) {
    TagLib::ByteVector value("cover.png");
    value.append('\0');
    value.append(data);
    return value;
}

TagLib::ByteVector BytesOf(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<unsigned>(bytes.size())};
}

} // namespace

bool EmbedPicture(const std::string& path, std::span<const std::uint8_t> bytes,
                  const std::string& mimeType, int pictureType) {
    const TagLib::ByteVector data = BytesOf(bytes);
    TagLib::FileRef file(path.c_str(), false);
    if (file.isNull())
        return false;
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file.file())) {
        flac->addPicture(FlacPicture(data, mimeType, pictureType));
    } else if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file.file())) {
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(pictureType));
        frame->setMimeType(mimeType);
        frame->setPicture(data);
        mpeg->ID3v2Tag(true)->addFrame(frame);
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file.file())) {
        TagLib::MP4::CoverArtList list;
        if (mp4->tag()->contains("covr"))
            list = mp4->tag()->item("covr").toCoverArtList();
        list.append(TagLib::MP4::CoverArt(mimeType == "image/png" ? TagLib::MP4::CoverArt::PNG
                                                                  : TagLib::MP4::CoverArt::JPEG,
                                          data));
        mp4->tag()->setItem("covr", list);
    } else if (auto* wavPack = dynamic_cast<TagLib::WavPack::File*>(file.file())) {
        wavPack->APETag(true)->setData(pictureType == kFrontCover ? "Cover Art (Front)"
                                                                  : "Cover Art (Back)",
                                       ApeCoverValue(data));
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file.file())) {
        TagLib::ASF::Picture picture;
        picture.setType(static_cast<TagLib::ASF::Picture::Type>(pictureType));
        picture.setMimeType(mimeType);
        picture.setPicture(data);
        asf->tag()->addAttribute("WM/Picture", TagLib::ASF::Attribute(picture));
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag())) {
        xiph->addPicture(FlacPicture(data, mimeType, pictureType));
    } else {
        return false;
    }
    return file.save();
}

bool EmbedApeFrontCover(const std::string& path, std::span<const std::uint8_t> bytes) {
    TagLib::MPEG::File file(path.c_str(), false);
    if (!file.isValid())
        return false;
    file.APETag(true)->setData("Cover Art (Front)", ApeCoverValue(BytesOf(bytes)));
    return file.save(TagLib::MPEG::File::APE, TagLib::File::StripNone);
}

} // namespace vantor::test
