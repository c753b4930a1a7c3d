// A file format the tests encode a tone into through FFmpeg: the file's
// name, the encoder, the muxer and the rate it encodes at. Printed by its
// file name in the names of parameterised cases.
#pragma once

#include <ostream>
#include <string>

namespace vantor::test {

struct Format {
    std::string file;
    std::string encoder;
    std::string container;
    int sampleRate = 44100;
};

inline std::ostream& operator<<(std::ostream& out, const Format& format) {
    return out << format.file;
}

} // namespace vantor::test
