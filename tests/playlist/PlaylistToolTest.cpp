// vantor-tool playlist: the entries adding a folder or a list gives, one
// line each, for the newer audio formats and the lists of other programs.
#include "Commands.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vantor {
namespace {

using test::TempDir;

struct CommandRun {
    int code = 0;
    std::string out;
    std::string err;
};

CommandRun RunPlaylist(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = tool::RunPlaylist(args, out, err);
    return {code, out.str(), err.str()};
}

// The line of an entry that only a path, a length text and a pending title
// were given.
std::string Line(const std::string& path, const std::string& lengthText,
                 const std::string& pendingTitle) {
    return path + " |  |  | 0 | 0 | " + lengthText + " | 0 | 0 | 0 |  | 0 | " + pendingTitle + "\n";
}

class PlaylistToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        a = dir.Write("a.flac", "x");
        b = dir.Write("sub/b c.opus", "x");
    }
    TempDir dir;
    std::string a;
    std::string b;
};

TEST_F(PlaylistToolTest, ListsOfOtherProgramsGiveTheirExistingFilesInOrder) {
    const std::string expected = Line(b, "0:03", "Listed B") + Line(a, "0:02", "Listed A");
    const std::vector<std::pair<std::string, std::string>> lists{
        {"list.m3u8", "#EXTINF:3,Listed B\nsub/b c.opus\nmissing.flac\n#EXTINF:2,Listed A\n" + a},
        {"list.pls", "[playlist]\nFile2=" + a +
                         "\nTitle2=Listed A\nLength2=2\nFile1=sub/b c.opus\nTitle1=Listed B\n"
                         "Length1=3\nFile3=missing.flac\nNumberOfEntries=3\n"},
        {"list.xspf", "<playlist><trackList><track><location>sub/b%20c.opus</location>"
                      "<title>Listed B</title><duration>3000</duration></track>"
                      "<track><location>file://" +
                          a +
                          "</location><title>Listed A</title><duration>2000</duration></track>"
                          "<track><location>missing.flac</location></track>"
                          "</trackList></playlist>"}};
    for (const auto& [name, text] : lists) {
        const CommandRun run = RunPlaylist({dir.Write(name, text)});
        EXPECT_EQ(run.code, 0) << name;
        EXPECT_EQ(run.out, expected) << name;
    }
}

TEST_F(PlaylistToolTest, AFolderGivesTheNewerFormatsButNotTheListsInIt) {
    const auto c = dir.Write("c.m4a", "x");
    const auto d = dir.Write("d.wv", "x");
    dir.Write("list.m3u8", "a.flac\n");
    dir.Write("list.xspf", "<playlist/>");
    const CommandRun run = RunPlaylist({dir.Path()});
    EXPECT_EQ(run.code, 0);
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(line.substr(0, line.find(" | ")));
    std::sort(lines.begin(), lines.end());
    // Sub-folders are searched only when the settings ask for it.
    EXPECT_EQ(lines, (std::vector<std::string>{a, c, d}));
}

TEST_F(PlaylistToolTest, ABrokenListGivesWhatCameBeforeTheBreak) {
    const CommandRun run = RunPlaylist(
        {dir.Write("cut.xspf", "<playlist><trackList><track><location>a.flac</location></track>"
                               "<track><location>sub/b c")});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, Line(a, "", ""));
}

} // namespace
} // namespace vantor
