// Watches the mixing thread of a playing engine: while streams (one converted
// from another rate), a song, every effect, the equaliser, the pitch shifter,
// the spectrum and a capture unit run and the UI thread changes volume, pause,
// position, rate (a channel's frequency dragged on between callbacks) and the
// equaliser's levels, the thread that renders
// must not allocate, free or lock a mutex. The allocator and the mutex lock
// are interposed for this program only; they count calls made on the thread
// that the output's start hook marked.
#include "EngineHarness.h"
#include "engine/EffectRack.h"
#include "engine/Equalizer.h"
#include "engine/PitchShifter.h"
#include "support/ModWriter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <pthread.h>
#include <thread>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);
int LibcMutexLock(pthread_mutex_t* mutex);
__asm__(".symver LibcMutexLock,__pthread_mutex_lock@GLIBC_2.2.5");
}

namespace {
thread_local bool t_watched = false;
std::atomic<int> g_allocatorCalls{0};
std::atomic<int> g_mutexLocks{0};

void CountAllocatorCall() {
    if (t_watched) {
        g_allocatorCalls.fetch_add(1, std::memory_order_relaxed);
    }
}
} // namespace

extern "C" {
void* malloc(std::size_t size) {
    CountAllocatorCall();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    CountAllocatorCall();
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) {
    CountAllocatorCall();
    return __libc_realloc(pointer, size);
}
void free(void* pointer) {
    if (pointer != nullptr) {
        CountAllocatorCall();
    }
    __libc_free(pointer);
}
int pthread_mutex_lock(pthread_mutex_t* mutex) {
    if (t_watched) {
        g_mutexLocks.fetch_add(1, std::memory_order_relaxed);
    }
    return LibcMutexLock(mutex);
}
}

namespace vantor::engine::test {
namespace {

struct CaptureBuffer {
    float block[2048];
    std::atomic<int> index{0};
};

float* Capture(float*, float* block, std::int32_t length, void* user) {
    auto* capture = static_cast<CaptureBuffer*>(user);
    for (std::int32_t i = 0; i < 2 * length && i < 2048; ++i) {
        capture->block[i] = block[i];
    }
    capture->index.fetch_add(1, std::memory_order_release);
    return block;
}

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TEST(RealtimeCallback, TheMixingThreadNeverAllocatesOrLocks) {
    vantor::test::TempDir dir;
    std::string mp3 = WriteToneFile(dir, {"libmp3lame", "mp3", ".mp3"}, 440.0, 3.0);
    std::string ogg = WriteToneFile(dir, {"libvorbis", "ogg", ".ogg"}, 660.0, 3.0);
    const std::string wav = dir.File("48k.wav");
    ASSERT_TRUE(vantor::test::EncodeTone(
        wav, {.encoder = "pcm_s16le", .container = "wav", .sampleRate = 48000, .seconds = 3.0}));
    std::string mod =
        dir.Write("tone.mod", vantor::test::WriteMod(vantor::test::ToneModSpec("watch", 2)));
    std::atomic<bool> hooked{false};
    SoundEngine engine(EngineOptions{OutputKind::Null, "", [&] {
                                         t_watched = true;
                                         hooked = true;
                                     }});
    ASSERT_TRUE(engine.FSOUND_Init(44100, 128, 0));
    EffectRack effects(engine);
    PitchShifter pitch(engine);
    Equalizer equalizer(engine);
    effects.InitDSP();
    equalizer.Init(44100);
    pitch.InitTonalis(44100);
    CaptureBuffer capture;
    DspUnitHandle unit = engine.FSOUND_DSP_Create(&Capture, 303, &capture);
    engine.FSOUND_DSP_SetActive(unit, true);
    engine.FSOUND_DSP_SetActive(engine.FSOUND_DSP_GetFFTUnit(), true);

    StreamHandle first = engine.FSOUND_Stream_Open(mp3, kStreamModeFile, 0, 0);
    StreamHandle second = engine.FSOUND_Stream_Open(ogg, kStreamModeFile, 0, 0);
    StreamHandle third = engine.FSOUND_Stream_Open(wav, kStreamModeFile, 0, 0);
    SongHandle song = engine.FMUSIC_LoadSong(mod);
    ASSERT_TRUE(first != 0 && second != 0 && third != 0 && song != 0);
    std::int32_t a = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, first, 0, false);
    std::int32_t b = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, second, 0, false);
    std::int32_t c = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, third, 0, false);
    ASSERT_TRUE(engine.FMUSIC_PlaySong(song));
    effects.StartEcho(200);
    effects.StartIIR(2000.0f, 2.0f);
    effects.StartReverb();
    effects.StartPreverb();
    effects.StartNoise();
    pitch.TonalisStart(1.0f, 1.0f, 1.5f);
    EqualizerLevels levels;
    levels.bands.fill(12.0f);
    equalizer.Apply(true, levels);
    Sleep(300);
    engine.FSOUND_SetVolume(a, 100);
    engine.FSOUND_SetPan(b, 30);
    engine.FSOUND_SetFrequency(FSOUND_SYSTEMCHANNEL, 52000);
    engine.FSOUND_SetPaused(b, true);
    engine.FSOUND_Stream_SetPosition(first, engine.FSOUND_Stream_GetLength(first) / 2);
    engine.FMUSIC_SetOrder(song, 1);
    Sleep(200);
    engine.FSOUND_SetPaused(b, false);
    pitch.TonalisStart(1.0f, 1.0f, 0.7f);
    for (int i = 0; i < 10; ++i) {
        levels.bands[static_cast<std::size_t>(i)] = -12.0f;
        levels.preamp = static_cast<float>(i);
        equalizer.Apply(true, levels);
        Sleep(10);
    }
    effects.StopReverb();
    effects.StopNoise();
    pitch.ClearDspBuffer();
    for (int i = 0; i < 20; ++i) {
        engine.FSOUND_DSP_GetSpectrum();
        Sleep(10);
    }
    // A pitch bar dragged: a new frequency before every callback.
    for (int i = 0; i < 60; ++i) {
        engine.FSOUND_SetFrequency(c, 30000 + 700 * i);
        engine.FSOUND_SetFrequency(a, 60000 - 500 * i);
        Sleep(3);
    }
    engine.FSOUND_Stream_SetPosition(third, engine.FSOUND_Stream_GetLength(third) / 3);
    effects.StopEcho();
    pitch.TonalisStop();
    equalizer.Apply(false, levels);
    Sleep(200);
    EXPECT_TRUE(hooked.load());
    EXPECT_GT(capture.index.load(), 20);
    EXPECT_EQ(g_allocatorCalls.load(), 0);
    EXPECT_EQ(g_mutexLocks.load(), 0);
    engine.FSOUND_Close();
}

} // namespace
} // namespace vantor::engine::test
