#include "engine/SoundEngine.h"

#include "engine/dsp/FftUnit.h"
#include "engine/mix/DecodeWorker.h"
#include "engine/mix/Mixer.h"
#include "engine/output/SdlAudio.h"
#include "engine/output/SdlOutput.h"
#include "engine/output/ThreadOutput.h"

#include <algorithm>
#include <cmath>

namespace vantor::engine {

namespace {
// Frames per mixed block: the DSP units' block, about 23 ms at 44.1 kHz.
constexpr std::size_t kBlockFrames = 1024;
constexpr float kLibraryVersion = 1.0f;
constexpr std::int32_t kFftPriority = 900;
// About +24 dB: more than any tagged gain and pre-amp together ask for.
constexpr float kMaxChannelGain = 16.0f;
} // namespace

SoundEngine::SoundEngine(EngineOptions options) : m_options(std::move(options)) {}

SoundEngine::~SoundEngine() {
    FSOUND_Close();
    if (m_sdlReady) {
        QuitSdlAudio();
    }
}

bool SoundEngine::Fail(std::int32_t error) {
    m_error = error;
    return false;
}

bool SoundEngine::RequireInit() {
    return m_mixer != nullptr || Fail(kSoundErrorUninitialized);
}

bool SoundEngine::FSOUND_SetOutput(std::int32_t outputType) {
    if (m_mixer) {
        return Fail(kSoundErrorBusy);
    }
    m_outputType = outputType;
    return true;
}

bool SoundEngine::FSOUND_SetDriver(std::int32_t driver) {
    if (m_mixer) {
        return Fail(kSoundErrorBusy);
    }
    m_driver = driver;
    return true;
}

bool SoundEngine::FSOUND_SetMixer(std::int32_t mixer) {
    if (m_mixer) {
        return Fail(kSoundErrorBusy);
    }
    m_mixerType = mixer;
    return true;
}

bool SoundEngine::FSOUND_Stream_SetBufferSize(std::int32_t milliseconds) {
    if (milliseconds <= 0 || milliseconds > 10000) {
        return Fail(kSoundErrorInvalidParam);
    }
    m_bufferMs = milliseconds;
    return true;
}

std::vector<std::string> SoundEngine::DriverNames() {
    switch (m_options.output) {
    case OutputKind::Device:
        if (!m_sdlReady || m_sdlOutputType != m_outputType) {
            m_sdlReady = !InitSdlAudio(m_outputType).empty();
            m_sdlOutputType = m_outputType;
        }
        return m_sdlReady ? SdlDeviceNames() : std::vector<std::string>{};
    case OutputKind::WavFile:
        return {"WAV file " + m_options.wavPath};
    default:
        return {"No sound"};
    }
}

std::unique_ptr<AudioOutput> SoundEngine::MakeOutput() {
    using Pace = ThreadOutput::Pace;
    switch (m_options.output) {
    case OutputKind::Device: {
        std::vector<std::string> names = DriverNames();
        if (names.empty()) {
            return nullptr;
        }
        bool named = m_driver > 0 && static_cast<std::size_t>(m_driver) < names.size();
        return std::make_unique<SdlOutput>(named ? names[static_cast<std::size_t>(m_driver)] : "");
    }
    case OutputKind::Null:
        return std::make_unique<ThreadOutput>(Pace::RealTime, "", m_options.onRenderThreadStart);
    case OutputKind::NullFast:
        return std::make_unique<ThreadOutput>(Pace::AsFastAsPossible, "",
                                              m_options.onRenderThreadStart);
    case OutputKind::WavFile:
        return std::make_unique<ThreadOutput>(Pace::AsFastAsPossible, m_options.wavPath,
                                              m_options.onRenderThreadStart);
    case OutputKind::Pull:
        break;
    }
    return nullptr;
}

bool SoundEngine::FSOUND_Init(std::int32_t mixRate, std::int32_t maxSoftwareChannels,
                              std::uint32_t) {
    if (m_mixer) {
        return Fail(kSoundErrorBusy);
    }
    if (mixRate < 4000 || mixRate > 192000 || maxSoftwareChannels < 0) {
        return Fail(kSoundErrorInvalidParam);
    }
    // Decoding happens inside the rendering thread wherever no real-time
    // deadline exists, so offline renders never run dry.
    bool offline = m_options.output == OutputKind::NullFast ||
                   m_options.output == OutputKind::WavFile || m_options.output == OutputKind::Pull;
    m_mixer = std::make_unique<Mixer>(mixRate, kBlockFrames, offline);
    m_fft = std::make_unique<FftUnit>();
    m_fftUnit = m_mixer->Dsp().Create(&FftUnit::Process, kFftPriority, m_fft.get());
    if (!offline) {
        m_worker = std::make_unique<DecodeWorker>();
    }
    if (m_options.output != OutputKind::Pull) {
        m_output = MakeOutput();
        if (!m_output || !m_output->Start(*m_mixer)) {
            m_output.reset();
            m_worker.reset();
            m_fft.reset();
            m_mixer.reset();
            m_fftUnit = 0;
            return Fail(kSoundErrorInit);
        }
    }
    return true;
}

void SoundEngine::FSOUND_Close() {
    if (m_output) {
        m_output->Stop();
        m_output.reset();
    }
    while (!m_streams.empty()) {
        FSOUND_Stream_Close(m_streams.begin()->first);
    }
    while (!m_songs.empty()) {
        FMUSIC_FreeSong(m_songs.begin()->first);
    }
    m_worker.reset();
    m_fft.reset();
    m_fftUnit = 0;
    m_mixer.reset();
}

float SoundEngine::FSOUND_GetVersion() {
    return kLibraryVersion;
}

std::int32_t SoundEngine::FSOUND_GetNumDrivers() {
    return static_cast<std::int32_t>(DriverNames().size());
}

std::string SoundEngine::FSOUND_GetDriverName(std::int32_t driver) {
    std::vector<std::string> names = DriverNames();
    if (driver < 0 || static_cast<std::size_t>(driver) >= names.size()) {
        Fail(kSoundErrorInvalidParam);
        return {};
    }
    return names[static_cast<std::size_t>(driver)];
}

std::int32_t SoundEngine::FSOUND_GetMixer() {
    return m_mixer ? kMixerFloat : m_mixerType;
}

std::int32_t SoundEngine::FSOUND_GetOutputRate() {
    return m_mixer ? m_mixer->Rate() : 0;
}

std::int32_t SoundEngine::FSOUND_GetChannelsPlaying() {
    return m_mixer ? m_mixer->ChannelsPlaying() : 0;
}

void SoundEngine::Render(float* out, std::size_t frames) {
    if (m_mixer && m_options.output == OutputKind::Pull) {
        m_mixer->Render(out, frames);
    } else {
        std::fill(out, out + 2 * frames, 0.0f);
    }
}

std::uint64_t SoundEngine::Underruns() const {
    return m_mixer ? m_mixer->Underruns() : 0;
}

ChannelState* SoundEngine::FindChannel(std::int32_t channel) {
    ChannelState* state = m_mixer ? m_mixer->Channel(channel) : nullptr;
    if (state == nullptr || state->voice.load() == nullptr) {
        Fail(kSoundErrorInvalidParam);
        return nullptr;
    }
    return state;
}

bool SoundEngine::FSOUND_SetVolume(std::int32_t channel, std::int32_t volume) {
    ChannelState* state = FindChannel(channel);
    if (state != nullptr) {
        state->volume.store(std::clamp(volume, 0, 255));
    }
    return state != nullptr;
}

bool SoundEngine::SetChannelGain(std::int32_t channel, float gain) {
    ChannelState* state = FindChannel(channel);
    if (state != nullptr) {
        // A damaged value must not blow up the mix.
        state->gain.store(std::isfinite(gain) ? std::clamp(gain, 0.0f, kMaxChannelGain) : 1.0f);
    }
    return state != nullptr;
}

bool SoundEngine::FSOUND_SetPan(std::int32_t channel, std::int32_t pan) {
    if (channel == FSOUND_SYSTEMCHANNEL) {
        if (!RequireInit()) {
            return false;
        }
        m_mixer->SetSystemPan(std::clamp(pan, 0, 255));
        return true;
    }
    ChannelState* state = FindChannel(channel);
    if (state != nullptr) {
        state->pan.store(std::clamp(pan, 0, 255));
    }
    return state != nullptr;
}

bool SoundEngine::FSOUND_SetPaused(std::int32_t channel, bool paused) {
    ChannelState* state = FindChannel(channel);
    if (state != nullptr) {
        state->paused.store(paused);
    }
    if (state != nullptr && !paused) {
        WakeForPlayback();
    }
    return state != nullptr;
}

bool SoundEngine::FSOUND_GetPaused(std::int32_t channel) {
    ChannelState* state = FindChannel(channel);
    return state != nullptr && state->paused.load();
}

bool SoundEngine::FSOUND_SetFrequency(std::int32_t channel, std::int32_t frequency) {
    if (frequency <= 0 || frequency > 1000000) {
        return Fail(kSoundErrorInvalidParam);
    }
    if (channel == FSOUND_SYSTEMCHANNEL) {
        if (!RequireInit()) {
            return false;
        }
        m_mixer->SetSystemFrequency(frequency);
        WakeDecoder();
        return true;
    }
    ChannelState* state = FindChannel(channel);
    if (state != nullptr) {
        m_mixer->SetChannelFrequency(*state, frequency);
        WakeDecoder();
    }
    return state != nullptr;
}

std::int32_t SoundEngine::FSOUND_GetFrequency(std::int32_t channel) {
    if (channel == FSOUND_SYSTEMCHANNEL) {
        return RequireInit() ? m_mixer->SystemFrequency() : 0;
    }
    ChannelState* state = FindChannel(channel);
    return state != nullptr ? state->frequency.load() : 0;
}

bool SoundEngine::FSOUND_IsPlaying(std::int32_t channel) {
    ChannelState* state = m_mixer ? m_mixer->Channel(channel) : nullptr;
    Voice* voice = state != nullptr ? state->voice.load() : nullptr;
    return voice != nullptr && !voice->Finished();
}

DspUnitHandle SoundEngine::FSOUND_DSP_Create(DspCallback callback, std::int32_t priority,
                                             void* userValue) {
    if (!RequireInit()) {
        return 0;
    }
    DspUnitHandle unit = m_mixer->Dsp().Create(callback, priority, userValue);
    if (unit == 0) {
        Fail(callback == nullptr ? kSoundErrorInvalidParam : kSoundErrorMemory);
    }
    return unit;
}

void SoundEngine::FSOUND_DSP_Free(DspUnitHandle unit) {
    if (m_mixer && unit != m_fftUnit) {
        m_mixer->Dsp().Free(unit);
        m_mixer->WaitForBlockEnd();
    }
}

void SoundEngine::FSOUND_DSP_SetActive(DspUnitHandle unit, bool active) {
    if (m_mixer && !m_mixer->Dsp().SetActive(unit, active)) {
        Fail(kSoundErrorInvalidParam);
    }
}

bool SoundEngine::FSOUND_DSP_GetActive(DspUnitHandle unit) {
    return m_mixer && m_mixer->Dsp().Active(unit);
}

Spectrum SoundEngine::FSOUND_DSP_GetSpectrum() {
    if (!m_fft || !FSOUND_DSP_GetActive(m_fftUnit)) {
        return Spectrum{};
    }
    return m_fft->Compute();
}

std::int32_t SoundEngine::FSOUND_DSP_GetBufferLength() {
    return m_mixer ? static_cast<std::int32_t>(m_mixer->BlockFrames()) : 0;
}

std::int32_t SoundEngine::FSOUND_DSP_GetBufferLengthTotal() {
    if (!m_mixer) {
        return 0;
    }
    // The block being played, plus the blocks the output holds.
    std::size_t block = m_mixer->BlockFrames();
    std::size_t held = m_output ? m_output->BufferFrames() : 0;
    return static_cast<std::int32_t>(block * (1 + (held + block - 1) / block));
}

} // namespace vantor::engine
