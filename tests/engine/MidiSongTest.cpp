#include "engine/music/MidiSong.h"
#include "engine/music/MidiTimeline.h"
#include "engine/music/SongLoader.h"
#include "support/MidiWriter.h"
#include "support/TempDir.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vantor::engine {
namespace {

using test::MidiNote;
using test::MidiSpec;

constexpr int kRate = 44100;
// At the default tempo (120 beats a minute) and 480 ticks a beat.
constexpr std::uint32_t kTicksPerSecond = 960;

MidiSpec ToneNotes(std::vector<MidiNote> notes, int format = 1) {
    MidiSpec spec;
    spec.format = format;
    spec.program = test::kPureToneProgram;
    spec.notes = std::move(notes);
    return spec;
}

std::unique_ptr<MusicSong> LoadMidi(const std::vector<std::uint8_t>& bytes,
                                    const std::string& name = "song.mid") {
    auto loaded = LoadSongFromMemory(bytes, name, kRate);
    EXPECT_EQ(loaded.error, SongLoadError::None);
    return std::move(loaded.song);
}

std::vector<float> RenderMs(MusicSong& song, int ms) {
    std::vector<float> block(static_cast<std::size_t>(kRate) * ms / 1000 * 2);
    song.Render(block.data(), block.size() / 2);
    return block;
}

// Frames rendered until the song reports its end.
std::size_t RenderToEnd(MusicSong& song) {
    std::vector<float> block(1024 * 2);
    std::size_t frames = 0;
    while (!song.IsFinished() && frames < static_cast<std::size_t>(kRate) * 60)
        frames += song.Render(block.data(), 1024);
    return frames;
}

TEST(MidiSong, ReportsNameTypeLengthAndWholeSecondOrders) {
    test::TempDir dir;
    const auto path =
        dir.Write("two and a half.mid", test::WriteMidi(ToneNotes({{0, kTicksPerSecond * 5 / 2}})));
    const auto loaded = LoadSongFile(path, kRate);
    ASSERT_NE(loaded.song, nullptr);
    EXPECT_EQ(loaded.song->Name(), "two and a half.mid");
    EXPECT_EQ(loaded.song->Type(), SongType::Midi);
    EXPECT_EQ(loaded.song->LengthMs(), 2500);
    EXPECT_EQ(loaded.song->NumOrders(), 3);
    EXPECT_EQ(loaded.song->Order(), 0);
}

TEST(MidiSong, PlaysTheNotePitchAndFinishesOnceSilent) {
    const auto song = LoadMidi(test::WriteMidi(ToneNotes({{0, kTicksPerSecond * 2}}, 0)));
    ASSERT_NE(song, nullptr);
    const auto block = RenderMs(*song, 1500);
    const std::span<const float> steady(block.begin() + kRate / 2 * 2, block.end());
    EXPECT_NEAR(test::ZeroCrossingFrequency(steady, kRate), 440.0, 440.0 * 0.03);
    EXPECT_EQ(song->TimeMs(), 1500);
    EXPECT_EQ(song->Order(), 1);
    const auto frames = RenderToEnd(*song) + static_cast<std::size_t>(kRate) * 3 / 2;
    EXPECT_TRUE(song->IsFinished());
    EXPECT_GE(frames, static_cast<std::size_t>(kRate) * 2);
    EXPECT_LT(frames, static_cast<std::size_t>(kRate) * 7);
    EXPECT_EQ(song->TimeMs(), song->LengthMs());

    // A finished song plays again from an order seek.
    song->SetOrder(0);
    EXPECT_FALSE(song->IsFinished());
    EXPECT_EQ(song->Order(), 0);
    EXPECT_GT(test::ChannelRms(RenderMs(*song, 300), 0), 0.01);
}

TEST(MidiSong, ReleasesNotesStillHeldAtTheEnd) {
    // A note that is switched on and never off, in a file that ends after a
    // second.
    const std::vector<std::uint8_t> smf{'M',  'T',  'h',  'd',  0,
                                        0,    0,    6,    0,    0,
                                        0,    1,    0x01, 0xE0, 'M',
                                        'T',  'r',  'k',  0,    0,
                                        0,    12,   0x00, 0xC0, test::kPureToneProgram,
                                        0x00, 0x90, 69,   100,  0x87,
                                        0x40, 0xFF, 0x2F, 0x00};
    const auto song = LoadMidi(smf);
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(song->LengthMs(), 1000);
    const auto frames = RenderToEnd(*song);
    EXPECT_TRUE(song->IsFinished());
    EXPECT_LT(frames, static_cast<std::size_t>(kRate) * 7);
}

TEST(MidiSong, FollowsTempoChanges) {
    auto spec = ToneNotes({{0, kTicksPerSecond * 2}}, 0);
    spec.tempos = {{0, 500000}, {kTicksPerSecond, 250000}};
    const auto song = LoadMidi(test::WriteMidi(spec));
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(song->LengthMs(), 1500);
    EXPECT_EQ(song->NumOrders(), 2);
}

TEST(MidiSong, OrderSeekIsTimeSeek) {
    // A4 during the first second, A5 during the third.
    const auto song = LoadMidi(test::WriteMidi(
        ToneNotes({{0, kTicksPerSecond, 69}, {kTicksPerSecond * 2, kTicksPerSecond, 81}})));
    ASSERT_NE(song, nullptr);
    ASSERT_EQ(song->NumOrders(), 3);
    song->SetOrder(2);
    EXPECT_EQ(song->Order(), 2);
    EXPECT_EQ(song->TimeMs(), 2000);
    const auto block = RenderMs(*song, 600);
    const std::span<const float> steady(block.begin() + kRate / 5 * 2, block.end());
    EXPECT_NEAR(test::ZeroCrossingFrequency(steady, kRate), 880.0, 880.0 * 0.03);

    song->SetOrder(0);
    const auto again = RenderMs(*song, 600);
    const std::span<const float> steadyAgain(again.begin() + kRate / 5 * 2, again.end());
    EXPECT_NEAR(test::ZeroCrossingFrequency(steadyAgain, kRate), 440.0, 440.0 * 0.03);

    song->SetOrder(3);
    EXPECT_TRUE(song->IsFinished());
    std::vector<float> rest(512 * 2, 1.0f);
    EXPECT_EQ(song->Render(rest.data(), 512), 0u);
    EXPECT_EQ(test::ChannelRms(rest, 0), 0.0);
}

TEST(MidiSong, RmiPlaysExactlyAsItsMidiData) {
    const auto smf = test::WriteMidi(ToneNotes({{0, kTicksPerSecond}}));
    const auto plain = LoadMidi(smf);
    const auto wrapped = LoadMidi(test::WrapRmi(smf), "song.rmi");
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->LengthMs(), plain->LengthMs());
    EXPECT_EQ(RenderMs(*wrapped, 500), RenderMs(*plain, 500));
}

TEST(MidiSong, MasterVolumeScalesTheOutput) {
    const auto smf = test::WriteMidi(ToneNotes({{0, kTicksPerSecond}}));
    const auto full = LoadMidi(smf);
    const auto quarter = LoadMidi(smf);
    ASSERT_NE(full, nullptr);
    ASSERT_NE(quarter, nullptr);
    quarter->SetMasterVolume(64);
    const double fullRms = test::ChannelRms(RenderMs(*full, 400), 0);
    EXPECT_GT(fullRms, 0.01);
    EXPECT_NEAR(test::ChannelRms(RenderMs(*quarter, 400), 0), fullRms / 4, fullRms * 0.01);
}

TEST(MidiSong, BrokenMidiFilesFailToLoad) {
    auto smf = test::WriteMidi(ToneNotes({{0, kTicksPerSecond}}));
    auto cut = smf;
    cut.resize(cut.size() - 6);
    EXPECT_EQ(LoadSongFromMemory(cut, "cut.mid", kRate).error, SongLoadError::BadFile);
    const std::vector<std::uint8_t> headerOnly{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1};
    EXPECT_EQ(LoadSongFromMemory(headerOnly, "x.mid", kRate).error, SongLoadError::BadFile);
    auto smpte = smf;
    smpte[12] = 0xE7; // 25 frames a second
    EXPECT_EQ(LoadSongFromMemory(smpte, "smpte.mid", kRate).error, SongLoadError::BadFile);
    const std::vector<std::uint8_t> emptyRmi{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'R', 'M', 'I', 'D'};
    EXPECT_EQ(LoadSongFromMemory(emptyRmi, "x.rmi", kRate).error, SongLoadError::BadFile);
    EXPECT_EQ(MidiSong::Load(smf, "rate.mid", 1000), nullptr);
}

TEST(MidiSong, ForeignChunksNeverReachTheSynthesiser) {
    // The header promises a second track, and what follows the first is a
    // chunk of another kind whose size reads as minus four: a loader that
    // steps back by it reads the same size forever.
    auto smf = test::WriteMidi(ToneNotes({{0, kTicksPerSecond / 2}}, 0));
    smf[11] = 2;
    smf.insert(smf.end(), {'X', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xFC});
    const auto song = LoadMidi(smf);
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(song->LengthMs(), 500);
    EXPECT_GT(test::ChannelRms(RenderMs(*song, 300), 0), 0.01);
    EXPECT_LT(RenderToEnd(*song), static_cast<std::size_t>(kRate) * 7);
    EXPECT_TRUE(song->IsFinished());
}

TEST(MidiTimeline, PlayableDataKeepsOnlyTheHeaderAndTracksRead) {
    const auto smf = test::WriteMidi(ToneNotes({{0, kTicksPerSecond}}));
    // A longer header, a foreign chunk between the two tracks, a track the
    // header does not count and trailing bytes.
    std::vector<std::uint8_t> messy(smf.begin(), smf.begin() + 14);
    messy[7] = 8;
    messy.insert(messy.end(), {0xAB, 0xCD});
    const std::size_t firstTrackEnd =
        22 + ((std::size_t{smf[18]} << 24) | (smf[19] << 16) | (smf[20] << 8) | smf[21]);
    messy.insert(messy.end(), smf.begin() + 14, smf.begin() + firstTrackEnd);
    messy.insert(messy.end(), {'J', 'U', 'N', 'K', 0, 0, 0, 2, 1, 2});
    messy.insert(messy.end(), smf.begin() + firstTrackEnd, smf.end());
    messy.insert(messy.end(), smf.begin() + 14, smf.begin() + firstTrackEnd);
    messy.insert(messy.end(), {0, 0, 0});

    const auto playable = PlayableMidiData(messy);
    ASSERT_TRUE(playable.has_value());
    EXPECT_EQ(*playable, smf);
    EXPECT_EQ(PlayableMidiData(smf), smf);

    // A last track without its end event (a zero delta and three bytes)
    // keeps what is there, under the size it really has.
    auto cut = smf;
    cut.resize(cut.size() - 4);
    auto expected = cut;
    expected[firstTrackEnd + 7] -= 4;
    EXPECT_EQ(PlayableMidiData(cut), expected);
    EXPECT_FALSE(PlayableMidiData(std::vector<std::uint8_t>(smf.begin(), smf.begin() + 14)));
}

TEST(MidiTimeline, ReadsRunningStatusSysExAndTrackEnds) {
    // One track: tempo 1 s a beat, a note with running status, a sysex, end
    // of track at 2 beats, and bytes after it that are never read.
    const std::vector<std::uint8_t> smf{'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0,
                                        0,    1,    0,    100,  'M',  'T',  'r',  'k',  0,    0,
                                        0,    26,   0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x00,
                                        0x90, 60,   100,  0x32, 60,   0,    0x00, 0xF0, 0x02, 0x7E,
                                        0xF7, 0x81, 0x00, 0xFF, 0x2F, 0x00, 0x00, 0x90, 60};
    const auto timeline = MidiTimeline::Parse(smf);
    ASSERT_TRUE(timeline.has_value());
    EXPECT_EQ(timeline->TotalTicks(), 50u + 128u);
    EXPECT_DOUBLE_EQ(timeline->LengthMs(), 1780.0);
    EXPECT_EQ(timeline->MsToTicks(500.0), 50u);
    EXPECT_EQ(timeline->MsToTicks(1e12), timeline->TotalTicks());
}

TEST(MidiTimeline, MapsTimeAcrossTempoChanges) {
    MidiSpec spec;
    spec.tempos = {{0, 500000}, {480, 1000000}};
    spec.endTick = 960;
    const auto smf = test::WriteMidi(spec);
    const auto timeline = MidiTimeline::Parse(smf);
    ASSERT_TRUE(timeline.has_value());
    EXPECT_DOUBLE_EQ(timeline->TicksToMs(480), 500.0);
    EXPECT_DOUBLE_EQ(timeline->LengthMs(), 1500.0);
    EXPECT_EQ(timeline->MsToTicks(1000.0), 720u);
    EXPECT_EQ(timeline->MsToTicks(250.0), 240u);
}

TEST(MidiTimeline, FindsTheDataOfBareAndWrappedFiles) {
    const auto smf = test::WriteMidi(ToneNotes({{0, 10}}));
    const auto rmi = test::WrapRmi(smf);
    EXPECT_TRUE(LooksLikeMidi(smf));
    EXPECT_TRUE(LooksLikeMidi(rmi));
    const auto inner = MidiDataOf(rmi);
    ASSERT_TRUE(inner.has_value());
    EXPECT_TRUE(std::equal(inner->begin(), inner->end(), smf.begin(), smf.end()));
    const std::vector<std::uint8_t> wave{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    EXPECT_FALSE(LooksLikeMidi(wave));
    EXPECT_FALSE(MidiDataOf(wave).has_value());
}

} // namespace
} // namespace vantor::engine
