// Writes CD images (.cue + .bin) of audio tracks holding generated sine
// tones, so that tests can play "CDs" without a drive. Test-only.
#pragma once

#include "support/TempDir.h"

#include <string>
#include <vector>

namespace vantor::test {

struct CdImageTrack {
    int sectors = 75; // 1/75 s each
    double toneHz = 440.0;
    // CD-Text written as the sheet's TITLE and PERFORMER lines when set.
    std::string title{};
    std::string performer{};
};

// Writes `<name>.bin` and `<name>.cue` into the folder; returns the cue path.
std::string WriteCdImage(const TempDir& dir, const std::string& name,
                         const std::vector<CdImageTrack>& tracks);

} // namespace vantor::test
