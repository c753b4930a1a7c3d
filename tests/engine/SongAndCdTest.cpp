#include "EngineHarness.h"
#include "support/CdImageWriter.h"
#include "support/MidiWriter.h"
#include "support/ModWriter.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

namespace vantor::engine::test {
namespace {

using vantor::test::TempDir;
using vantor::test::ZeroCrossingFrequency;

double ModToneHz(int period) {
    return vantor::test::kModClock / period / vantor::test::kModCycleSamples;
}

std::string WriteToneModule(const TempDir& dir, int orders) {
    return dir.Write("tone.mod",
                     vantor::test::WriteMod(vantor::test::ToneModSpec("tone song", orders)));
}

TEST(Songs, TrackerModulePlaysWithItsOrders) {
    TempDir dir;
    PullEngine engine;
    SongHandle song = engine->FMUSIC_LoadSong(WriteToneModule(dir, 4));
    ASSERT_NE(song, 0) << engine->FSOUND_GetError();
    EXPECT_EQ(engine->FMUSIC_GetName(song), "tone song");
    EXPECT_EQ(engine->FMUSIC_GetType(song), FMUSIC_TYPE_MOD);
    EXPECT_EQ(engine->FMUSIC_GetNumOrders(song), 4);
    EXPECT_TRUE(engine->FMUSIC_SetPanSeperation(song, 0.15f));
    EXPECT_TRUE(engine->FMUSIC_SetMasterVolume(song, 256));
    EXPECT_FALSE(engine->FMUSIC_IsPlaying(song));
    ASSERT_TRUE(engine->FMUSIC_PlaySong(song));
    EXPECT_TRUE(engine->FMUSIC_IsPlaying(song));
    EXPECT_EQ(engine->FSOUND_GetChannelsPlaying(), 1);
    auto first = engine.RenderSeconds(1.0);
    double low = ModToneHz(vantor::test::kModPeriodLow);
    EXPECT_NEAR(ZeroCrossingFrequency(first, kRate), low, low * 0.03);
    EXPECT_NEAR(engine->FMUSIC_GetTime(song), 1000, 40);

    ASSERT_TRUE(engine->FMUSIC_SetOrder(song, 1));
    engine.Settle();
    EXPECT_EQ(engine->FMUSIC_GetOrder(song), 1);
    auto second = engine.RenderSeconds(0.5);
    double high = ModToneHz(vantor::test::kModPeriodHigh);
    EXPECT_NEAR(ZeroCrossingFrequency(second, kRate), high, high * 0.03);
    EXPECT_FALSE(engine->FMUSIC_SetOrder(song, 4));

    ASSERT_TRUE(engine->FMUSIC_SetPaused(song, true));
    EXPECT_TRUE(engine->FMUSIC_GetPaused(song));
    engine.Settle();
    EXPECT_EQ(Peak(engine.RenderSeconds(0.2)), 0.0f);
    ASSERT_TRUE(engine->FMUSIC_SetPaused(song, false));
    ASSERT_TRUE(engine->FMUSIC_SetMasterVolume(song, 0));
    engine.Settle();
    EXPECT_EQ(Peak(engine.RenderSeconds(0.2)), 0.0f);

    engine.RenderWhile([&] { return !engine->FMUSIC_IsFinished(song); }, 15.0);
    EXPECT_TRUE(engine->FMUSIC_IsFinished(song));
    EXPECT_FALSE(engine->FMUSIC_IsPlaying(song));
    EXPECT_TRUE(engine->FMUSIC_StopSong(song));
    EXPECT_TRUE(engine->FMUSIC_FreeSong(song));
    EXPECT_FALSE(engine->FMUSIC_FreeSong(song));
}

TEST(Songs, MidiSongPlaysThroughTheSoundFont) {
    TempDir dir;
    vantor::test::MidiSpec spec;
    spec.program = vantor::test::kPureToneProgram;
    spec.notes = {{0, 1920, 69, 100, 0}}; // two seconds of A4
    std::string path = dir.Write("tune.mid", vantor::test::WriteMidi(spec));
    PullEngine engine;
    SongHandle song = engine->FMUSIC_LoadSong(path);
    ASSERT_NE(song, 0) << engine->FSOUND_GetError();
    EXPECT_EQ(engine->FMUSIC_GetType(song), FMUSIC_TYPE_MIDI);
    EXPECT_GE(engine->FMUSIC_GetNumOrders(song), 2); // whole seconds
    ASSERT_TRUE(engine->FMUSIC_PlaySong(song));
    engine.RenderSeconds(0.2);
    auto tone = engine.RenderSeconds(0.5);
    EXPECT_NEAR(ZeroCrossingFrequency(tone, kRate), 440.0, 15.0);
}

// A tracker song's orders need not last alike: the first order of this one
// breaks off after one row. A seek by time lands on the time asked, in the
// order that plays then; the end finishes the song.
TEST(Songs, SetTimeMovesASongToThatTime) {
    TempDir dir;
    vantor::test::ModSpec spec = vantor::test::ToneModSpec("uneven", 3);
    const int patternBreak = 0xD;
    spec.patterns[0].push_back({0, 1, 0, patternBreak, 0});
    vantor::test::MidiSpec midi;
    midi.program = vantor::test::kPureToneProgram;
    midi.notes = {{0, 960, 57, 100, 0}, {960, 1920, 69, 100, 0}}; // A3 for 1 s, then A4
    const std::string paths[] = {dir.Write("uneven.mod", vantor::test::WriteMod(spec)),
                                 dir.Write("two.mid", vantor::test::WriteMidi(midi))};
    const double highs[] = {ModToneHz(vantor::test::kModPeriodHigh), 440.0};
    for (int i = 0; i < 2; ++i) {
        PullEngine engine;
        SongHandle song = engine->FMUSIC_LoadSong(paths[i]);
        ASSERT_NE(song, 0) << engine->FSOUND_GetError();
        const std::int32_t length = engine->FMUSIC_GetLengthMs(song);
        ASSERT_GT(length, 1500) << paths[i];
        ASSERT_TRUE(engine->FMUSIC_PlaySong(song));
        engine.RenderSeconds(0.1);

        ASSERT_TRUE(engine->FMUSIC_SetTime(song, 1200));
        engine.Settle();
        EXPECT_NEAR(engine->FMUSIC_GetTime(song), 1200 + 1000 * kBlock / kRate, 60) << paths[i];
        const auto heard = engine.RenderSeconds(0.3);
        EXPECT_NEAR(ZeroCrossingFrequency(heard, kRate), highs[i], highs[i] * 0.03) << paths[i];

        EXPECT_FALSE(engine->FMUSIC_SetTime(song, -1));
        ASSERT_TRUE(engine->FMUSIC_SetTime(song, length));
        engine.RenderWhile([&] { return !engine->FMUSIC_IsFinished(song); }, 1.0);
        EXPECT_TRUE(engine->FMUSIC_IsFinished(song)) << paths[i];
    }
}

TEST(Songs, UnplayableFilesAreRefusedWithTheirCodes) {
    TempDir dir;
    PullEngine engine;
    EXPECT_EQ(engine->FMUSIC_LoadSong(dir.File("missing.xm")), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileNotFound);
    EXPECT_EQ(engine->FMUSIC_LoadSong(dir.Write("segment.sgt", "RIFF\x10\0\0\0DMSGsome segment")),
              0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileFormat);
    // A module is a song, never a stream.
    EXPECT_EQ(engine->FSOUND_Stream_Open(WriteToneModule(dir, 2), kStreamModeFile, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileFormat);
}

TEST(CdStreams, ImageTracksPlayAsSubStreams) {
    TempDir dir;
    std::string cue = vantor::test::WriteCdImage(dir, "disc", {{75, 440.0}, {150, 880.0}});
    PullEngine engine;
    StreamHandle info = engine->FSOUND_Stream_Open(cue + "*?", 0, 0, 0);
    ASSERT_NE(info, 0) << engine->FSOUND_GetError();
    std::string deviceInfo;
    ASSERT_TRUE(
        engine->FSOUND_Stream_FindTagField(info, kTagFieldLibrary, "CD_DEVICE_INFO", deviceInfo));
    auto lineBreak = deviceInfo.find("\r\n");
    ASSERT_NE(lineBreak, std::string::npos);
    EXPECT_FALSE(deviceInfo.substr(lineBreak + 2).empty());
    std::string absent;
    EXPECT_FALSE(engine->FSOUND_Stream_FindTagField(info, kTagFieldLibrary, "TITLE", absent));
    EXPECT_TRUE(engine->FSOUND_Stream_Close(info));

    StreamHandle tracks = engine->FSOUND_Stream_Open(cue + "*!", 0, 0, 0);
    ASSERT_NE(tracks, 0);
    ASSERT_EQ(engine->FSOUND_Stream_GetNumSubStreams(tracks), 2);
    ASSERT_TRUE(engine->FSOUND_Stream_SetSubStream(tracks, 0));
    EXPECT_EQ(engine->FSOUND_Stream_GetLengthMs(tracks), 1000);
    ASSERT_TRUE(engine->FSOUND_Stream_SetSubStream(tracks, 1));
    EXPECT_EQ(engine->FSOUND_Stream_GetLengthMs(tracks), 2000);
    EXPECT_EQ(engine->FSOUND_Stream_GetLength(tracks), 150 * 2352);
    EXPECT_FALSE(engine->FSOUND_Stream_SetSubStream(tracks, 2));
    EXPECT_TRUE(engine->FSOUND_Stream_Close(tracks));

    // The player opens a track as the drive with the CD mode, then picks it.
    StreamHandle track = engine->FSOUND_Stream_Open(cue, kStreamModeCd, 0, 0);
    ASSERT_NE(track, 0);
    ASSERT_TRUE(engine->FSOUND_Stream_SetSubStream(track, 1));
    std::int32_t channel = engine.Play(track);
    auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
    EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 2.0 * 44100.0, 1100.0);
    EXPECT_NEAR(ZeroCrossingFrequency(out, kRate), 880.0, 5.0);
    EXPECT_GE(engine->FSOUND_Stream_GetTime(track), 2000);
}

TEST(CdStreams, MissingDrivesGiveTheCdError) {
    TempDir dir;
    PullEngine engine;
    EXPECT_EQ(engine->FSOUND_Stream_Open("Z:*?", 0, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorCdDevice);
    EXPECT_EQ(engine->FSOUND_Stream_Open(dir.File("none.cue") + "*!", 0, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorCdDevice);
    EXPECT_FALSE(engine->FSOUND_CD_Eject('Z'));
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorCdDevice);
}

} // namespace
} // namespace vantor::engine::test
