// The internal name of a tracker module, read by loading the module through
// the sound library. Returns a plain text; UI thread (the sound library's
// music loader is called on it).
#pragma once

#include "sound/SoundLibrary.h"

#include <string>

namespace vantor {

// Loads, names, stops and frees the module; trailing NULs are removed. An
// empty text when the library cannot load it.
std::string ModuleTitle(SoundLibrary& sound, const std::string& path);

} // namespace vantor
