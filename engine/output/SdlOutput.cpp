#include "engine/output/SdlOutput.h"

#include <SDL2/SDL.h>

namespace vantor::engine {

SdlOutput::~SdlOutput() {
    Stop();
}

bool SdlOutput::Start(Mixer& mixer) {
    Stop();
    SDL_AudioSpec want{};
    want.freq = mixer.Rate();
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = static_cast<Uint16>(mixer.BlockFrames());
    want.callback = &SdlOutput::Callback;
    want.userdata = &mixer;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the device needs.
    m_deviceId =
        SDL_OpenAudioDevice(m_device.empty() ? nullptr : m_device.c_str(), 0, &want, &have, 0);
    if (m_deviceId == 0) {
        return false;
    }
    m_bufferFrames = have.samples;
    SDL_PauseAudioDevice(m_deviceId, 0);
    return true;
}

void SdlOutput::Stop() {
    if (m_deviceId != 0) {
        SDL_CloseAudioDevice(m_deviceId);
        m_deviceId = 0;
    }
}

void SdlOutput::Callback(void* mixer, std::uint8_t* stream, int bytes) {
    static_cast<Mixer*>(mixer)->Render(reinterpret_cast<float*>(stream),
                                       static_cast<std::size_t>(bytes) / (2 * sizeof(float)));
}

} // namespace vantor::engine
