#include "core/RandomPick.h"
#include "support/PlaybackHarness.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

class RandomPickTest : public ::testing::Test {
protected:
    void Files(int count) {
        for (int i = 0; i < count; ++i)
            h.AddFile("/" + std::to_string(i) + ".ogg", 1000);
    }
    void MarkPlayed(std::initializer_list<int> indices) {
        for (const int i : indices)
            h.playlist.Playlist[static_cast<std::size_t>(i)].Played = kFlagOn;
    }
    test::PlaybackHarness h;
};

TEST_F(RandomPickTest, AnEmptyListGivesZero) {
    EXPECT_EQ(PickRandomIndex(h.ctx, -1), 0);
}

TEST_F(RandomPickTest, SearchesUpwardsFromTheRandomStartThenDownwards) {
    Files(5);
    MarkPlayed({3, 4});
    h.random.values = {0.7}; // start 3
    EXPECT_EQ(PickRandomIndex(h.ctx, -1), 2);
    h.random.values = {0.2}; // start 1
    EXPECT_EQ(PickRandomIndex(h.ctx, -1), 1);
}

TEST_F(RandomPickTest, NeverPicksTheExcludedEntryAndRestoresItsMark) {
    Files(3);
    h.random.values = {0.5};
    EXPECT_EQ(PickRandomIndex(h.ctx, 1), 2);
    EXPECT_EQ(h.playlist.Playlist[1].Played, kFlagOff);
}

TEST_F(RandomPickTest, WhenEveryEntryIsPlayedANewRoundStarts) {
    Files(3);
    MarkPlayed({0, 1, 2});
    h.random.values = {0.9, 0.4};
    EXPECT_EQ(PickRandomIndex(h.ctx, -1), 1);
    for (const auto& entry : h.playlist.Playlist)
        EXPECT_EQ(entry.Played, kFlagOff);
}

TEST_F(RandomPickTest, ANewRoundStillKeepsTheExcludedEntryOut) {
    Files(2);
    MarkPlayed({1});
    h.random.values = {0.0, 0.0};
    EXPECT_EQ(PickRandomIndex(h.ctx, 0), 1);
    EXPECT_EQ(h.playlist.Playlist[0].Played, kFlagOff);
}

TEST_F(RandomPickTest, ASingleEntryIsPickedEvenWhenExcluded) {
    Files(1);
    EXPECT_EQ(PickRandomIndex(h.ctx, 0), 0);
    MarkPlayed({0});
    EXPECT_EQ(PickRandomIndex(h.ctx, 0), 0);
    EXPECT_EQ(h.playlist.Playlist[0].Played, kFlagOn);
}

TEST_F(RandomPickTest, AnExcludedIndexOutsideTheListIsReported) {
    Files(2);
    EXPECT_EQ(PickRandomIndex(h.ctx, 5), 0);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0],
              (test::ShownMessage{"GetFreeIndex Error", "どかん！！", MessageIcon::Critical}));
}

TEST_F(RandomPickTest, NextChoiceFollowsTheMode) {
    Files(3);
    EXPECT_EQ(NextChoice(h.ctx, 0), 1);
    EXPECT_EQ(NextChoice(h.ctx, 2), 0);
    h.settings.PlayRandomMode = 1;
    MarkPlayed({0});
    h.random.values = {0.0};
    EXPECT_EQ(NextChoice(h.ctx, 1), 2);
}

TEST_F(RandomPickTest, AllPlayedSeesEveryMark) {
    Files(2);
    MarkPlayed({0});
    EXPECT_FALSE(AllPlayed(h.ctx));
    MarkPlayed({1});
    EXPECT_TRUE(AllPlayed(h.ctx));
}

} // namespace
} // namespace vantor
