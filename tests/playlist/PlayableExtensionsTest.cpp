#include "playlist/PlayableExtensions.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(PlayableExtensions, TableKeepsItsOrder) {
    EXPECT_EQ(PlayableExtensions.front(), ".MOD");
    EXPECT_EQ(PlayableExtensions[9], ".MP3");
    EXPECT_EQ(PlayableExtensions[15], ".ZIP.MP3");
    EXPECT_EQ(PlayableExtensions[17], ".ZIP");
    EXPECT_EQ(PlayableExtensions[18], ".DVL");
    EXPECT_EQ(PlayableExtensions.back(), ".M3U");
}

TEST(PlayableExtensions, ComparesThreeFourAndFiveCharactersIgnoringCase) {
    EXPECT_EQ(MatchPlayableExtension("song.mp3"), 9);
    EXPECT_EQ(MatchPlayableExtension("Track.XM"), 2);
    EXPECT_EQ(MatchPlayableExtension("track.it"), 3);
    EXPECT_EQ(MatchPlayableExtension("Take.AIFF"), 14);
    EXPECT_EQ(MatchPlayableExtension("take.aif"), 13);
    EXPECT_EQ(MatchPlayableExtension("pack.Zip"), 17);
    EXPECT_EQ(MatchPlayableExtension("list.dvl"), 18);
    EXPECT_EQ(MatchPlayableExtension("list.M3U"), 19);
}

TEST(PlayableExtensions, ZipFormsNeverMatchBecauseTheTailIsTooShort) {
    EXPECT_EQ(MatchPlayableExtension("song.zip.mp3"), 9);
    EXPECT_EQ(MatchPlayableExtension("song.zip.ogg"), 10);
}

TEST(PlayableExtensions, UnknownAndShortNamesDoNotMatch) {
    EXPECT_EQ(MatchPlayableExtension("notes.txt"), kNoExtensionMatch);
    EXPECT_EQ(MatchPlayableExtension("mp3"), kNoExtensionMatch);
    EXPECT_EQ(MatchPlayableExtension(""), kNoExtensionMatch);
    // ".flac" is five characters but not in the table.
    EXPECT_EQ(MatchPlayableExtension("a.flac"), kNoExtensionMatch);
}

TEST(PlayableExtensions, LimitLeavesPlaylistsOutOfFolderScans) {
    EXPECT_EQ(MatchPlayableExtension("list.m3u", kFirstPlaylistExtension), kNoExtensionMatch);
    EXPECT_EQ(MatchPlayableExtension("pack.zip", kFirstPlaylistExtension), 17);
    EXPECT_TRUE(IsPlaylistExtension(18));
    EXPECT_FALSE(IsPlaylistExtension(17));
}

} // namespace
} // namespace vantor
