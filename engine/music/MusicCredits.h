// The libraries behind tracker modules and MIDI songs, with the SoundFont
// MIDI songs play with. Any thread.
#pragma once

#include "sound/LibraryCredit.h"

#include <vector>

namespace vantor::engine {

// libopenmpt, FluidSynth and the SoundFont in use (when one is installed).
std::vector<LibraryCredit> MusicLibraryCredits();

// The licence of a General MIDI SoundFont by its file name; empty when the
// font is not one of the packaged ones.
std::string SoundFontLicence(const std::string& fileName);

} // namespace vantor::engine
