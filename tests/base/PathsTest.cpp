#include "base/Paths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vantor {
namespace {

TEST(Paths, StoredWindowsPathsFindFilesWhoseCaseDiffers) {
    test::TempDir dir;
    dir.Write("Skin/Default/Default.dvk", std::string_view("x"));
    EXPECT_EQ(ResolveStoredPath("Skin\\Default\\Default.dvk", dir.Path()),
              dir.Path() + "Skin/Default/Default.dvk");
    EXPECT_EQ(ResolveStoredPath("skin\\DEFAULT\\default.DVK", dir.Path()),
              dir.Path() + "Skin/Default/Default.dvk");
    EXPECT_EQ(ResolveStoredPath(dir.Path() + "skin/default", ""), dir.Path() + "Skin/Default");
    // Nothing on disk: the normalised form comes back.
    EXPECT_EQ(ResolveStoredPath("Other\\x.dvk", dir.Path()), dir.Path() + "Other/x.dvk");
    EXPECT_EQ(ResolveStoredPath("", dir.Path()), "");
}

TEST(Paths, RelativeStepsFoldAwayOnlyWhereTheFileStaysTheSame) {
    test::TempDir dir;
    dir.Write("Skin/Default/Default.dvk", std::string_view("x"));
    dir.Write("Skin/Showcase/Showcase.dvk", std::string_view("x"));
    EXPECT_EQ(NormalisedPath(dir.Path() + "Skin/Default/../Showcase/./Showcase.dvk"),
              dir.Path() + "Skin/Showcase/Showcase.dvk");
    // Through a link, ".." leaves the folder the link points into.
    std::filesystem::create_directory_symlink(dir.Path() + "Skin/Default", dir.Path() + "Link");
    const std::string throughLink = dir.Path() + "Link/../Showcase/Showcase.dvk";
    EXPECT_EQ(NormalisedPath(throughLink), throughLink);
    EXPECT_EQ(NormalisedPath(dir.Path() + "Skin/../missing.dvk"),
              dir.Path() + "Skin/../missing.dvk");
}

TEST(Paths, DriveLettersAndBackslashesAreNormalised) {
    EXPECT_EQ(NormaliseSeparators("C:\\Music\\a.mp3"), "/Music/a.mp3");
    EXPECT_EQ(NormaliseSeparators("a\\b"), "a/b");
    EXPECT_EQ(NormaliseSeparators("/already/fine"), "/already/fine");
}

TEST(Paths, LongPathNameSpellsComponentsAsListed) {
    test::TempDir dir;
    dir.Write("Music/Song.MP3", std::string_view("x"));
    EXPECT_EQ(ToLongPathName(dir.Path() + "music/song.mp3"), dir.Path() + "Music/Song.MP3");
    EXPECT_EQ(ToLongPathName(dir.Path() + "Music/Song.MP3"), dir.Path() + "Music/Song.MP3");
    EXPECT_EQ(ToLongPathName("missing file"), "missing file");
    EXPECT_EQ(ToLongPathName("\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(ToLongPathName("-r"), "-r");
}

TEST(Paths, SplitsNamesAndFolders) {
    EXPECT_EQ(FolderOf("/a/b/c.mp3"), "/a/b/");
    EXPECT_EQ(FolderOf("c.mp3"), "");
    EXPECT_EQ(FileNameOf("/a/b/c.mp3"), "c.mp3");
    EXPECT_EQ(FileTitleOf("/a/song.zip.mp3"), "song.zip");
    EXPECT_EQ(FileTitleOf("/a/.hidden"), ".hidden");
    EXPECT_EQ(ExtensionOf("/a.b/song"), "");
    EXPECT_EQ(ExtensionOf("/a/song.zip.MP3"), "MP3");
    EXPECT_EQ(EnsureTrailingSlash("/a"), "/a/");
    EXPECT_EQ(EnsureTrailingSlash("/a/"), "/a/");
}

TEST(Paths, AppFolderIsTheProgramFolderWhenWritable) {
    test::TempDir dir;
    EXPECT_EQ(ChooseAppFolder(dir.Path()), dir.Path());
}

TEST(Paths, AnInstalledProgramKeepsItsFilesInTheUsersConfigFolder) {
    test::TempDir prefix;
    prefix.MakeFolder("share/vantor/Skin");
    const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", (prefix.Path() + "home-config").c_str(), 1);
    EXPECT_EQ(ChooseAppFolder(prefix.MakeFolder("bin")), prefix.Path() + "home-config/vantor/");
    EXPECT_TRUE(DirectoryExists(prefix.Path() + "home-config/vantor/"));
    if (saved.empty())
        ::unsetenv("XDG_CONFIG_HOME");
    else
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

} // namespace
} // namespace vantor
