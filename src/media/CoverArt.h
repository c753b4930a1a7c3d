// The picture that goes with a track: the front cover embedded in its tags
// (FLAC and Ogg PICTURE blocks, ID3v2 APIC, MP4 covr, APE cover items, ASF
// WM/Picture attributes), read through TagLib, else a cover or folder picture
// beside the file. Bytes and their MIME type only: decoding them is the
// viewer's business. Returns plain values; any thread.
#pragma once

#include <cstddef>
#include <string>

namespace vantor {

struct SongTrack;

// Larger pictures are ignored: no cover is worth holding that much memory.
inline constexpr std::size_t kCoverArtLimit = std::size_t{16} << 20;

struct CoverArt {
    // Empty when the track has no usable picture.
    std::string Bytes{};
    // As the tag or the file name says; a viewer should trust the bytes.
    std::string MimeType{};
    // The picture file beside the track; empty for an embedded picture.
    std::string FilePath{};

    bool IsEmpty() const { return Bytes.empty(); }
};

// The embedded front cover (another picture when no front one is tagged);
// bytes that do not begin as a picture file are passed over.
CoverArt ReadEmbeddedCover(const std::string& path);
// "cover" before "folder", each as .jpg, .jpeg or .png in any letter case,
// in the folder of `trackPath`.
CoverArt ReadFolderCover(const std::string& trackPath);
// The track's picture: embedded, else beside it. CD tracks and members of
// ZIP archives have none.
CoverArt FindCoverArt(const SongTrack& track);

} // namespace vantor
