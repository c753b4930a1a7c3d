// Plays an MP3 through the sound device output for a while with the analyzer
// on (the UI thread's ~33 spectrum frames a second), then stops it and stays
// idle for a while, so that each engine thread's cost can be counted with
// callgrind: run it twice with different durations and divide the difference
// of each thread's instructions by the difference of seconds. Without a sound
// card, SDL's dummy driver paces the device thread like a real one:
//   SDL_AUDIODRIVER=dummy valgrind --tool=callgrind --separate-threads=yes
//       build/bench/engine/EngineThreadCost PLAY_SECONDS IDLE_SECONDS [FILE]
// Without FILE it encodes a 192 kbit/s 440 Hz tone first. It also prints the
// wall time from the play call to the first sounding block, for the first
// play and for a play after the idle time.
#include "engine/SoundEngine.h"
#include "support/AudioEncoder.h"
#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using vantor::engine::EngineOptions;
using vantor::engine::OutputKind;
using vantor::engine::SoundEngine;

constexpr auto kFramePeriod = std::chrono::microseconds(30000);

std::atomic<Clock::rep> g_firstSound{0};

// A DSP unit that notes when the first block holding sound was mixed.
float* NoteFirstSound(float*, float* block, std::int32_t frames, void*) {
    if (g_firstSound.load(std::memory_order_relaxed) != 0) {
        return block;
    }
    for (std::int32_t i = 0; i < 2 * frames; ++i) {
        if (block[i] != 0.0f) {
            g_firstSound.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
            break;
        }
    }
    return block;
}

void PrintTimeToFirstSound(const char* what, Clock::time_point started) {
    const Clock::time_point firstSound{Clock::duration{g_firstSound.load()}};
    std::printf("%s to first sounding block: %.1f ms\n", what,
                std::chrono::duration<double, std::milli>(firstSound - started).count());
}

void ShowSpectrumFor(SoundEngine& engine, double seconds) {
    auto next = Clock::now();
    const auto end =
        next + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    float sum = 0.0f;
    while (next < end) {
        sum += engine.FSOUND_DSP_GetSpectrum()[10];
        next += kFramePeriod;
        std::this_thread::sleep_until(next);
    }
    std::printf("spectrum checksum %g\n", static_cast<double>(sum));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PLAY_SECONDS IDLE_SECONDS [FILE]\n", argv[0]);
        return 2;
    }
    const double playSeconds = std::atof(argv[1]);
    const double idleSeconds = std::atof(argv[2]);
    vantor::test::TempDir dir;
    std::string path = argc > 3 ? argv[3] : dir.File("tone.mp3");
    if (argc <= 3) {
        vantor::test::ToneSpec spec;
        spec.encoder = "libmp3lame";
        spec.container = "mp3";
        spec.bitrate = 192000;
        spec.seconds = playSeconds + 5.0;
        if (!vantor::test::EncodeTone(path, spec)) {
            std::fprintf(stderr, "cannot encode the tone\n");
            return 1;
        }
    }
    SoundEngine engine(EngineOptions{OutputKind::Device, "", nullptr});
    if (!engine.FSOUND_Init(44100, 32, 0)) {
        std::fprintf(stderr, "no output (try SDL_AUDIODRIVER=dummy)\n");
        return 1;
    }
    engine.FSOUND_DSP_SetActive(engine.FSOUND_DSP_GetFFTUnit(), true);
    engine.FSOUND_DSP_SetActive(engine.FSOUND_DSP_Create(&NoteFirstSound, 1000, nullptr), true);
    vantor::StreamHandle stream = engine.FSOUND_Stream_Open(path, vantor::kStreamModeFile, 0, 0);
    const auto started = Clock::now();
    if (engine.FSOUND_Stream_PlayEx(vantor::FSOUND_FREE, stream, 0, false) < 0) {
        std::fprintf(stderr, "cannot play %s\n", path.c_str());
        return 1;
    }
    ShowSpectrumFor(engine, playSeconds);
    PrintTimeToFirstSound("play", started);
    std::printf("played %d ms\n", engine.FSOUND_Stream_GetTime(stream));
    engine.FSOUND_Stream_Stop(stream);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    std::printf("underruns %llu\n", static_cast<unsigned long long>(engine.Underruns()));
    g_firstSound.store(0);
    const auto restarted = Clock::now();
    engine.FSOUND_Stream_PlayEx(vantor::FSOUND_FREE, stream, 0, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    PrintTimeToFirstSound("play after idling", restarted);
    return 0;
}
