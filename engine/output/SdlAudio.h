// SDL's audio drivers as the sound library's output types, and their device
// lists. The environment variable SDL_AUDIODRIVER, when set, overrides the
// mapping. UI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::engine {

// The SDL driver names tried for an output type, in order of preference:
// FSOUND_OUTPUT_WINMM -> ALSA, FSOUND_OUTPUT_DSOUND -> the desktop's sound
// server (PipeWire, PulseAudio), FSOUND_OUTPUT_ASIO -> JACK; any other value
// lets SDL choose.
std::vector<std::string> SdlDriverCandidates(std::int32_t outputType);

// (Re)initialises SDL audio for the output type. Returns the driver in use,
// or an empty string when none could start.
std::string InitSdlAudio(std::int32_t outputType);
void QuitSdlAudio();

// The playback devices of the initialised driver: index 0 is the driver's
// default device, followed by the devices SDL lists.
std::vector<std::string> SdlDeviceNames();

} // namespace vantor::engine
