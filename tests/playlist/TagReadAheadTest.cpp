#include "playlist/TagReadAhead.h"

#include "media/SongText.h"
#include "support/Id3Writer.h"
#include "support/ModWriter.h"
#include "support/MpegFrameWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

constexpr auto kStyle = "%2 - %1";

class TagReadAheadTest : public ::testing::Test {
protected:
    std::string WriteSong(const std::string& name, const std::string& title,
                          std::size_t frames = 40) {
        Id3v2Writer tag(3);
        tag.TextFrame("TIT2", Id3Encoding::Utf8, title)
            .TextFrame("TPE1", Id3Encoding::Utf8, "Band");
        return dir.Write(name, Concat({tag.Build(), MpegFrames({}, frames)}));
    }

    static SongTrack TrackOf(const std::string& path) {
        SongTrack track;
        track.Path = path;
        return track;
    }

    // The title and time as the tag reader's tick reads them itself.
    static TagReadAhead::Result ReadOnTheTick(const SongTrack& track) {
        SongTextContext texts;
        texts.moduleTitle = [](const std::string&) { return std::string("Module"); };
        const SongText text = BuildSongText(kStyle, track, SongTextMode::Playlist, texts);
        return {text.Text, text.Description.PlayTimeMs};
    }

    std::optional<TagReadAhead::Result> Read(const SongTrack& track) {
        EXPECT_TRUE(ahead.Await(kStyle, track, std::nullopt));
        return ahead.Take(kStyle, track);
    }

    TempDir dir;
    TagReadAhead ahead;
};

TEST_F(TagReadAheadTest, GivesWhatTheTickWouldReadAndLeavesModulesToIt) {
    std::vector<SongTrack> tracks;
    for (int i = 0; i < 30; ++i)
        tracks.push_back(TrackOf(WriteSong(std::to_string(i) + ".mp3", "Song " + std::to_string(i),
                                           20 + static_cast<std::size_t>(i))));
    tracks.push_back(TrackOf(dir.Write("tune.mod", WriteMod(ToneModSpec("Tune", 3)))));
    ahead.Read(kStyle, tracks, {});

    for (std::size_t i = 0; i + 1 < tracks.size(); ++i) {
        const auto read = Read(tracks[i]);
        ASSERT_TRUE(read) << i;
        const auto expected = ReadOnTheTick(tracks[i]);
        EXPECT_EQ(read->title, expected.title);
        EXPECT_EQ(read->title, "Song " + std::to_string(i) + " - Band");
        EXPECT_EQ(read->lengthMs, expected.lengthMs);
        // Handed over once.
        EXPECT_FALSE(ahead.Take(kStyle, tracks[i]));
    }
    // A module's title comes from the sound library, on the tick.
    EXPECT_FALSE(Read(tracks.back()));
}

TEST_F(TagReadAheadTest, AFileWrittenAfterItWasReadIsReadAgainOnTheTick) {
    const SongTrack track = TrackOf(WriteSong("a.mp3", "Before"));
    ahead.Read(kStyle, {track}, {});
    ASSERT_TRUE(ahead.Await(kStyle, track, std::nullopt));
    WriteSong("a.mp3", "After the tag editor");
    EXPECT_FALSE(ahead.Take(kStyle, track));
}

TEST_F(TagReadAheadTest, ANewListKeepsWhatWasReadForItAndReadsTheRest) {
    const SongTrack a = TrackOf(WriteSong("a.mp3", "A"));
    const SongTrack b = TrackOf(WriteSong("b.mp3", "B"));
    const SongTrack c = TrackOf(WriteSong("c.mp3", "C"));
    ahead.Read(kStyle, {a, b}, {});
    ASSERT_TRUE(ahead.Await(kStyle, b, std::nullopt));
    ahead.Read(kStyle, {b, c}, {});
    EXPECT_FALSE(ahead.Take(kStyle, a));
    ASSERT_TRUE(Read(b));
    const auto read = Read(c);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->title, "C - Band");

    // Another title template reads anew; the old results do not fit it.
    ahead.Read(kStyle, {a}, {});
    ASSERT_TRUE(ahead.Await(kStyle, a, std::nullopt));
    EXPECT_FALSE(ahead.Take("%1", a));
}

} // namespace
} // namespace vantor::test
