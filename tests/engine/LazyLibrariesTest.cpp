// The decoders' libraries are heavy to load; the engine binds them when the
// first stream or MIDI song opens, not when it starts. This binary links
// neither FFmpeg nor FluidSynth itself, so whatever maps them is the engine;
// neither test loads the other's library, so they hold in any order.
#include "engine/SoundEngine.h"
#include "support/MidiWriter.h"
#include "support/RiffWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace vantor::engine {
namespace {

bool Mapped(const std::string& library) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (line.find(library) != std::string::npos)
            return true;
    }
    return false;
}

class LazyLibraries : public ::testing::Test {
protected:
    LazyLibraries() : engine(EngineOptions{OutputKind::Pull, "", nullptr}) {
        EXPECT_TRUE(engine.FSOUND_Init(44100, 32, 0));
    }
    test::TempDir dir;
    SoundEngine engine;
};

TEST_F(LazyLibraries, FfmpegIsLoadedByTheFirstStreamThatOpens) {
    EXPECT_FALSE(Mapped("libavformat.so"));
    EXPECT_EQ(engine.FSOUND_Stream_Open(dir.File("missing.wav"), kStreamModeFile, 0, 0), 0);

    test::WaveSpec wave;
    wave.data.assign(44100 * 4, 0);
    const std::string path = dir.Write("silence.wav", test::RiffWave(wave));
    const StreamHandle stream = engine.FSOUND_Stream_Open(path, kStreamModeFile, 0, 0);
    EXPECT_NE(stream, 0);
    EXPECT_TRUE(Mapped("libavformat.so"));
    EXPECT_EQ(engine.FSOUND_Stream_GetLengthMs(stream), 1000);
}

TEST_F(LazyLibraries, FluidSynthIsLoadedByTheFirstMidiSong) {
    EXPECT_FALSE(Mapped("libfluidsynth.so"));
    test::MidiSpec midi;
    midi.notes.push_back({0, 480});
    const std::string path = dir.Write("note.mid", test::WriteMidi(midi));
    const SongHandle song = engine.FMUSIC_LoadSong(path);
    EXPECT_NE(song, 0);
    EXPECT_TRUE(Mapped("libfluidsynth.so"));
}

} // namespace
} // namespace vantor::engine
