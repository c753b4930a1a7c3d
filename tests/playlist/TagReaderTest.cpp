#include "playlist/TagReader.h"

#include "PlaylistFixture.h"
#include "playlist/PlaylistEdit.h"

#include <memory>

namespace vantor::test {
namespace {

using namespace std::chrono_literals;

// A clock that advances a fixed step each time it is read, as if every
// entry took that long to read.
TagReadBudget SteppingBudget(std::chrono::microseconds share, std::chrono::microseconds step) {
    auto at = std::make_shared<TagReadBudget::Clock::time_point>();
    return {share, [at, step] { return *at += step; }};
}

// A budget that is spent after the first entry.
const TagReadBudget kOneEntry = SteppingBudget(0us, 1us);

class TagReaderTest : public PlaylistFixture {
protected:
    // Entries whose play times are distinct powers of two seconds, so that
    // every set of entries has its own sum.
    void MakeTimedEntries(int count) {
        MakeEntries(count);
        for (int i = 0; i < count; ++i)
            media.songLengths[state.Playlist[static_cast<std::size_t>(i)].Path] =
                Fixed4::FromInteger(1000 << i);
    }
    // The rule the kept total stands for, counted the long way.
    Fixed4 SumBeforeCursor() const {
        Fixed4 sum;
        for (std::int32_t i = 0; i < state.TagCursor && i < state.EntryCount(); ++i)
            sum = sum + state.Playlist[static_cast<std::size_t>(i)].LengthMs;
        return sum;
    }
    void ReadAll() {
        while (!TagReaderTick(context, kOneEntry).empty()) {
        }
    }
};

TEST_F(TagReaderTest, IntervalFallsBackToFiftyBelowOne) {
    MakeEntries(1);
    settings.GetTagInterval = 0;
    StartTagReader(context, 0);
    EXPECT_EQ(view.tagInterval, 50);
    settings.GetTagInterval = 120;
    StartTagReader(context, 0);
    EXPECT_EQ(view.tagInterval, 120);
}

TEST_F(TagReaderTest, LengthComesFromTheStreamWhenUnknown) {
    PlaylistEntry entry;
    entry.Path = "/m/a.ogg";
    media.streamLengths[entry.Path] = Fixed4::FromInteger(61000);
    EXPECT_EQ(ReadLengthText(entry, media), "1:01");
    EXPECT_EQ(entry.LengthMs, Fixed4::FromInteger(61000));
    EXPECT_EQ(ReadLengthText(entry, media), "1:01");
    EXPECT_EQ(media.streamOpens, 1);

    PlaylistEntry broken;
    broken.Path = "/m/none.ogg";
    EXPECT_EQ(ReadLengthText(broken, media), "0:00");
}

TEST_F(TagReaderTest, EachTickFillsOneEntryAndStopsPastTheEnd) {
    MakeEntries(2);
    settings.PlayListStyle = "%1";
    media.songLengths["/music/0.mp3"] = Fixed4::FromInteger(90000);
    state.Playlist[1].Title = "Known";
    state.Playlist[1].LengthMs = Fixed4::FromInteger(30000);
    StartTagReader(context, 0);

    EXPECT_EQ(TagReaderTick(context, kOneEntry), "01:30");
    EXPECT_EQ(state.Playlist[0].Title, "%1:0.mp3");
    EXPECT_EQ(state.Playlist[0].LengthText, "1:30");
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(view.timeText, "1:30 / 01:30");

    EXPECT_EQ(TagReaderTick(context, kOneEntry), "02:00");
    EXPECT_EQ(state.Playlist[1].Title, "Known");
    EXPECT_EQ(state.Playlist[1].LengthText, "0:30");
    EXPECT_EQ(view.redraws, 2);
    EXPECT_EQ(state.TagCursor, 2);

    EXPECT_EQ(TagReaderTick(context, kOneEntry), "");
    EXPECT_EQ(view.tagInterval, 0);
    EXPECT_EQ(view.redraws, 2);
}

TEST_F(TagReaderTest, ATickFillsWhatItsShareAllowsInListOrderWithOneRedraw) {
    MakeTimedEntries(7);
    settings.PlayListStyle = "%1";
    StartTagReader(context, 0);
    // Each entry takes 2 ms against a 5 ms share: the tick reads on while
    // time is left, so the third entry, which ends past the share, is its last.
    const auto budget = SteppingBudget(5ms, 2ms);

    EXPECT_EQ(TagReaderTick(context, budget), "00:07");
    EXPECT_EQ(state.TagCursor, 3);
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(state.Playlist[2].Title, "%1:2.mp3");
    EXPECT_EQ(state.Playlist[2].LengthText, "0:04");
    EXPECT_TRUE(state.Playlist[3].Title.empty());

    EXPECT_EQ(TagReaderTick(context, budget), "01:03");
    EXPECT_EQ(view.redraws, 2);
    EXPECT_EQ(TagReaderTick(context, budget), "02:07");
    EXPECT_EQ(state.TagCursor, 7);
    EXPECT_EQ(view.timeText, "0:01 / 02:07");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(state.Playlist[static_cast<std::size_t>(i)].Title,
                  "%1:" + std::to_string(i) + ".mp3");

    EXPECT_EQ(TagReaderTick(context, budget), "");
    EXPECT_EQ(view.tagInterval, 0);
}

TEST_F(TagReaderTest, AnEntryTooSlowForTheShareStillMovesTheReaderOn) {
    MakeTimedEntries(2);
    StartTagReader(context, 0);
    const auto budget = SteppingBudget(1ms, 50ms);
    EXPECT_EQ(TagReaderTick(context, budget), "00:01");
    EXPECT_EQ(TagReaderTick(context, budget), "00:03");
}

TEST_F(TagReaderTest, TheTotalKeptThroughMovesIsTheSumBeforeTheCursor) {
    constexpr int kCount = 5;
    for (int cursor = 0; cursor <= kCount; ++cursor) {
        for (int from = 0; from < kCount; ++from) {
            for (int to = 0; to < kCount; ++to) {
                MakeTimedEntries(kCount);
                StartTagReader(context, 0);
                ReadAll();
                StartTagReader(context, cursor);
                ASSERT_TRUE(MoveEntry(state, from, to));
                EXPECT_EQ(state.LengthBeforeTagCursor, SumBeforeCursor())
                    << "cursor " << cursor << ", " << from << " to " << to;
            }
        }
    }
}

TEST_F(TagReaderTest, TheTotalKeptThroughDeletionsIsTheSumBeforeTheCursor) {
    constexpr int kCount = 4;
    for (int cursor = 0; cursor <= kCount; ++cursor) {
        for (int deleted = 0; deleted < kCount; ++deleted) {
            MakeTimedEntries(kCount);
            StartTagReader(context, 0);
            ReadAll();
            StartTagReader(context, cursor);
            state.SelectedIndex = deleted;
            DeleteSelected(context);
            EXPECT_EQ(state.LengthBeforeTagCursor, SumBeforeCursor())
                << "cursor " << cursor << ", deleted " << deleted;
            EXPECT_EQ(state.TagCursor, deleted < cursor ? cursor - 1 : cursor);
        }
    }
}

TEST_F(TagReaderTest, ARestartCountsTheEntriesBeforeItsFirstIndex) {
    MakeTimedEntries(3);
    state.Playlist[0].LengthMs = Fixed4::FromInteger(4000);
    state.Playlist[1].LengthMs = Fixed4::FromInteger(60000);
    StartTagReader(context, 2);
    EXPECT_EQ(TagReaderTick(context, kOneEntry), "01:08");
}

TEST_F(TagReaderTest, FilledEntriesAreNotRedrawn) {
    MakeEntries(1);
    state.Playlist[0].Title = "T";
    state.Playlist[0].LengthText = "0:01";
    StartTagReader(context, 0);
    TagReaderTick(context);
    EXPECT_EQ(view.redraws, 0);
    EXPECT_EQ(media.streamOpens, 0);
}

TEST_F(TagReaderTest, EmptyListStopsTheTimer) {
    StartTagReader(context, 0);
    EXPECT_EQ(TagReaderTick(context), "");
    EXPECT_EQ(view.tagInterval, 0);
}

} // namespace
} // namespace vantor::test
