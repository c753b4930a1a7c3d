// vantor-tool cd drives | cd tracks DRIVE|IMAGE: the CD window's drive list,
// and the track rows of one drive ("E:") or CD image, as the window shows
// them: the caption, the time and the CD-Text title if any, one row a line.
#include "Commands.h"

#include "cd/CdListing.h"
#include "engine/SoundEngine.h"
#include "engine/cd/CdDevice.h"
#include "engine/cd/CdDriveLetters.h"
#include "playlist/HeadlessPlaylist.h"

#include <filesystem>
#include <ostream>

namespace vantor::tool {

namespace {

constexpr std::string_view kUsage = "usage: vantor-tool cd drives | cd tracks DRIVE|IMAGE\n";

// A drive letter as the window's drive line begins, an image as its
// absolute path.
std::string DriveLine(const std::string& given) {
    if (engine::IsDriveLetter(given))
        return std::string(1, given[0]) + ":";
    std::error_code error;
    const auto absolute = std::filesystem::absolute(given, error);
    return error ? given : absolute.lexically_normal().string();
}

} // namespace

int RunCd(Args args, std::ostream& out, std::ostream& err) {
    // Nothing is played: the engine only opens the drives and images.
    engine::SoundEngine sound(engine::EngineOptions{engine::OutputKind::Pull, {}, nullptr});
    if (!sound.FSOUND_Init(engine::kCdSampleRate, 32, 0)) {
        err << "vantor-tool: the sound engine did not start\n";
        return 1;
    }
    if (args.size() == 1 && args[0] == "drives") {
        const engine::CdDriveLetters drives;
        StreamMessages messages(err);
        for (const std::string& line : ListCdDrives(sound, drives, messages))
            out << line << "\n";
        return 0;
    }
    if (args.size() == 2 && args[0] == "tracks") {
        for (const CdTrackRow& row : ListCdTracks(sound, DriveLine(args[1])))
            out << row.caption << "\t" << row.lengthText << (row.title.empty() ? "" : "\t")
                << row.title << "\n";
        return 0;
    }
    err << kUsage;
    return 2;
}

} // namespace vantor::tool
