#include "playlist/TagReader.h"

#include "PlaylistFixture.h"

namespace vantor::test {
namespace {

class TagReaderTest : public PlaylistFixture {};

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

    EXPECT_EQ(TagReaderTick(context), "01:30");
    EXPECT_EQ(state.Playlist[0].Title, "%1:0.mp3");
    EXPECT_EQ(state.Playlist[0].LengthText, "1:30");
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(view.timeText, "1:30 / 01:30");

    EXPECT_EQ(TagReaderTick(context), "02:00");
    EXPECT_EQ(state.Playlist[1].Title, "Known");
    EXPECT_EQ(state.Playlist[1].LengthText, "0:30");
    EXPECT_EQ(view.redraws, 2);
    EXPECT_EQ(state.TagCursor, 2);

    EXPECT_EQ(TagReaderTick(context), "");
    EXPECT_EQ(view.tagInterval, 0);
    EXPECT_EQ(view.redraws, 2);
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
