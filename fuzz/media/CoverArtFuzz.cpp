// Reads arbitrary bytes as each format whose embedded pictures are looked
// for, through a file as the player does (TagLib picks its reader by the
// file's name), and checks that a picture found respects the size limit.
#include "media/CoverArt.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string ScratchFolder() {
    std::string pattern = "/tmp/vantor-cover-XXXXXX";
    const char* made = mkdtemp(pattern.data());
    return made != nullptr ? std::string(made) : std::string("/tmp");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = ScratchFolder();
    static const char* const kSuffixes[] = {"flac", "opus", "ogg", "oga", "m4a",
                                            "mp3",  "wv",   "wav", "aiff"};
    for (const char* suffix : kSuffixes) {
        const std::string path = folder + "/input." + suffix;
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (vantor::ReadEmbeddedCover(path).Bytes.size() > vantor::kCoverArtLimit)
            std::abort();
    }
    return 0;
}
