// The CPU cost of playing a file through the sound library (decode, mix and
// a spectrum per block) in CPU seconds as a share of the sound's duration
// (an MP3 at 44.1 kHz, and one at 48 kHz that the mixer converts),
// beside the ffmpeg command line decoding the same MP3 and Ogg files (its
// CPU time includes starting the process). Run by hand:
//   build/bench/engine/EngineBench
#include "engine/SoundEngine.h"
#include "support/AudioEncoder.h"
#include "support/MidiWriter.h"
#include "support/ModWriter.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using vantor::engine::EngineOptions;
using vantor::engine::OutputKind;
using vantor::engine::SoundEngine;

constexpr double kSeconds = 30.0;
constexpr std::size_t kBlock = 1024;

struct Media {
    vantor::test::TempDir dir;
    std::string mp3;
    std::string mp3At48k;
    std::string ogg;
    std::string mod;
    std::string midi;
};

Media& Files() {
    static Media* media = [] {
        auto* m = new Media;
        vantor::test::ToneSpec spec;
        spec.seconds = kSeconds;
        spec.encoder = "libmp3lame";
        spec.container = "mp3";
        m->mp3 = m->dir.File("tone.mp3");
        vantor::test::EncodeTone(m->mp3, spec);
        spec.sampleRate = 48000;
        m->mp3At48k = m->dir.File("tone-48k.mp3");
        vantor::test::EncodeTone(m->mp3At48k, spec);
        spec.sampleRate = 44100;
        spec.encoder = "libvorbis";
        spec.container = "ogg";
        m->ogg = m->dir.File("tone.ogg");
        vantor::test::EncodeTone(m->ogg, spec);
        // 12 orders of 2.56 s.
        m->mod = m->dir.Write("tone.mod",
                              vantor::test::WriteMod(vantor::test::ToneModSpec("bench", 12)));
        vantor::test::MidiSpec midi;
        for (std::uint32_t beat = 0; beat < 60; ++beat) {
            midi.notes.push_back(
                {beat * 480, 400, static_cast<std::uint8_t>(60 + beat % 12), 100, 0});
            midi.notes.push_back(
                {beat * 480, 400, static_cast<std::uint8_t>(64 + beat % 12), 90, 0});
        }
        m->midi = m->dir.Write("tune.mid", vantor::test::WriteMidi(midi));
        return m;
    }();
    return *media;
}

// Plays the whole file into the pull output and fetches the spectrum once a
// block, as the analyzer would; returns the seconds of sound played.
double PlayThrough(const std::string& path, bool song) {
    SoundEngine engine(EngineOptions{OutputKind::Pull, "", nullptr});
    engine.FSOUND_Init(44100, 128, 0);
    engine.FSOUND_DSP_SetActive(engine.FSOUND_DSP_GetFFTUnit(), true);
    std::function<bool()> playing;
    if (song) {
        vantor::SongHandle handle = engine.FMUSIC_LoadSong(path);
        engine.FMUSIC_PlaySong(handle);
        playing = [&engine, handle] { return !engine.FMUSIC_IsFinished(handle); };
    } else {
        vantor::StreamHandle stream =
            engine.FSOUND_Stream_Open(path, vantor::kStreamModeFile, 0, 0);
        std::int32_t channel = engine.FSOUND_Stream_PlayEx(vantor::FSOUND_FREE, stream, 0, false);
        playing = [&engine, channel] { return engine.FSOUND_IsPlaying(channel); };
    }
    std::vector<float> block(2 * kBlock);
    std::size_t frames = 0;
    while (playing() && frames < 600 * 44100) {
        engine.Render(block.data(), kBlock);
        benchmark::DoNotOptimize(engine.FSOUND_DSP_GetSpectrum());
        frames += kBlock;
    }
    return static_cast<double>(frames) / 44100.0;
}

// CPU seconds of this process (the pull output renders on the calling
// thread, so this is the whole cost) and of finished child processes.
double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void ReportShare(benchmark::State& state, double busySeconds, double soundSeconds) {
    state.counters["sound_s"] = soundSeconds;
    state.counters["core_percent"] = 100.0 * busySeconds / soundSeconds;
}

void Play(benchmark::State& state, const std::string& path, bool song) {
    double busy = 0.0;
    double sound = 0.0;
    for (auto _ : state) {
        double start = ProcessCpuSeconds();
        sound = PlayThrough(path, song);
        busy = ProcessCpuSeconds() - start;
        state.SetIterationTime(busy);
    }
    ReportShare(state, busy, sound);
}

void FfmpegDecode(benchmark::State& state, const std::string& path) {
    std::string command = "ffmpeg -nostdin -v quiet -threads 1 -i '" + path + "' -f null - ";
    double busy = 0.0;
    for (auto _ : state) {
        double start = ChildCpuSeconds();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ffmpeg failed");
            return;
        }
        busy = ChildCpuSeconds() - start;
        state.SetIterationTime(busy);
    }
    ReportShare(state, busy, kSeconds);
}

void BM_PlayMp3(benchmark::State& state) {
    Play(state, Files().mp3, false);
}
void BM_PlayMp3At48kHz(benchmark::State& state) {
    Play(state, Files().mp3At48k, false);
}
void BM_PlayOgg(benchmark::State& state) {
    Play(state, Files().ogg, false);
}
void BM_PlayTrackerModule(benchmark::State& state) {
    Play(state, Files().mod, true);
}
void BM_PlayMidi(benchmark::State& state) {
    Play(state, Files().midi, true);
}
void BM_FfmpegCliMp3(benchmark::State& state) {
    FfmpegDecode(state, Files().mp3);
}
void BM_FfmpegCliOgg(benchmark::State& state) {
    FfmpegDecode(state, Files().ogg);
}

BENCHMARK(BM_PlayMp3)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayMp3At48kHz)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FfmpegCliMp3)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayOgg)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FfmpegCliOgg)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayTrackerModule)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayMidi)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
