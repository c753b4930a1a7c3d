// vantor-tool settings write: the file it writes is the one the player would
// write after starting in the same folder.
#include "Commands.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantor {
namespace {

using test::TempDir;

// The value line of `key` in the settings text.
std::string ValueOf(const std::string& text, const std::string& key) {
    const auto at = text.find(key + "\r\n");
    if (at == std::string::npos)
        return "(missing)";
    const auto start = at + key.size() + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

std::string WriteSettings(const TempDir& dir) {
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{"write", dir.File("Vantor.DVC")};
    EXPECT_EQ(tool::RunSettings(args, out, err), 0) << err.str();
    return test::ReadWholeFile(dir.File("Vantor.DVC"));
}

void StoreSongIndex(const TempDir& dir, const std::string& index) {
    dir.Write("Vantor.DVC", "<CurrentSongIndex>\r\n" + index + "\r\n");
}

TEST(SettingsTool, AnEmptyListSavesNoSongAsThePlayerDoes) {
    TempDir dir;
    EXPECT_EQ(ValueOf(WriteSettings(dir), "<CurrentSongIndex>"), "-1 ");
    StoreSongIndex(dir, " 2 ");
    EXPECT_EQ(ValueOf(WriteSettings(dir), "<CurrentSongIndex>"), "-1 ");
}

TEST(SettingsTool, TheSongIndexFollowsTheDefaultPlaylistBesideTheFile) {
    TempDir dir;
    for (const char* song : {"a.mp3", "b.mp3", "c.mp3"})
        dir.Write(song, std::string_view("x"));
    dir.Write("Vantor.m3u", "a.mp3\r\nb.mp3\r\nc.mp3\r\n");
    StoreSongIndex(dir, " 2 ");
    EXPECT_EQ(ValueOf(WriteSettings(dir), "<CurrentSongIndex>"), " 2 ");
    // Outside the list the player starts again at the first entry.
    StoreSongIndex(dir, " 7 ");
    EXPECT_EQ(ValueOf(WriteSettings(dir), "<CurrentSongIndex>"), " 0 ");
    StoreSongIndex(dir, "-1 ");
    EXPECT_EQ(ValueOf(WriteSettings(dir), "<CurrentSongIndex>"), " 0 ");
}

} // namespace
} // namespace vantor
