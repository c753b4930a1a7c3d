#include "core/AboutText.h"

#include "base/VbNumber.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantor {

std::vector<std::string> LibraryVersionLines(const LibraryVersions& versions) {
    const auto version = [](float value) { return "Ver " + FormatHundredths(value); };
    const std::array<std::pair<std::string, std::string>, 4> rows{{
        {"Sound engine", version(versions.soundEngine)},
        {"Echora", version(versions.echora)},
        {"Tonalis", version(versions.tonalis)},
        {"Pixwell", versions.pixwell ? version(*versions.pixwell) : "not found"},
    }};
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    std::vector<std::string> lines;
    for (const auto& [name, value] : rows)
        lines.push_back(name + std::string(width - name.size(), ' ') + "  :  " + value);
    return lines;
}

std::vector<std::string> StaffList(const std::vector<LibraryCredit>& libraries) {
    std::vector<std::string> lines{
        std::string(kProgramName) + " " + kProgramVersion,
        "",
        "Program",
        "The Vantor developers",
        "",
        "Skins",
        "Default and Showcase, drawn by the skin generator",
        "",
        "Graphics library",
        "Pixwell",
        "",
        "Sound engine, Echora, Tonalis",
        "The Vantor developers",
        "",
        "Built on",
    };
    for (const LibraryCredit& library : libraries) {
        lines.push_back(library.version.empty() ? library.name
                                                : library.name + " " + library.version);
        lines.push_back("(" + library.licence + ")");
    }
    lines.insert(lines.end(), {"", "Thank you for listening."});
    return lines;
}

} // namespace vantor
