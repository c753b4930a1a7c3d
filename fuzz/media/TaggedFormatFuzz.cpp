// Reads arbitrary bytes as each format TaggedFormat reads, through a
// file as the playlist does (TagLib picks its reader by the file's name).
#include "media/TaggedFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

namespace {

std::string ScratchFolder() {
    std::string pattern = "/tmp/vantor-tagged-XXXXXX";
    const char* made = mkdtemp(pattern.data());
    return made != nullptr ? std::string(made) : std::string("/tmp");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = ScratchFolder();
    static const std::pair<const char*, const char*> kFormats[] = {
        {"FLAC", "flac"}, {"OPUS", "opus"}, {"M4A", "m4a"},
        {"WV", "wv"},     {"OGA", "oga"},   {"AAC", "aac"}};
    for (const auto& [extension, suffix] : kFormats) {
        const std::string path = folder + "/input." + suffix;
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        vantor::ReadTaggedFormat(path, extension);
    }
    return 0;
}
