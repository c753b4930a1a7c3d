// One third-party library the sound library is built on, as the About
// window credits it. Plain values; any thread.
#pragma once

#include <string>

namespace vantor {

struct LibraryCredit {
    std::string name;
    // The version the library reports, or the one the program was built
    // against where the library cannot tell; empty when neither is known.
    std::string version;
    std::string licence;
};

} // namespace vantor
