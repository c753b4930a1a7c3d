// vantor-tool cd on CD images the tests write: the rows the window would
// show, and what broken images give.
#include "Commands.h"

#include "cd/CdListing.h"
#include "engine/cd/CdDevice.h"
#include "support/CdImageWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vantor {
namespace {

using test::CdImageTrack;

struct CommandRun {
    int code = 0;
    std::string out;
    std::string err;
};

CommandRun RunCd(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = tool::RunCd(args, out, err);
    return {code, out.str(), err.str()};
}

// A sheet of `count` one-second tracks over one BIN file of `binSectors`.
std::string WriteSheet(const test::TempDir& dir, int count, int binSectors) {
    dir.Write("many.bin", std::string(static_cast<std::size_t>(binSectors) * 2352, '\0'));
    std::string cue = "FILE \"many.bin\" BINARY\r\n";
    for (int track = 1; track <= count; ++track) {
        const int second = track - 1;
        char line[80];
        std::snprintf(line, sizeof line, "  TRACK %02d AUDIO\r\n    INDEX 01 %02d:%02d:00\r\n",
                      track, second / 60, second % 60);
        cue += line;
    }
    return dir.Write("many.cue", cue);
}

TEST(CdToolTest, TracksOfAnImageAreTheWindowsRows) {
    test::TempDir dir;
    const auto cue = test::WriteCdImage(dir, "disc", {{75 * 61, 440.0}, {75 * 3 + 40, 660.0}});
    const CommandRun run = RunCd({"tracks", cue});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "Track1\t01:01\nTrack2\t00:04\n");
    EXPECT_EQ(run.err, "");
}

TEST(CdToolTest, TracksWithCdTextShowTheirTitles) {
    test::TempDir dir;
    const auto cue = test::WriteCdImage(
        dir, "named", {{75, 440.0, "Opening", "The Band"}, {75, 660.0}, {75, 880.0, "Coda"}});
    EXPECT_EQ(RunCd({"tracks", cue}).out,
              "Track1\t00:01\tOpening\nTrack2\t00:01\nTrack3\t00:01\tCoda\n");
}

TEST(CdToolTest, DrivesWithoutAnyListTheNoDeviceLine) {
    if (!engine::CdDevice::ListDrives().empty())
        GTEST_SKIP() << "this machine has a CD drive";
    const CommandRun run = RunCd({"drives"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, std::string(kNoCdDevices) + "\n");
    // A letter without a drive has no tracks.
    EXPECT_EQ(RunCd({"tracks", "d:"}).out, "");
}

TEST(CdToolTest, BrokenImagesListWhatTheyHoldOrNothing) {
    test::TempDir dir;
    // No tracks at all.
    EXPECT_EQ(RunCd({"tracks", dir.Write("empty.cue", "FILE \"none.bin\" BINARY\r\n")}).out, "");
    // The audio file is missing.
    EXPECT_EQ(RunCd({"tracks", dir.Write("lost.cue", "FILE \"lost.bin\" BINARY\r\n"
                                                     "  TRACK 01 AUDIO\r\n"
                                                     "    INDEX 01 00:00:00\r\n")})
                  .out,
              "");
    // The sheet names 99 one-second tracks, the most a disc holds, over ten
    // and a quarter seconds of audio: the tracks that start inside it are
    // listed, the last cut at its end.
    const CommandRun many = RunCd({"tracks", WriteSheet(dir, 99, 75 * 10 + 20)});
    EXPECT_EQ(many.code, 0);
    std::string expected;
    for (int track = 1; track <= 10; ++track)
        expected += "Track" + std::to_string(track) + "\t00:01\n";
    EXPECT_EQ(many.out, expected + "Track11\t00:00\n");
}

TEST(CdToolTest, BadArgumentsGiveUsage) {
    EXPECT_EQ(RunCd({}).code, 2);
    EXPECT_EQ(RunCd({"tracks"}).code, 2);
    EXPECT_EQ(RunCd({"eject", "d:"}).code, 2);
}

} // namespace
} // namespace vantor
