// The texts of the About window: the program's name and version, the
// versions of the sound engine, the two effect libraries and Pixwell, and
// the staff list that scrolls below them. Pure functions; any thread.
#pragma once

#include "sound/LibraryCredit.h"

#include <optional>
#include <string>
#include <vector>

namespace vantor {

inline constexpr const char* kProgramName = "Vantor";
inline constexpr const char* kProgramVersion = "Ver0.92n";

struct LibraryVersions {
    float soundEngine = 0.0f;
    float echora = 0.0f;
    float tonalis = 0.0f;
    // Empty when Pixwell cannot be loaded.
    std::optional<float> pixwell;
};

// One line per library, "<name>  :  Ver 1.00", the names padded to one width.
std::vector<std::string> LibraryVersionLines(const LibraryVersions& versions);

// The project's credits, then each library with its version and licence.
std::vector<std::string> StaffList(const std::vector<LibraryCredit>& libraries);

} // namespace vantor
