#include "engine/LibraryCredits.h"

#include "engine/cd/CdioCredit.h"
#include "engine/music/MusicCredits.h"

#include <SDL2/SDL.h>
#include <samplerate.h>
#include <soundtouch/SoundTouch.h>
#include <vorbis/codec.h>
#include <zlib.h>

#include <string>

extern "C" {
#include <libavutil/ffversion.h>
}

namespace vantor::engine {
namespace {

// FFmpeg is loaded with the first stream that needs it, by the sonames of
// the headers the program was built with.
LibraryCredit FfmpegCredit() {
    return {"FFmpeg", FFMPEG_VERSION, "LGPL-2.1-or-later"};
}

// "Xiph.Org libVorbis 1.3.7" says more than the version.
std::string VorbisVersion() {
    const std::string text = vorbis_version_string();
    return text.substr(text.rfind(' ') + 1);
}

// "libsamplerate-0.2.2 (c) ...": the number after the name.
std::string VersionAfterName(const std::string& text) {
    const std::size_t start = text.find('-') + 1;
    return text.substr(start, text.find(' ', start) - start);
}

LibraryCredit SdlCredit() {
    SDL_version version;
    SDL_GetVersion(&version);
    return {"SDL2",
            std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                std::to_string(version.patch),
            "Zlib"};
}

} // namespace

std::vector<LibraryCredit> EngineLibraryCredits() {
    std::vector<LibraryCredit> credits;
    credits.push_back(FfmpegCredit());
    // libmpg123 does not report its version; this is the one the program
    // was built with.
    credits.push_back({"libmpg123", VANTOR_MPG123_VERSION, "LGPL-2.1"});
    credits.push_back({"libvorbis", VorbisVersion(), "BSD-3-Clause"});
    for (LibraryCredit& music : MusicLibraryCredits())
        credits.push_back(std::move(music));
    credits.push_back(SdlCredit());
    credits.push_back({"SoundTouch", soundtouch::SoundTouch::getVersionString(), "LGPL-2.1"});
    credits.push_back({"libsamplerate", VersionAfterName(src_get_version()), "BSD-2-Clause"});
    // Loaded with the first stream that needs it: the version built against.
    credits.push_back({"libsoxr", VANTOR_SOXR_VERSION, "LGPL-2.1-or-later"});
    credits.push_back(CdioCredit());
    credits.push_back({"zlib", zlibVersion(), "Zlib"});
    return credits;
}

} // namespace vantor::engine
