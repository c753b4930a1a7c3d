// vantor-tool info and zip on fixtures: the lines the commands print.
#include "Commands.h"

#include "support/Id3Writer.h"
#include "support/MpegFrameWriter.h"
#include "support/TempDir.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace vantor {
namespace {

using namespace vantor::test;

struct CommandRun {
    int code = 0;
    std::string out;
    std::string err;
};

CommandRun RunCommand(int (*command)(tool::Args, std::ostream&, std::ostream&),
                      std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

Bytes TaggedSong() {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "Tool & Title")
        .TextFrame("TPE1", Id3Encoding::Latin1, "Tool Artist");
    return Concat({tag.Build(), MpegFrames({}, 100)});
}

TEST(MediaToolTest, InfoPrintsFieldsTextsAndFileInformation) {
    TempDir dir;
    const std::string path = dir.Write("tool.mp3", TaggedSong());
    const CommandRun run = RunCommand(tool::RunInfo, {path});
    EXPECT_EQ(run.code, 0);
    for (const char* line :
         {"Title = Tool & Title\n", "Artist = Tool Artist\n", "FrameLength = 413\n",
          "FrameCount = 100\n", "PlayTimeMs = 2612.2449\n", "IsVbr = 0\n",
          "FormatName = MPEG-1.0 Layer-3\n",
          "SongInformation = Tool Artist - Tool && Title (0:03)      \n",
          "SongFormatText = MPEG-1.0 Layer-3\n", "SongBitrateText = 128Kbps(CBR)\n",
          "SongSampleRateText = 44KHz\n", "SongChannelText = Stereo\n",
          "FileInfo = Frames : 100\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
}

TEST(MediaToolTest, InfoOfAMemberAndZipListing) {
    TempDir dir;
    const ZipBuild zip = ZipArchive(
        {{"notes.txt", BytesOf("x"), false, false}, {"sub/tool.mp3", TaggedSong(), false, false}});
    const std::string path = dir.Write("pack.zip", zip.bytes);
    const std::string start = std::to_string(zip.dataStarts[1]);
    const std::string end = std::to_string(zip.dataStarts[1] + zip.dataSizes[1] - 1);
    const CommandRun list = RunCommand(tool::RunZip, {path});
    EXPECT_EQ(list.out, "tool.mp3 " + start + " " + end + "\nresult = 1\n");
    const CommandRun member = RunCommand(tool::RunInfo, {path, "--member", start, end});
    EXPECT_NE(member.out.find("Title = Tool & Title\n"), std::string::npos) << member.out;
    EXPECT_NE(member.out.find("DataSize = 41700\n"), std::string::npos) << member.out;
    EXPECT_EQ(RunCommand(tool::RunZip, {dir.Write("plain.mp3", TaggedSong())}).out, "result = 0\n");
}

TEST(MediaToolTest, BadArgumentsGiveUsage) {
    EXPECT_EQ(RunCommand(tool::RunInfo, {}).code, 2);
    EXPECT_EQ(RunCommand(tool::RunInfo, {"a", "--member", "x", "y"}).code, 2);
    EXPECT_EQ(RunCommand(tool::RunZip, {}).code, 2);
}

} // namespace
} // namespace vantor
