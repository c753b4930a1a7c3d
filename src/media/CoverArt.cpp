#include "media/CoverArt.h"

#include "base/StringUtil.h"
#include "media/ApeTag.h"
#include "media/FileBytes.h"
#include "media/Id3Tags.h"
#include "media/TagLibLibrary.h"
#include "media/TrackDescription.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

namespace {

// Whether the bytes begin as a JPEG, PNG, GIF, BMP or WebP file does. Tags
// also hold links ("-->" pictures) and junk, which must not hide the
// picture beside the file.
bool StartsAsPicture(std::string_view bytes) {
    static constexpr std::array<std::string_view, 5> kSignatures{
        "\xff\xd8\xff", "\x89PNG\r\n\x1a\n", "GIF8", "BM", "RIFF"};
    for (const auto signature : kSignatures) {
        if (bytes.starts_with(signature))
            return signature != "RIFF" || (bytes.size() >= 12 && bytes.substr(8, 4) == "WEBP");
    }
    return false;
}

bool Usable(const TagLibPicture& picture) {
    return picture.Bytes.size() <= kCoverArtLimit && StartsAsPicture(picture.Bytes);
}

// An MP3 or MP2 file keeps its pictures in an ID3v2 tag at its start or an
// APE tag at its end. One whose ID3v2 tag names no picture frame and that
// has no APE tag has none, and TagLib need not be loaded to say so. The
// frames of an unsynchronised tag, or of one with an extended header, are
// not walked here, so such a tag is left to TagLib.
bool MayHoldEmbeddedPicture(const std::string& path) {
    const std::string extension = AsciiUpper(std::filesystem::path(path).extension().string());
    if (extension != ".MP3" && extension != ".MP2")
        return true;
    const FileBytes file(path);
    if (!file.IsOpen())
        return false;
    constexpr std::uint8_t kUnsynchronisation = 0x80;
    constexpr std::uint8_t kExtendedHeader = 0x40;
    const Id3v2Tag tag = ReadId3v2(file.Bytes());
    return tag.HoldsPicture || (tag.Header.Flags & (kUnsynchronisation | kExtendedHeader)) != 0 ||
           HoldsApeTag(file.Bytes());
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
    if (!MayHoldEmbeddedPicture(path))
        return {};
    const TagLibApi* taglib = TagLibLibrary();
    std::vector<TagLibPicture> pictures;
    if (taglib == nullptr || !taglib->VantorTagLibReadPictures(path.c_str(), &pictures))
        return {};
    const TagLibPicture* chosen = nullptr;
    for (const auto& picture : pictures) {
        if (!Usable(picture))
            continue;
        if (chosen == nullptr || (picture.Front && !chosen->Front))
            chosen = &picture;
    }
    if (chosen == nullptr)
        return {};
    return {chosen->Bytes, chosen->MimeType, {}};
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
