#include "playlist/FolderScan.h"

#include "PlaylistFixture.h"
#include "support/ZipWriter.h"

#include <filesystem>

namespace vantor::test {
namespace {

class FolderScanTest : public PlaylistFixture {
protected:
    void Scan(const std::string& folder, bool recurse, FolderFiles files = FolderFiles::All) {
        state.ResetToSpare();
        ScanFolder(folder, recurse, state, messages, files);
        state.TrimSpare();
    }
};

TEST_F(FolderScanTest, FilesComeBeforeSubFoldersDepthFirst) {
    dir.Write("top/b.mp3", "x");
    dir.Write("top/A.ogg", "x");
    dir.Write("top/sub1/c.xm", "x");
    dir.Write("top/sub1/deeper/d.it", "x");
    dir.Write("top/sub2/e.wav", "x");
    Scan(dir.Path() + "top", true);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A.ogg", "b.mp3", "c.xm", "d.it", "e.wav"}));
    EXPECT_EQ(state.Playlist.front().Path, dir.Path() + "top/A.ogg");
    EXPECT_EQ(state.HasEntries, 1);
}

TEST_F(FolderScanTest, WithoutRecursionOnlyTheFolderItself) {
    dir.Write("top/a.mp3", "x");
    dir.Write("top/sub/b.mp3", "x");
    Scan(dir.Path() + "top/", false);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"a.mp3"});
}

TEST_F(FolderScanTest, PlaylistsAndUnknownFilesAreNotTaken) {
    dir.Write("f/list.m3u", "a.mp3\r\n");
    dir.Write("f/list.dvl", "");
    dir.Write("f/notes.txt", "");
    dir.Write("f/a.mp3", "x");
    dir.MakeFolder("f/folder.mp3");
    Scan(dir.Path() + "f", true);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"a.mp3"});
}

TEST_F(FolderScanTest, ArchivesGoThroughTheZipProbe) {
    const auto archive = ZipArchive({{"music/a/one.mp3", Bytes(100, 1)},
                                     {"readme.txt", Bytes(5, 2)},
                                     {"two.OGG", Bytes(50, 3)}});
    const auto zip = dir.Write("f/pack.zip", archive.bytes);
    const auto fake = dir.Write("f/song.zip.mp3", "ID3");
    dir.Write("f/text.zip", ZipArchive({{"notes.txt", Bytes(3, 0)}}).bytes);
    Scan(dir.Path() + "f", false);
    ASSERT_EQ(state.Playlist.size(), 3u);
    EXPECT_EQ(state.Playlist[0].Path, zip);
    EXPECT_EQ(state.Playlist[0].MemberName, "one.mp3");
    EXPECT_EQ(state.Playlist[0].MemberStart, static_cast<std::int32_t>(archive.dataStarts[0]));
    EXPECT_EQ(state.Playlist[0].MemberEnd, static_cast<std::int32_t>(archive.dataStarts[0]) + 99);
    EXPECT_EQ(state.Playlist[1].MemberName, "two.OGG");
    // Not an archive: added as an ordinary file; an archive without
    // playable members adds nothing.
    EXPECT_EQ(state.Playlist[2].Path, fake);
    EXPECT_TRUE(state.Playlist[2].MemberName.empty());
}

TEST_F(FolderScanTest, DeflatedMemberStopsTheArchiveAndKeepsWhatCameBefore) {
    const auto zip = dir.Write("f/mixed.zip", ZipArchive({{"first.mp3", Bytes(40, 1)},
                                                          {"second.mp3", Bytes(400, 0), true},
                                                          {"third.mp3", Bytes(40, 1)}})
                                                  .bytes);
    Scan(dir.Path() + "f", false);
    ASSERT_EQ(state.Playlist.size(), 1u);
    EXPECT_EQ(state.Playlist[0].MemberName, "first.mp3");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, zip + "は無圧縮Zipではないので、処理できません。");
}

TEST_F(FolderScanTest, ArchiveTheWalkCannotFollowIsAlsoAddedWhole) {
    // The second member's size follows its data in a descriptor, which the
    // walk does not read: it stops there and the archive counts as a file.
    const auto zip = dir.Write("f/descriptor.zip", ZipArchive({{"a.mp3", Bytes(10, 1)},
                                                               {"b.mp3", Bytes(10, 1), false, true},
                                                               {"c.mp3", Bytes(10, 1)}})
                                                       .bytes);
    Scan(dir.Path() + "f", false);
    ASSERT_EQ(state.Playlist.size(), 2u);
    EXPECT_EQ(state.Playlist[0].MemberName, "a.mp3");
    EXPECT_EQ(state.Playlist[1].Path, zip);
    EXPECT_TRUE(state.Playlist[1].MemberName.empty());
}

TEST_F(FolderScanTest, HiddenFilesOnlyWhenAllFilesAreAsked) {
    dir.Write("f/.hidden.mp3", "x");
    dir.Write("f/shown.mp3", "x");
    Scan(dir.Path() + "f", false, FolderFiles::NormalOnly);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"shown.mp3"});
    Scan(dir.Path() + "f", false, FolderFiles::All);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{".hidden.mp3", "shown.mp3"}));
}

TEST_F(FolderScanTest, SymbolicLinkCycleEndsTheScan) {
    namespace fs = std::filesystem;
    dir.Write("loop/a.mp3", "x");
    dir.Write("loop/inner/b.mp3", "x");
    fs::create_directory_symlink(dir.Path() + "loop", dir.Path() + "loop/inner/back");
    fs::create_directory_symlink(".", dir.Path() + "loop/self");
    Scan(dir.Path() + "loop", true);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.mp3", "b.mp3"}));
}

TEST_F(FolderScanTest, LinkedFilesCountAndBrokenLinksDoNot) {
    namespace fs = std::filesystem;
    const auto target = dir.Write("elsewhere/t.mp3", "x");
    dir.MakeFolder("f");
    fs::create_symlink(target, dir.Path() + "f/linked.mp3");
    fs::create_symlink(dir.Path() + "missing.mp3", dir.Path() + "f/broken.mp3");
    Scan(dir.Path() + "f", true);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"linked.mp3"});
}

TEST_F(FolderScanTest, MissingFolderAddsNothing) {
    Scan(dir.Path() + "none", true);
    EXPECT_TRUE(state.Playlist.empty());
    EXPECT_EQ(state.HasEntries, 0);
}

} // namespace
} // namespace vantor::test
