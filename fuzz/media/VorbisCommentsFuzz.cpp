// Reads arbitrary bytes as an Ogg Vorbis stream, with and without the page
// walk, and with the comment header put together from its pages.
#include "media/VorbisComments.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    vantor::ReadVorbisComments(bytes, vantor::VorbisReadMode::Comments);
    vantor::ReadVorbisComments(bytes, vantor::VorbisReadMode::WithDataLength);
    vantor::ReadWholeVorbisComments(bytes);
    return 0;
}
