// The playback core on the real engine, rendered tick by tick: what the
// listener hears is measured in the rendered sound.
#include "HeadlessPlayer.h"
#include "RecordingCommandHost.h"
#include "core/ModeToggles.h"
#include "core/TrackControl.h"
#include "core/TrackOpening.h"
#include "support/AudioEncoder.h"
#include "support/CdImageWriter.h"
#include "support/ModWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <sstream>

namespace vantor {
namespace {

using tool::HeadlessPlayer;
using tool::PlayOptions;

constexpr int kRate = 44100;
constexpr int kTickMs = 10;
constexpr std::size_t kWindowFrames = kRate * kTickMs / 1000;

// The strength of one frequency in a window of the left channel (Goertzel).
double ToneLevel(std::span<const float> stereo, double frequency) {
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / kRate);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (std::size_t i = 0; i < stereo.size(); i += 2) {
        const double current = stereo[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return std::sqrt(std::max(power, 0.0)) / static_cast<double>(stereo.size() / 2);
}

class PlaybackEndToEndTest : public ::testing::Test {
protected:
    std::string Tone(const std::string& name, double frequency, double seconds) {
        test::ToneSpec spec;
        spec.encoder = "libvorbis";
        spec.container = "ogg";
        spec.frequency = frequency;
        spec.seconds = seconds;
        const std::string path = dir.Path() + "/" + name;
        std::string error;
        EXPECT_TRUE(test::EncodeTone(path, spec, &error)) << error;
        return path;
    }
    std::string Module(const std::string& name) {
        const auto bytes = test::WriteMod(test::ToneModSpec("tone", 1));
        return dir.Write(name, std::span<const std::uint8_t>(bytes));
    }
    void Play(HeadlessPlayer& player, const std::vector<std::string>& files) {
        ASSERT_TRUE(player.Start());
        player.Open(files);
        player.Run([this](std::span<const float> frames) { Keep(frames); });
    }
    void Keep(std::span<const float> frames) {
        heard.insert(heard.end(), frames.begin(), frames.end());
    }
    // The level of `frequency` in each tick's window of what was heard.
    std::vector<double> Levels(double frequency) const {
        std::vector<double> levels;
        for (std::size_t at = 0; at + 2 * kWindowFrames <= heard.size(); at += 2 * kWindowFrames)
            levels.push_back(ToneLevel(std::span(heard).subspan(at, 2 * kWindowFrames), frequency));
        return levels;
    }
    // First and last window (in ms) where `frequency` sounds.
    std::pair<std::int64_t, std::int64_t> Heard(double frequency) const {
        const auto levels = Levels(frequency);
        std::int64_t first = -1;
        std::int64_t last = -1;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (levels[i] < 0.05)
                continue;
            if (first < 0)
                first = static_cast<std::int64_t>(i) * kTickMs;
            last = static_cast<std::int64_t>(i + 1) * kTickMs;
        }
        return {first, last};
    }
    std::vector<std::string> StartedPaths(const HeadlessPlayer& player) const {
        std::vector<std::string> paths;
        for (const auto& start : player.Starts())
            paths.push_back(start.path);
        return paths;
    }

    test::TempDir dir;
    std::ostringstream messages;
    std::vector<float> heard;
};

TEST_F(PlaybackEndToEndTest, ThreeTracksPlayInOrderAndEndOnEntryZeroSilent) {
    const std::vector<std::string> files{Tone("a.ogg", 440, 1), Tone("b.ogg", 660, 1),
                                         Tone("c.ogg", 880, 1)};
    HeadlessPlayer player({}, messages);
    Play(player, files);
    EXPECT_EQ(StartedPaths(player), files);
    // Each end is seen within a tick and one mixing block (23 ms).
    const auto& starts = player.Starts();
    EXPECT_NEAR(static_cast<double>(starts[1].timeMs - starts[0].timeMs), 1000, 3 * kTickMs);
    EXPECT_NEAR(static_cast<double>(starts[2].timeMs - starts[1].timeMs), 1000, 3 * kTickMs);
    EXPECT_EQ(Heard(440).first, 0);
    EXPECT_NEAR(static_cast<double>(Heard(660).first), static_cast<double>(starts[1].timeMs),
                3 * kTickMs);
    const auto [cStart, cEnd] = Heard(880);
    EXPECT_NEAR(static_cast<double>(cEnd - cStart), 1000, 2 * kTickMs);
    EXPECT_EQ(player.Player().currentIndex(), 0);
    EXPECT_EQ(player.Player().slotA.Kind(), TrackKind::Stream);
    EXPECT_FALSE(player.Player().AnyPlaying());
    EXPECT_TRUE(messages.str().empty()) << messages.str();
}

TEST_F(PlaybackEndToEndTest, RandomWithoutLoopStopsAfterOneRound) {
    const std::vector<std::string> files{Tone("a.ogg", 440, 0.5), Tone("b.ogg", 660, 0.5),
                                         Tone("c.ogg", 880, 0.5), Tone("d.ogg", 550, 0.5)};
    PlayOptions options;
    options.random = true;
    HeadlessPlayer player(options, messages);
    Play(player, files);
    std::set<std::int32_t> played;
    for (const auto& start : player.Starts())
        played.insert(start.index);
    EXPECT_EQ(player.Starts().size(), 4u);
    EXPECT_EQ(played, (std::set<std::int32_t>{0, 1, 2, 3}));
    EXPECT_FALSE(player.Player().AnyPlaying());
    EXPECT_LT(player.NowMs(), 2200);
}

TEST_F(PlaybackEndToEndTest, TheMixStartsTheNextStreamGapLengthBeforeTheEnd) {
    const std::vector<std::string> files{Tone("a.ogg", 440, 2), Tone("b.ogg", 660, 2),
                                         Tone("c.ogg", 880, 2)};
    PlayOptions options;
    options.mix = true;
    options.gapMs = 500;
    HeadlessPlayer player(options, messages);
    Play(player, files);
    ASSERT_EQ(StartedPaths(player), files);
    const auto [aStart, aEnd] = Heard(440);
    const auto [bStart, bEnd] = Heard(660);
    const auto [cStart, cEnd] = Heard(880);
    // Measured in the sound: each track begins 500 ms (one tick either way,
    // and one window of measurement) before the one before it ends.
    EXPECT_NEAR(static_cast<double>(aEnd - bStart), 500, 2 * kTickMs);
    EXPECT_NEAR(static_cast<double>(bEnd - cStart), 500, 2 * kTickMs);
    EXPECT_NEAR(static_cast<double>(cEnd - cStart), 2000, 2 * kTickMs);
    EXPECT_EQ(aStart, 0);
    EXPECT_FALSE(player.Player().AnyPlaying());
    EXPECT_EQ(player.Player().currentIndex(), 0);
}

TEST_F(PlaybackEndToEndTest, TurningTheMixOffWhileSlotBSoundsKeepsItWithoutAGap) {
    const std::vector<std::string> files{Tone("a.ogg", 440, 1.5), Tone("b.ogg", 660, 1.5),
                                         Tone("c.ogg", 880, 1)};
    PlayOptions options;
    options.mix = true;
    HeadlessPlayer player(options, messages);
    ASSERT_TRUE(player.Start());
    player.Open(files);
    const auto keep = [this](std::span<const float> frames) { Keep(frames); };
    while (player.Player().activeSlot != kMixSlotBSounding && player.NowMs() < 5000)
        player.Step(keep);
    for (int i = 0; i < 20; ++i)
        player.Step(keep);
    test::RecordingCommandHost host;
    ToggleNonStop(player.Context(), host);
    ASSERT_EQ(player.Player().activeSlot, kOrdinaryPlayback);
    player.Run(keep);
    EXPECT_EQ(StartedPaths(player), files);
    const auto [bStart, bEnd] = Heard(660);
    EXPECT_NEAR(static_cast<double>(bEnd - bStart), 1500, 2 * kTickMs);
    // Every window of b's time sounds: the hand-over left no gap.
    const auto levels = Levels(660);
    for (auto at = bStart / kTickMs; at < bEnd / kTickMs; ++at)
        EXPECT_GT(levels[static_cast<std::size_t>(at)], 0.05) << at * kTickMs;
    // Without the mix, c follows b's end instead of overlapping it.
    EXPECT_GE(Heard(880).first, bEnd - kTickMs);
}

TEST_F(PlaybackEndToEndTest, AModuleNeverOverlapsTheNextTrack) {
    const std::vector<std::string> files{Module("tone.mod"), Tone("b.ogg", 660, 1)};
    PlayOptions options;
    options.mix = true;
    HeadlessPlayer player(options, messages);
    Play(player, files);
    ASSERT_EQ(StartedPaths(player), files);
    EXPECT_GE(player.Starts()[1].timeMs, test::kToneModPatternMs - kTickMs);
    // Nothing of the module sounds once b has started.
    const auto levels = Levels(660);
    EXPECT_GT(levels[static_cast<std::size_t>(player.Starts()[1].timeMs / kTickMs) + 2], 0.05);
}

TEST_F(PlaybackEndToEndTest, TwoCdEntriesInARowDoNotOverlap) {
    const std::string cue = test::WriteCdImage(dir, "disc", {{150, 440.0}, {150, 660.0}});
    PlayOptions options;
    options.mix = true;
    options.gapMs = 500;
    HeadlessPlayer player(options, messages);
    ASSERT_TRUE(player.Start());
    PlaylistState& list = player.Playlist();
    for (std::int32_t track = 0; track < 2; ++track) {
        PlaylistEntry entry;
        entry.IsCdTrack = kFlagOn;
        entry.CdDrive = entry.Path = cue;
        entry.CdTrack = track;
        list.Playlist.push_back(entry);
    }
    list.HasEntries = 1;
    OpenTrack(player.Context(), 0);
    PlayTrack(player.Context());
    player.Run([this](std::span<const float> frames) { Keep(frames); });
    ASSERT_EQ(player.Starts().size(), 2u);
    const auto [firstStart, firstEnd] = Heard(440);
    const auto [secondStart, secondEnd] = Heard(660);
    EXPECT_LE(firstEnd, secondStart + kTickMs);
    EXPECT_NEAR(static_cast<double>(firstEnd), 1500, 2 * kTickMs);
    EXPECT_NEAR(static_cast<double>(secondEnd - secondStart), 1500, 2 * kTickMs);
    EXPECT_TRUE(messages.str().empty()) << messages.str();
}

} // namespace
} // namespace vantor
