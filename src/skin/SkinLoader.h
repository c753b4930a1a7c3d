// Reading skin definition files into the skin record (`LoadSkinFile`) and
// reading only a skin's name and About lines (`ReadSkinName`). The record and
// settings are the Player's; these functions change only what the file's
// statements name. UI thread.
#pragma once

#include "settings/Settings.h"
#include "skin/SkinFileReader.h"
#include "skin/SkinStatementApplier.h"

#include <array>
#include <string>

namespace vantor {

// Parses `path` into `skin`, on top of what it holds. A missing file shows
// the invalid-skin message and returns false. `reader` carries the current
// directory between calls.
bool LoadSkinFile(const std::string& path, SkinDefinition& skin, Settings& settings,
                  const SkinServices& services, SkinFileReader& reader);

struct SkinNameInfo {
    std::string skinName;
    std::array<std::string, 5> aboutLines;
    std::int32_t aboutCount = 0;
};

// The "SkinName" and "About" values of a skin file and the files it
// includes; nothing is loaded and nothing is reported.
SkinNameInfo ReadSkinName(const std::string& path);

} // namespace vantor
