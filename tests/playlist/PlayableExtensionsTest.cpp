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
    EXPECT_EQ(PlayableExtensions[19], ".M3U");
    EXPECT_EQ(PlayableExtensions[20], ".FLAC");
    EXPECT_EQ(PlayableExtensions[26], ".OGA");
    EXPECT_EQ(PlayableExtensions.back(), ".XSPF");
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
    EXPECT_EQ(MatchPlayableExtension("a.wave"), kNoExtensionMatch);
    EXPECT_EQ(MatchPlayableExtension("awv"), kNoExtensionMatch);
}

TEST(PlayableExtensions, NewerFormatsMatchAfterTheFixedIndices) {
    EXPECT_EQ(MatchPlayableExtension("a.flac"), 20);
    EXPECT_EQ(MatchPlayableExtension("a.Opus"), 21);
    EXPECT_EQ(MatchPlayableExtension("a.M4A"), 22);
    EXPECT_EQ(MatchPlayableExtension("a.mp4"), 23);
    EXPECT_EQ(MatchPlayableExtension("a.aac"), 24);
    EXPECT_EQ(MatchPlayableExtension("a.wv"), 25);
    EXPECT_EQ(MatchPlayableExtension("a.oga"), 26);
}

TEST(PlayableExtensions, OtherProgramsListsMatchAfterTheAudioFormats) {
    EXPECT_EQ(MatchPlayableExtension("list.M3U8"), kM3u8Extension);
    EXPECT_EQ(MatchPlayableExtension("radio.pls"), kPlsExtension);
    EXPECT_EQ(MatchPlayableExtension("mix.Xspf"), kXspfExtension);
    for (const char* list : {"a.m3u8", "a.pls", "a.xspf"}) {
        EXPECT_TRUE(IsPlaylistExtension(MatchPlayableExtension(list))) << list;
        EXPECT_FALSE(IsMediaExtension(MatchPlayableExtension(list))) << list;
    }
}

TEST(PlayableExtensions, OnlyThePlaylistTypesCountAsPlaylists) {
    EXPECT_TRUE(IsPlaylistExtension(MatchPlayableExtension("list.dvl")));
    EXPECT_TRUE(IsPlaylistExtension(MatchPlayableExtension("list.m3u")));
    EXPECT_FALSE(IsMediaExtension(MatchPlayableExtension("list.m3u")));
    EXPECT_TRUE(IsMediaExtension(MatchPlayableExtension("pack.zip")));
    EXPECT_TRUE(IsMediaExtension(MatchPlayableExtension("a.flac")));
    EXPECT_FALSE(IsPlaylistExtension(MatchPlayableExtension("a.oga")));
    EXPECT_FALSE(IsMediaExtension(kNoExtensionMatch));
}

} // namespace
} // namespace vantor
