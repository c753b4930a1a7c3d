#include "support/MappedLibraries.h"

#include <fstream>

namespace vantor::test {

bool LibraryMapped(const std::string& library) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (line.find(library) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace vantor::test
