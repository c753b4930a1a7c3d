#include "media/CoverArt.h"

#include "base/StringUtil.h"
#include "media/TrackDescription.h"

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/xiphcomment.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

namespace {

// One picture a tag holds, before the choice among them.
struct TaggedPicture {
    bool front = false;
    std::string mimeType;
    TagLib::ByteVector bytes;
};

using Pictures = std::vector<TaggedPicture>;

// Picture type 3 of the ID3v2 and FLAC lists is the front cover.
constexpr int kFrontCoverType = 3;

void AddPictures(const TagLib::List<TagLib::FLAC::Picture*>& list, Pictures& pictures) {
    for (const auto* picture : list)
        pictures.push_back({picture->type() == TagLib::FLAC::Picture::FrontCover,
                            picture->mimeType().to8Bit(), picture->data()});
}

void AddPictures(const TagLib::ID3v2::Tag* tag, Pictures& pictures) {
    if (tag == nullptr)
        return;
    for (const auto* frame : tag->frameList("APIC")) {
        if (const auto* apic = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame))
            pictures.push_back({static_cast<int>(apic->type()) == kFrontCoverType,
                                apic->mimeType().to8Bit(), apic->picture()});
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
        pictures.push_back({pictures.empty(), MimeTypeOf(art.format()), art.data()});
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
        pictures.push_back(
            {name == "COVER ART (FRONT)", {}, value.mid(static_cast<unsigned>(nameEnd) + 1)});
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
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag())) {
        // Vorbis, Opus and FLAC in Ogg keep theirs in the comment header.
        AddPictures(xiph->pictureList(), pictures);
    }
    return pictures;
}

bool Usable(const TaggedPicture& picture) {
    return !picture.bytes.isEmpty() && picture.bytes.size() <= kCoverArtLimit;
}

std::optional<std::uintmax_t> SizeOfRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return size;
}

// The rank of a picture file's name among those looked for; nullopt for others.
std::optional<std::size_t> FolderCoverRank(const std::string& fileName) {
    static constexpr std::array<std::string_view, 6> kNames{
        "cover.jpg", "cover.jpeg", "cover.png", "folder.jpg", "folder.jpeg", "folder.png"};
    const std::string lower = AsciiLower(fileName);
    for (std::size_t rank = 0; rank < kNames.size(); ++rank) {
        if (lower == kNames[rank])
            return rank;
    }
    return std::nullopt;
}

} // namespace

CoverArt ReadEmbeddedCover(const std::string& path) {
    const TagLib::FileRef file(path.c_str(), false);
    if (file.isNull() || !file.file()->isValid())
        return {};
    const Pictures pictures = PicturesOf(*file.file());
    const TaggedPicture* chosen = nullptr;
    for (const auto& picture : pictures) {
        if (!Usable(picture))
            continue;
        if (chosen == nullptr || (picture.front && !chosen->front))
            chosen = &picture;
    }
    if (chosen == nullptr)
        return {};
    return {std::string(chosen->bytes.data(), chosen->bytes.size()), chosen->mimeType, {}};
}

CoverArt ReadFolderCover(const std::string& trackPath) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(trackPath).parent_path();
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    std::optional<std::size_t> bestRank;
    fs::path best;
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const auto rank = FolderCoverRank(entries->path().filename().string());
        if (rank && (!bestRank || *rank < *bestRank)) {
            const auto size = SizeOfRegularFile(entries->path());
            if (size && *size > 0 && *size <= kCoverArtLimit) {
                bestRank = rank;
                best = entries->path();
            }
        }
    }
    if (!bestRank)
        return {};
    std::ifstream in(best, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty() || bytes.size() > kCoverArtLimit)
        return {};
    const bool png = AsciiLower(best.extension().string()) == ".png";
    return {std::move(bytes), png ? "image/png" : "image/jpeg", best.string()};
}

CoverArt FindCoverArt(const SongTrack& track) {
    if (track.IsCdTrack || !track.MemberName.empty() || track.Path.empty())
        return {};
    CoverArt embedded = ReadEmbeddedCover(track.Path);
    if (!embedded.IsEmpty())
        return embedded;
    return ReadFolderCover(track.Path);
}

} // namespace vantor
