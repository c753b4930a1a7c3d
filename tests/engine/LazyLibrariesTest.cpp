// The decoders' libraries are heavy to load; the engine binds them when the
// first stream that needs FFmpeg or libsoxr, the first MIDI song or tracker
// module, or the first CD drive or image opens, not when it starts, and MPEG
// audio, Ogg Vorbis and plain PCM never need FFmpeg. This binary links none
// of them itself, so whatever maps them is the engine. ctest runs each test
// in a process of its own; run together, they hold in the order written.
#include "engine/LibraryCredits.h"
#include "engine/SoundEngine.h"
#include "support/CdImageWriter.h"
#include "support/FlacWriter.h"
#include "support/MappedLibraries.h"
#include "support/MidiWriter.h"
#include "support/ModWriter.h"
#include "support/MpegFrameWriter.h"
#include "support/RiffWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::engine {
namespace {

class LazyLibraries : public ::testing::Test {
protected:
    LazyLibraries() : engine(EngineOptions{OutputKind::Pull, "", nullptr}) {
        EXPECT_TRUE(engine.FSOUND_Init(44100, 32, 0));
    }
    test::TempDir dir;
    SoundEngine engine;
};

// Plays a stream to its end; true when it lasted at least `ms`.
bool PlaysFor(SoundEngine& engine, StreamHandle stream, std::int32_t ms) {
    const std::int32_t channel = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
    float block[2 * 1024];
    for (int i = 0; i < 100 && engine.FSOUND_IsPlaying(channel); ++i)
        engine.Render(block, 1024);
    return !engine.FSOUND_IsPlaying(channel) && engine.FSOUND_Stream_GetTime(stream) >= ms;
}

// One second of silence.
std::string SilentWave(const test::TempDir& dir, std::uint16_t channels,
                       std::uint32_t rate = 44100) {
    test::WaveSpec wave;
    wave.channels = channels;
    wave.sampleRate = rate;
    wave.data.assign(std::size_t{rate} * 2 * channels, 0);
    return dir.Write("silence-" + std::to_string(channels) + "-" + std::to_string(rate) + ".wav",
                     test::RiffWave(wave));
}

// The About window lists them without making the player carry them.
TEST_F(LazyLibraries, CreditsNameEveryLibraryWithoutLoadingAny) {
    const auto credits = EngineLibraryCredits();
    std::vector<std::string> names;
    for (const auto& credit : credits) {
        names.push_back(credit.name.substr(0, credit.name.find(' ')));
        EXPECT_FALSE(credit.licence.empty()) << credit.name;
        const bool numbered = credit.version.find_first_of("0123456789") != std::string::npos;
        EXPECT_TRUE(numbered || names.back() == "SoundFont")
            << credit.name << " '" << credit.version << "'";
    }
    EXPECT_EQ(names, (std::vector<std::string>{"FFmpeg", "libmpg123", "libvorbis", "libopenmpt",
                                               "FluidSynth", "SoundFont", "SDL2", "SoundTouch",
                                               "libsamplerate", "libsoxr", "libcdio", "zlib"}));
    EXPECT_FALSE(test::LibraryMapped("libavformat.so"));
    EXPECT_FALSE(test::LibraryMapped("libfluidsynth.so"));
    EXPECT_FALSE(test::LibraryMapped("libsoxr.so"));
    EXPECT_FALSE(test::LibraryMapped("libopenmpt.so"));
    EXPECT_FALSE(test::LibraryMapped("libcdio.so"));
}

TEST_F(LazyLibraries, MpegAudioAndPcmPlayWithoutFfmpeg) {
    // 39 frames of 1152 samples at 44.1 kHz: a little over a second.
    const StreamHandle mpeg = engine.FSOUND_Stream_Open(
        dir.Write("silence.mp3", test::MpegFrames(test::MpegFrameSpec{}, 39)), kStreamModeFile, 0,
        0);
    ASSERT_NE(mpeg, 0) << engine.FSOUND_GetError();
    EXPECT_NEAR(engine.FSOUND_Stream_GetLengthMs(mpeg), 39 * 1152 * 1000 / 44100, 30);
    EXPECT_TRUE(PlaysFor(engine, mpeg, 1000));

    const StreamHandle wave = engine.FSOUND_Stream_Open(SilentWave(dir, 2), kStreamModeFile, 0, 0);
    ASSERT_NE(wave, 0) << engine.FSOUND_GetError();
    EXPECT_EQ(engine.FSOUND_Stream_GetLengthMs(wave), 1000);
    EXPECT_TRUE(PlaysFor(engine, wave, 1000));
    EXPECT_FALSE(test::LibraryMapped("libavformat.so"));
}

TEST_F(LazyLibraries, FfmpegIsLoadedByTheFirstStreamThatNeedsIt) {
    EXPECT_FALSE(test::LibraryMapped("libavformat.so"));
    EXPECT_EQ(engine.FSOUND_Stream_Open(dir.File("missing.wav"), kStreamModeFile, 0, 0), 0);
    EXPECT_FALSE(test::LibraryMapped("libavformat.so"));
    // Surround PCM is mixed down by FFmpeg.
    const StreamHandle stream =
        engine.FSOUND_Stream_Open(SilentWave(dir, 6), kStreamModeFile, 0, 0);
    EXPECT_NE(stream, 0);
    EXPECT_TRUE(test::LibraryMapped("libavformat.so"));
    EXPECT_EQ(engine.FSOUND_Stream_GetLengthMs(stream), 1000);
}

TEST_F(LazyLibraries, FlacIsDecodedThroughFfmpeg) {
    const StreamHandle flac = engine.FSOUND_Stream_Open(dir.Write("tone.flac", test::FlacTone({})),
                                                        kStreamModeFile, 0, 0);
    ASSERT_NE(flac, 0) << engine.FSOUND_GetError();
    EXPECT_TRUE(test::LibraryMapped("libavformat.so"));
    EXPECT_EQ(engine.FSOUND_Stream_GetLengthMs(flac), 1000);
    EXPECT_TRUE(PlaysFor(engine, flac, 1000));
}

// A stream at the mixer's rate needs no rate conversion, nor libsoxr.
TEST_F(LazyLibraries, SoxrIsLoadedByTheFirstStreamAtAnotherRate) {
    const StreamHandle same = engine.FSOUND_Stream_Open(SilentWave(dir, 2), kStreamModeFile, 0, 0);
    ASSERT_NE(same, 0) << engine.FSOUND_GetError();
    EXPECT_TRUE(PlaysFor(engine, same, 1000));
    EXPECT_FALSE(test::LibraryMapped("libsoxr.so"));
    const StreamHandle other =
        engine.FSOUND_Stream_Open(SilentWave(dir, 2, 48000), kStreamModeFile, 0, 0);
    ASSERT_NE(other, 0) << engine.FSOUND_GetError();
    EXPECT_TRUE(test::LibraryMapped("libsoxr.so"));
    EXPECT_TRUE(PlaysFor(engine, other, 1000));
}

TEST_F(LazyLibraries, LibOpenMptIsLoadedByTheFirstTrackerModule) {
    EXPECT_FALSE(test::LibraryMapped("libopenmpt.so"));
    const SongHandle song =
        engine.FMUSIC_LoadSong(dir.Write("tone.mod", test::WriteMod(test::ToneModSpec("lazy", 2))));
    ASSERT_NE(song, 0);
    EXPECT_TRUE(test::LibraryMapped("libopenmpt.so"));
    EXPECT_EQ(engine.FMUSIC_GetName(song), "lazy");
}

TEST_F(LazyLibraries, LibCdioIsLoadedByTheFirstCdImage) {
    const std::string cue = test::WriteCdImage(dir, "disc", {{75, 440.0}});
    EXPECT_FALSE(test::LibraryMapped("libcdio.so"));
    const StreamHandle track = engine.FSOUND_Stream_Open(cue, kStreamModeCd, 0, 0);
    ASSERT_NE(track, 0) << engine.FSOUND_GetError();
    EXPECT_TRUE(test::LibraryMapped("libcdio.so"));
    EXPECT_TRUE(PlaysFor(engine, track, 1000));
}

TEST_F(LazyLibraries, FluidSynthIsLoadedByTheFirstMidiSong) {
    EXPECT_FALSE(test::LibraryMapped("libfluidsynth.so"));
    test::MidiSpec midi;
    midi.notes.push_back({0, 480});
    const std::string path = dir.Write("note.mid", test::WriteMidi(midi));
    const SongHandle song = engine.FMUSIC_LoadSong(path);
    EXPECT_NE(song, 0);
    EXPECT_TRUE(test::LibraryMapped("libfluidsynth.so"));
}

} // namespace
} // namespace vantor::engine
