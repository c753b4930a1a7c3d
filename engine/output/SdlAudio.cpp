#include "engine/output/SdlAudio.h"

#include "sound/SoundLibrary.h"

#include <SDL2/SDL.h>
#include <cstdlib>

namespace vantor::engine {

std::vector<std::string> SdlDriverCandidates(std::int32_t outputType) {
    switch (outputType) {
    case FSOUND_OUTPUT_WINMM:
        return {"alsa"};
    case FSOUND_OUTPUT_DSOUND:
        return {"pipewire", "pulseaudio"};
    case FSOUND_OUTPUT_ASIO:
        return {"jack"};
    default:
        return {""};
    }
}

std::string InitSdlAudio(std::int32_t outputType) {
    QuitSdlAudio();
    const char* forced = std::getenv("SDL_AUDIODRIVER");
    std::vector<std::string> candidates = forced != nullptr && *forced != '\0'
                                              ? std::vector<std::string>{""}
                                              : SdlDriverCandidates(outputType);
    for (const std::string& name : candidates) {
        if (SDL_AudioInit(name.empty() ? nullptr : name.c_str()) == 0) {
            const char* used = SDL_GetCurrentAudioDriver();
            return used != nullptr ? used : name;
        }
    }
    return {};
}

void QuitSdlAudio() {
    if (SDL_GetCurrentAudioDriver() != nullptr) {
        SDL_AudioQuit();
    }
}

std::vector<std::string> SdlDeviceNames() {
    std::vector<std::string> names{"Default device"};
    int count = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 0);
        names.emplace_back(name != nullptr ? name : "");
    }
    return names;
}

} // namespace vantor::engine
