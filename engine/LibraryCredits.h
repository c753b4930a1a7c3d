// Every third-party library the sound library and the two effect libraries
// are built on, for the About window. Any thread; asks no library that is
// not loaded yet to load.
#pragma once

#include "sound/LibraryCredit.h"

#include <vector>

namespace vantor::engine {

// FFmpeg, libmpg123, libvorbis, libopenmpt, FluidSynth and the SoundFont,
// SDL2, SoundTouch, libsamplerate, libsoxr, libcdio and zlib, in
// that order.
std::vector<LibraryCredit> EngineLibraryCredits();

} // namespace vantor::engine
