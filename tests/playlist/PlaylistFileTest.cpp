#include "playlist/PlaylistFile.h"

#include "base/Paths.h"
#include "base/TextEncoding.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::ReadWholeFile;
using test::TempDir;

class PlaylistFileTest : public ::testing::Test {
protected:
    void SetUp() override { playlist.ResetToSpare(); }

    // Loads `text` as a playlist file in the temp folder and trims the spare
    // element the way an add does.
    bool Load(std::string_view text, std::string_view name = "list.m3u") {
        const bool ok = LoadPlaylistFile(dir.Write(name, text), playlist);
        playlist.TrimSpare();
        return ok;
    }
    const PlaylistEntry& At(std::size_t i) const { return playlist.Playlist.at(i); }

    TempDir dir;
    PlaylistState playlist;
};

TEST_F(PlaylistFileTest, ReadsTitlesLengthsAndRelativeLocations) {
    const auto song = dir.Write("Song.mp3", "x");
    ASSERT_TRUE(Load("#VantorExt:215000,Artist - Song\r\nSong.mp3\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(playlist.HasEntries, 1);
    EXPECT_EQ(At(0).Path, song);
    EXPECT_EQ(At(0).Title, "Artist - Song");
    EXPECT_EQ(At(0).LengthMs, Fixed4::FromInteger(215000));
    EXPECT_TRUE(At(0).LengthText.empty());
}

TEST_F(PlaylistFileTest, PendingTitleGoesToTheNextEntryThatResolves) {
    const auto found = dir.Write("b.mp3", "x");
    ASSERT_TRUE(Load("#VantorExt:1000,Missing One\r\nmissing.mp3\r\nb.mp3\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(At(0).Path, found);
    EXPECT_EQ(At(0).Title, "Missing One");
    EXPECT_EQ(At(0).LengthMs, Fixed4::FromInteger(1000));
}

TEST_F(PlaylistFileTest, OtherProgramsListsLoadTheirLocations) {
    const auto a = dir.Write("music/a.mp3", "x");
    const auto b = dir.Write("music/sub/b.ogg", "x");
    const auto abs = dir.Write("elsewhere/c.wav", "x");
    const std::string crlf = "#EXTM3U\r\n#EXTINF:123,Someone - A\r\nmusic/a.mp3\r\n"
                             "# a comment\r\nmusic\\SUB\\B.ogg\r\n" +
                             abs + "\r\n";
    ASSERT_TRUE(Load(crlf));
    ASSERT_EQ(playlist.Playlist.size(), 3u);
    EXPECT_EQ(At(0).Path, a);
    EXPECT_EQ(At(0).Title, "");
    EXPECT_EQ(At(1).Path, b);
    EXPECT_EQ(At(2).Path, abs);

    playlist.ResetToSpare();
    ASSERT_TRUE(Load("\xEF\xBB\xBF#EXTM3U\nmusic/a.mp3\n./music/sub/b.ogg", "lf.m3u8"));
    ASSERT_EQ(playlist.Playlist.size(), 2u);
    EXPECT_EQ(At(0).Path, a);
    EXPECT_EQ(At(1).Path, b);
}

TEST_F(PlaylistFileTest, LegacyCodePageAndUtf8NamesBothResolve) {
    SetLegacyCodePage(932);
    const auto utf8Name = dir.Write("曲.mp3", "x");
    // "曲" in Shift-JIS is 0x8B 0xC8.
    ASSERT_TRUE(Load("#VantorExt:0,\x8B\xC8\r\n\x8B\xC8.mp3\r\n曲.mp3\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 2u);
    EXPECT_EQ(At(0).Path, utf8Name);
    EXPECT_EQ(At(0).Title, "曲");
    EXPECT_EQ(At(1).Path, utf8Name);
}

TEST_F(PlaylistFileTest, LetterCaseOfFoldersAndNamesMayDiffer) {
    const auto deep = dir.Write("Music/Album One/Track.MP3", "x");
    dir.MakeFolder("Music/Album One/folder.mp3");
    ASSERT_TRUE(Load("MUSIC\\album one\\track.mp3\r\nmusic/ALBUM ONE/Track.MP3\r\n"
                     "Music/Album One/folder.mp3\r\nMusic/Album One/../Album One/TRACK.mp3\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 3u);
    EXPECT_EQ(At(0).Path, deep);
    EXPECT_EQ(At(1).Path, deep);
    EXPECT_EQ(At(2).Path, deep);
}

TEST_F(PlaylistFileTest, LinesWithNulNeverResolve) {
    dir.Write("a.mp3", "x");
    ASSERT_TRUE(Load(std::string("a.mp3\0junk\r\na.mp3\r\n", 19)));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(FileNameOf(At(0).Path), "a.mp3");
}

TEST_F(PlaylistFileTest, CdTrackLines) {
    ASSERT_TRUE(Load("#VantorExt:0,\r\nAudioCD,E:,3\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(At(0).IsCdTrack, kFlagOn);
    EXPECT_EQ(At(0).CdDrive, "E:");
    EXPECT_EQ(At(0).Path, "E:");
    EXPECT_EQ(At(0).CdTrack, 3);
}

TEST_F(PlaylistFileTest, CdImageTracksKeepTheImagePathCommasIncluded) {
    ASSERT_TRUE(Load("AudioCD,/discs/Live, 1999.cue,4\r\nAudioCD,/discs/b.toc,0\r\n"
                     "AudioCD\r\nAudioCDx,/y,2\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 4u);
    EXPECT_EQ(At(0).CdDrive, "/discs/Live, 1999.cue");
    EXPECT_EQ(At(0).Path, "/discs/Live, 1999.cue");
    EXPECT_EQ(At(0).CdTrack, 4);
    EXPECT_EQ(At(1).CdDrive, "/discs/b.toc");
    EXPECT_EQ(At(1).CdTrack, 0);
    // Lines without the drive field read as before.
    EXPECT_EQ(At(2).CdDrive, "AudioCD");
    EXPECT_EQ(At(3).CdDrive, "/y");
    EXPECT_EQ(At(3).CdTrack, 2);
}

TEST_F(PlaylistFileTest, MemberNamesWithCommasReadByTheirLength) {
    const auto zip = dir.Write("pack.zip", "PK");
    ASSERT_TRUE(Load("#VantorExt:180000,Other - Tune\r\n"
                     "#VantorExt2:9,a,b,c.mp3,1043,2881042,180000,Other, Tune\r\n"
                     "pack.zip\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(At(0).Path, zip);
    EXPECT_EQ(At(0).MemberName, "a,b,c.mp3");
    EXPECT_EQ(At(0).MemberStart, 1043);
    EXPECT_EQ(At(0).MemberEnd, 2881042);
    EXPECT_EQ(At(0).Title, "Other, Tune");
}

TEST_F(PlaylistFileTest, MemberLineTakesTheNextLineWhateverItBeginsWith) {
    dir.Write("#odd.zip", "PK");
    ASSERT_TRUE(Load("#VantorExt2:5,x.mp3,1,2,3,T\r\n#odd.zip\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(At(0).MemberName, "x.mp3");
}

TEST_F(PlaylistFileTest, MissingArchiveDropsTheMemberAndItsTitle) {
    dir.Write("b.mp3", "x");
    ASSERT_TRUE(Load("#VantorExt2:5,x.mp3,1,2,3,Gone\r\ngone.zip\r\nb.mp3\r\n"));
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(At(0).Title, "");
    EXPECT_EQ(At(0).MemberName, "");
}

TEST_F(PlaylistFileTest, MalformedMemberLineEndsReadingAndKeepsEntriesSoFar) {
    dir.Write("a.mp3", "x");
    dir.Write("b.mp3", "x");
    dir.Write("pack.zip", "PK");
    for (const std::string bad :
         {"#VantorExt2:99,short,1,2,3,T", "#VantorExt2:5,x.mp3;1,2,3,T", "#VantorExt2:5,x.mp3,1,2",
          "#VantorExt2:nocomma", "#VantorExt2:5,x.mp3,-4,2,3,T", "#VantorExt2:5,x.mp3,9,2,3,T",
          "#VantorExt2:5,x.mp3,1,99999999999,3,T"}) {
        SCOPED_TRACE(bad);
        playlist.ResetToSpare();
        EXPECT_FALSE(Load("a.mp3\r\n" + bad + "\r\npack.zip\r\nb.mp3\r\n"));
        ASSERT_EQ(playlist.Playlist.size(), 1u);
        EXPECT_EQ(FileNameOf(At(0).Path), "a.mp3");
    }
    playlist.ResetToSpare();
    EXPECT_FALSE(Load("a.mp3\r\n#VantorExt2:5,x.mp3,1,2,3,T"));
    EXPECT_EQ(playlist.Playlist.size(), 1u);
}

TEST_F(PlaylistFileTest, UnreadableFileAddsNothing) {
    EXPECT_FALSE(LoadPlaylistFile(dir.File("none.m3u"), playlist));
    EXPECT_EQ(playlist.HasEntries, 0);
}

TEST_F(PlaylistFileTest, SaveWritesTheDocumentedLinesWithRelativeLocations) {
    const auto song = dir.Write("Song.mp3", "x");
    const auto sub = dir.Write("sub/Deep.mp3", "x");
    const auto pack = dir.Write("pack.zip", "PK");
    playlist.Playlist = {PlaylistEntry{}, PlaylistEntry{}, PlaylistEntry{}, PlaylistEntry{}};
    playlist.HasEntries = 1;
    auto& first = playlist.Playlist[0];
    first.Path = song;
    first.Title = "Artist - Song";
    first.LengthMs = Fixed4::FromInteger(215000);
    playlist.Playlist[1].Path = sub;
    auto& member = playlist.Playlist[2];
    member.Path = pack;
    member.MemberName = "tune.mp3";
    member.MemberStart = 1043;
    member.MemberEnd = 2881042;
    member.Title = "Other - Tune";
    member.LengthMs = Fixed4::FromInteger(180000);
    auto& cd = playlist.Playlist[3];
    cd.IsCdTrack = kFlagOn;
    cd.CdDrive = "E:";
    cd.Path = "E:";
    cd.CdTrack = 3;

    const auto path = dir.File("list.dvl");
    ASSERT_TRUE(SavePlaylistFile(path, playlist));
    EXPECT_EQ(ReadWholeFile(path), "#VantorExt:215000,Artist - Song\r\nSong.mp3\r\n"
                                   "#VantorExt:0,\r\nsub/Deep.mp3\r\n"
                                   "#VantorExt:180000,Other - Tune\r\n"
                                   "#VantorExt2:8,tune.mp3,1043,2881042,180000,Other - Tune\r\n"
                                   "pack.zip\r\n"
                                   "#VantorExt:0,\r\nAudioCD,E:,3\r\n");

    const auto saved = playlist.Playlist;
    playlist.ResetToSpare();
    ASSERT_TRUE(LoadPlaylistFile(path, playlist));
    playlist.TrimSpare();
    EXPECT_EQ(playlist.Playlist, saved);
}

TEST_F(PlaylistFileTest, FilesOutsideTheFolderKeepTheirAbsolutePath) {
    playlist.Playlist.assign(1, PlaylistEntry{});
    playlist.HasEntries = 1;
    playlist.Playlist[0].Path = "/elsewhere/a.mp3";
    const auto text = FormatPlaylistText(playlist, dir.Path());
    EXPECT_EQ(text, "#VantorExt:0,\r\n/elsewhere/a.mp3\r\n");
}

TEST_F(PlaylistFileTest, TitlesWithLineBreaksSurviveSaveAndLoad) {
    const auto song = dir.Write("a.mp3", "x");
    playlist.Playlist.assign(2, PlaylistEntry{});
    playlist.HasEntries = 1;
    playlist.Playlist[0].Path = song;
    playlist.Playlist[0].Title = "Line one\r\nLine two";
    playlist.Playlist[1].Path = song;
    playlist.Playlist[1].Title = "Literal [\\n] marker";
    const auto path = dir.File("breaks.m3u");
    ASSERT_TRUE(SavePlaylistFile(path, playlist));

    playlist.ResetToSpare();
    ASSERT_TRUE(LoadPlaylistFile(path, playlist));
    playlist.TrimSpare();
    ASSERT_EQ(playlist.Playlist.size(), 2u);
    EXPECT_EQ(At(0).Title, "Line one\r\nLine two");
    EXPECT_EQ(At(1).Title, "Literal \r\n marker");
}

TEST_F(PlaylistFileTest, DefaultPlaylistRoundTrip) {
    const auto song = dir.Write("a.mp3", "x");
    const auto path = dir.File("Vantor.m3u");
    EXPECT_EQ(LoadDefaultPlaylist(path, playlist), 0);
    EXPECT_TRUE(playlist.Playlist.empty());

    ASSERT_TRUE(SaveDefaultPlaylist(path, playlist));
    EXPECT_EQ(ReadWholeFile(path), "");

    playlist.Playlist.assign(1, PlaylistEntry{});
    playlist.Playlist[0].Path = song;
    playlist.HasEntries = 1;
    ASSERT_TRUE(SaveDefaultPlaylist(path, playlist));
    EXPECT_EQ(LoadDefaultPlaylist(path, playlist), 1);
    ASSERT_EQ(playlist.Playlist.size(), 1u);
    EXPECT_EQ(At(0).Path, song);
}

TEST_F(PlaylistFileTest, FailedSaveKeepsThePreviousFile) {
    const auto path = dir.Write("keep.m3u", "old");
    playlist.HasEntries = 0;
    EXPECT_FALSE(SavePlaylistFile(dir.Path() + "no/such/folder/x.m3u", playlist));
    EXPECT_EQ(ReadWholeFile(path), "old");
}

} // namespace
} // namespace vantor
