// Embeds pictures in real audio files through TagLib, the way taggers do:
// FLAC PICTURE blocks, Ogg METADATA_BLOCK_PICTURE comments, ID3v2 APIC
// frames, MP4 "covr" items, APE "Cover Art" items and ASF "WM/Picture"
// attributes. Test fixtures only.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vantor::test {

// Picture types of the FLAC and ID3v2 lists.
inline constexpr int kFrontCover = 3;
inline constexpr int kBackCover = 4;

// Adds the picture to the file's pictures (MP4 and APE keep no type; a back
// cover goes to APE as "Cover Art (Back)"). False when TagLib cannot save.
bool EmbedPicture(const std::string& path, std::span<const std::uint8_t> bytes,
                  const std::string& mimeType, int pictureType = kFrontCover);

// Appends the picture to an MP3 file as the front cover of an APE tag, which
// some taggers write beside the ID3v2 tag. False when TagLib cannot save.
bool EmbedApeFrontCover(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace vantor::test
