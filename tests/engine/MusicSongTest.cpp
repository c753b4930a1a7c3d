#include "engine/music/SongLoader.h"
#include "engine/music/TrackerSong.h"
#include "support/ItWriter.h"
#include "support/ModWriter.h"
#include "support/S3mWriter.h"
#include "support/TempDir.h"
#include "support/ToneMeasure.h"
#include "support/XmWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor::engine {
namespace {

using test::kModClock;
using test::kModCycleSamples;
using test::kModPeriodHigh;
using test::kModPeriodLow;
using test::kToneModPatternMs;

constexpr int kRate = 44100;

std::vector<float> RenderMs(MusicSong& song, int ms) {
    std::vector<float> block(static_cast<std::size_t>(song.SampleRate()) * ms / 1000 * 2);
    song.Render(block.data(), block.size() / 2);
    return block;
}

std::unique_ptr<TrackerSong> ToneModule(int orders) {
    auto song = TrackerSong::Load(test::WriteMod(test::ToneModSpec("tone song", orders)), kRate);
    EXPECT_NE(song, nullptr);
    return song;
}

double ModToneHz(int period) {
    return kModClock / period / kModCycleSamples;
}

TEST(TrackerSong, ReportsNameTypeOrdersAndLength) {
    const auto song = ToneModule(4);
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(song->Name(), "tone song");
    EXPECT_EQ(song->Type(), SongType::Mod);
    EXPECT_EQ(static_cast<int>(song->Type()), 1);
    EXPECT_EQ(song->NumOrders(), 4);
    EXPECT_EQ(song->Order(), 0);
    EXPECT_NEAR(song->LengthMs(), 4 * kToneModPatternMs, 50);
    EXPECT_FALSE(song->IsFinished());
}

TEST(TrackerSong, PlaysItsTonesAndFinishesWithoutLooping) {
    const auto song = ToneModule(2);
    ASSERT_NE(song, nullptr);
    const auto first = RenderMs(*song, 1000);
    EXPECT_NEAR(test::ZeroCrossingFrequency(first, kRate), ModToneHz(kModPeriodLow),
                ModToneHz(kModPeriodLow) * 0.03);
    EXPECT_NEAR(song->TimeMs(), 1000, 30);

    std::vector<float> block(4096 * 2);
    std::size_t frames = kRate;
    while (!song->IsFinished()) {
        frames += song->Render(block.data(), 4096);
        ASSERT_LT(frames, static_cast<std::size_t>(kRate) * 10) << "the song loops";
    }
    EXPECT_NEAR(static_cast<double>(frames) * 1000 / kRate, 2 * kToneModPatternMs, 50);
    block.assign(block.size(), 1.0f);
    EXPECT_EQ(song->Render(block.data(), 4096), 0u);
    EXPECT_EQ(test::ChannelRms(block, 0), 0.0);

    // Playing again after the end starts over.
    song->SetOrder(0);
    EXPECT_FALSE(song->IsFinished());
    EXPECT_EQ(song->TimeMs(), 0);
    EXPECT_EQ(song->Render(block.data(), 4096), 4096u);
    EXPECT_GT(test::ChannelRms(block, 0), 0.05);
}

TEST(TrackerSong, SeeksByOrder) {
    const auto song = ToneModule(4);
    ASSERT_NE(song, nullptr);
    song->SetOrder(1);
    EXPECT_EQ(song->Order(), 1);
    EXPECT_NEAR(song->TimeMs(), kToneModPatternMs, 30);
    EXPECT_NEAR(test::ZeroCrossingFrequency(RenderMs(*song, 500), kRate), ModToneHz(kModPeriodHigh),
                ModToneHz(kModPeriodHigh) * 0.03);

    song->SetOrder(-3);
    EXPECT_EQ(song->Order(), 0);
    EXPECT_NEAR(test::ZeroCrossingFrequency(RenderMs(*song, 500), kRate), ModToneHz(kModPeriodLow),
                ModToneHz(kModPeriodLow) * 0.03);

    // The seek bar's far end asks for the order count itself.
    song->SetOrder(song->NumOrders());
    EXPECT_TRUE(song->IsFinished());
    std::vector<float> block(256 * 2);
    EXPECT_EQ(song->Render(block.data(), 256), 0u);
    song->SetOrder(3);
    EXPECT_FALSE(song->IsFinished());
    EXPECT_EQ(song->Order(), 3);
    EXPECT_EQ(song->Render(block.data(), 256), 256u);
}

// Right-to-left loudness of the tone module at a pan separation.
double RightToLeft(float separation) {
    const auto song = ToneModule(1);
    song->SetPanSeparation(separation);
    const auto block = RenderMs(*song, 500);
    return test::ChannelRms(block, 1) / test::ChannelRms(block, 0);
}

TEST(TrackerSong, PanSeparationNarrowsTheStereoImage) {
    // Channel 0 of a four-channel module stands a quarter of the way from
    // the left edge; the separation scales its distance from the centre.
    const auto expected = [](double separation) {
        return (1.0 - separation / 2) / (1.0 + separation / 2);
    };
    EXPECT_NEAR(RightToLeft(1.0f), expected(1.0), 0.02);
    EXPECT_NEAR(RightToLeft(0.15f), expected(0.15), 0.02);
    EXPECT_NEAR(RightToLeft(0.0f), 1.0, 0.01);
    EXPECT_NEAR(RightToLeft(-1.0f), 1.0, 0.01);
}

TEST(TrackerSong, MasterVolumeScalesTheOutput) {
    const auto full = ToneModule(1);
    const auto half = ToneModule(1);
    const auto silent = ToneModule(1);
    ASSERT_TRUE(full && half && silent);
    full->SetMasterVolume(400);
    EXPECT_EQ(full->MasterVolume(), kMaxMasterVolume);
    half->SetMasterVolume(128);
    silent->SetMasterVolume(0);
    const double fullRms = test::ChannelRms(RenderMs(*full, 300), 0);
    EXPECT_GT(fullRms, 0.01);
    EXPECT_NEAR(test::ChannelRms(RenderMs(*half, 300), 0), fullRms / 2, fullRms * 0.01);
    EXPECT_EQ(test::ChannelRms(RenderMs(*silent, 300), 0), 0.0);
}

struct ToneModuleCase {
    std::vector<std::uint8_t> bytes;
    SongType type;
    int patternMs;
    double lowHz;
};

// S3M, XM and IT modules: orders alternate between a tone and its octave.
TEST(TrackerSong, PlaysScreamFastAndImpulseTrackerModules) {
    const std::vector<ToneModuleCase> cases{
        {test::WriteToneS3m("tone", 3), SongType::S3m, test::kS3mPatternMs, test::kS3mLowToneHz},
        {test::WriteToneXm("tone", 3), SongType::Xm, test::kXmPatternMs, test::kXmLowToneHz},
        {test::WriteToneIt("tone", 3), SongType::It, test::kItPatternMs, test::kItLowToneHz},
    };
    for (const auto& tone : cases) {
        SCOPED_TRACE(static_cast<int>(tone.type));
        const auto song = TrackerSong::Load(tone.bytes, kRate);
        ASSERT_NE(song, nullptr);
        EXPECT_EQ(song->Name(), "tone");
        EXPECT_EQ(song->Type(), tone.type);
        EXPECT_EQ(song->NumOrders(), 3);
        EXPECT_NEAR(song->LengthMs(), 3 * tone.patternMs, 50);
        EXPECT_NEAR(test::ZeroCrossingFrequency(RenderMs(*song, 500), kRate), tone.lowHz,
                    tone.lowHz * 0.03);
        song->SetOrder(1);
        EXPECT_EQ(song->Order(), 1);
        EXPECT_NEAR(test::ZeroCrossingFrequency(RenderMs(*song, 500), kRate), 2 * tone.lowHz,
                    2 * tone.lowHz * 0.03);
    }
    EXPECT_EQ(static_cast<int>(SongType::S3m), 2);
    EXPECT_EQ(static_cast<int>(SongType::Xm), 3);
    EXPECT_EQ(static_cast<int>(SongType::It), 4);
}

TEST(TrackerSong, RefusesWhatIsNoModule) {
    const std::vector<std::uint8_t> text{'h', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(TrackerSong::Load(text, kRate), nullptr);
    EXPECT_EQ(TrackerSong::Load({}, kRate), nullptr);
    auto bytes = test::WriteMod(test::ToneModSpec("cut", 2));
    bytes.resize(600);
    EXPECT_EQ(TrackerSong::Load(bytes, kRate), nullptr);
}

TEST(SongLoader, OpensModulesByContentAndReportsFailures) {
    test::TempDir dir;
    const auto mod = test::WriteMod(test::ToneModSpec("by content", 3));
    const auto loaded = LoadSongFile(dir.Write("song.bin", mod), kRate);
    ASSERT_NE(loaded.song, nullptr);
    EXPECT_EQ(loaded.error, SongLoadError::None);
    EXPECT_EQ(loaded.song->NumOrders(), 3);
    EXPECT_EQ(loaded.song->Name(), "by content");

    EXPECT_EQ(LoadSongFile(dir.File("missing.mod"), kRate).error, SongLoadError::FileNotFound);
    EXPECT_EQ(LoadSongFile(dir.MakeFolder("folder.mod"), kRate).error, SongLoadError::BadFile);
    EXPECT_EQ(LoadSongFile(dir.Write("text.mod", "not a module at all"), kRate).error,
              SongLoadError::UnknownFormat);
    EXPECT_EQ(LoadSongFile(dir.Write("empty.xm", ""), kRate).error, SongLoadError::UnknownFormat);
}

TEST(SongLoader, RefusesSegments) {
    test::TempDir dir;
    std::string segment = "RIFF";
    segment += std::string("\x20\x00\x00\x00", 4) + "DMSGsegh" + std::string(24, '\0');
    EXPECT_EQ(LoadSongFile(dir.Write("intro.sgt", segment), kRate).error,
              SongLoadError::UnknownFormat);
    EXPECT_EQ(LoadSongFile(dir.Write("intro.bin", segment), kRate).error,
              SongLoadError::UnknownFormat);
    // The extension alone is enough, whatever the file holds.
    const auto mod = test::WriteMod(test::ToneModSpec("named as segment", 1));
    EXPECT_EQ(LoadSongFile(dir.Write("named.SGT", mod), kRate).error, SongLoadError::UnknownFormat);
}

} // namespace
} // namespace vantor::engine
