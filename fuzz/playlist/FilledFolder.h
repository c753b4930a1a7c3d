// A scratch folder holding small files of the given names, for the playlist
// targets whose fuzzed locations must be able to name real files so that the
// paths that append entries are reached too. Ends the run when it cannot.
#pragma once

#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string>

inline std::string FilledFolder(std::initializer_list<const char*> names) {
    std::string pattern = "/tmp/vantor-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    for (const char* name : names)
        std::ofstream(pattern + "/" + name) << "x";
    return pattern + "/";
}
