#include "engine/music/MusicCredits.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "engine/music/GmSoundFont.h"

#include <fluidsynth.h>

#include <filesystem>

namespace vantor::engine {

std::string SoundFontLicence(const std::string& fileName) {
    const std::string name = AsciiLower(fileName);
    if (name.starts_with("timgm6mb"))
        return "GPL-2.0";
    if (name.starts_with("fluidr3"))
        return "MIT";
    if (name.starts_with("musescore_general") || name.starts_with("generaluser"))
        return "MIT";
    return {};
}

std::vector<LibraryCredit> MusicLibraryCredits() {
    std::vector<LibraryCredit> credits;
    // libopenmpt and FluidSynth are loaded with the first module or MIDI
    // song; the ones loaded then are those the program was built against.
    credits.push_back({"libopenmpt", VANTOR_OPENMPT_VERSION, "BSD-3-Clause"});
    credits.push_back({"FluidSynth", FLUIDSYNTH_VERSION, "LGPL-2.1-or-later"});
    const std::string installed = GmSoundFont::FindInstalled();
    if (!installed.empty()) {
        std::error_code error;
        const auto file = std::filesystem::canonical(installed, error);
        const std::string name = FileNameOf(error ? installed : file.string());
        const std::string licence = SoundFontLicence(name);
        credits.push_back({"SoundFont " + name, "",
                           licence.empty() ? "see the package that installed it" : licence});
    }
    return credits;
}

} // namespace vantor::engine
