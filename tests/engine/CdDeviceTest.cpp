#include "engine/cd/CdDevice.h"
#include "engine/cd/CdAudioStream.h"
#include "engine/cd/CdStreamName.h"
#include "support/CdImageWriter.h"
#include "support/TempDir.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vantor::engine {
namespace {

// Two tracks: 2 s of 441 Hz, then 3 s of 882 Hz.
std::shared_ptr<CdDevice> OpenTwoTrackImage(const test::TempDir& dir) {
    const auto cue = test::WriteCdImage(dir, "disc", {{150, 441.0}, {225, 882.0}});
    return CdDevice::Open(cue);
}

TEST(CdDevice, ListsTheAudioTracksOfAnImage) {
    test::TempDir dir;
    const auto device = OpenTwoTrackImage(dir);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->IsImage());
    const auto& tracks = device->AudioTracks();
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0].number, 1);
    EXPECT_EQ(tracks[1].number, 2);
    EXPECT_EQ(tracks[0].LengthMs(), 2000);
    EXPECT_EQ(tracks[1].LengthMs(), 3000);
    EXPECT_EQ(tracks[0].LengthBytes(), 2 * 44100 * 4);
    EXPECT_EQ(tracks[1].LengthBytes(), 3 * 44100 * 4);
}

TEST(CdDevice, ListsTwelveTracks) {
    test::TempDir dir;
    const auto device = CdDevice::Open(
        test::WriteCdImage(dir, "twelve", std::vector<test::CdImageTrack>(12, {10, 1000.0})));
    ASSERT_NE(device, nullptr);
    ASSERT_EQ(device->AudioTracks().size(), 12u);
    EXPECT_EQ(device->AudioTracks().back().number, 12);
}

TEST(CdDevice, NamesTheDeviceOnTheSecondInfoLine) {
    test::TempDir dir;
    const auto device = OpenTwoTrackImage(dir);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->DeviceName(), "disc.cue");
    const auto info = device->DeviceInfo();
    const auto lineEnd = info.find("\r\n");
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_GT(lineEnd, 0u);
    EXPECT_EQ(info.substr(lineEnd + 2), "disc.cue");
}

TEST(CdDevice, ImagesCannotEject) {
    test::TempDir dir;
    const auto device = OpenTwoTrackImage(dir);
    ASSERT_NE(device, nullptr);
    EXPECT_FALSE(device->Eject());
    EXPECT_EQ(device->AudioTracks().size(), 2u);
    EXPECT_FALSE(CdDevice::EjectDrive(device->Path()));
    EXPECT_FALSE(CdDevice::EjectDrive(dir.File("no-such-drive")));
}

TEST(CdDevice, RefusesWhatIsNoDisc) {
    test::TempDir dir;
    EXPECT_EQ(CdDevice::Open(dir.File("missing.cue")), nullptr);
    EXPECT_EQ(CdDevice::Open(dir.Write("bad.cue", "FILE \"gone.bin\" BINARY\r\n")), nullptr);
    EXPECT_EQ(CdDevice::Open(dir.Write("notes.txt", "no disc here")), nullptr);
}

TEST(CdDevice, DriveListNamesDevicePaths) {
    for (const auto& drive : CdDevice::ListDrives())
        EXPECT_EQ(drive.front(), '/') << drive;
}

TEST(CdAudioStream, PlaysEachTracksTone) {
    test::TempDir dir;
    CdAudioStream stream(OpenTwoTrackImage(dir));
    ASSERT_EQ(stream.NumTracks(), 2);
    std::vector<float> block(22050 * 2);

    ASSERT_TRUE(stream.SelectTrack(1));
    EXPECT_EQ(stream.LengthMs(), 3000);
    EXPECT_EQ(stream.LengthBytes(), 529200);
    EXPECT_EQ(stream.Render(block.data(), 22050), 22050u);
    EXPECT_NEAR(test::ZeroCrossingFrequency(block, kCdSampleRate), 882.0, 2.0);
    EXPECT_NEAR(test::ChannelRms(block, 1), 16000.0 / 32768.0 / std::sqrt(2.0), 0.01);

    ASSERT_TRUE(stream.SelectTrack(0));
    EXPECT_EQ(stream.PositionFrames(), 0);
    EXPECT_EQ(stream.Render(block.data(), 22050), 22050u);
    EXPECT_NEAR(test::ZeroCrossingFrequency(block, kCdSampleRate), 441.0, 2.0);

    EXPECT_FALSE(stream.SelectTrack(2));
    EXPECT_FALSE(stream.SelectTrack(-1));
    EXPECT_EQ(stream.SelectedTrack(), 0);
}

TEST(CdAudioStream, RendersATrackToItsEndAndSeeks) {
    test::TempDir dir;
    CdAudioStream stream(OpenTwoTrackImage(dir));
    ASSERT_TRUE(stream.SelectTrack(0));
    std::vector<float> block(1000 * 2);
    std::size_t frames = 0;
    while (!stream.IsFinished())
        frames += stream.Render(block.data(), 1000);
    EXPECT_EQ(frames, 2u * 44100u);
    EXPECT_EQ(stream.Render(block.data(), 1000), 0u);

    // Half-way through, only the second half is left.
    stream.SeekFrames(44100 + 7);
    EXPECT_FALSE(stream.IsFinished());
    frames = 0;
    while (!stream.IsFinished())
        frames += stream.Render(block.data(), 1000);
    EXPECT_EQ(frames, 44100u - 7u);

    stream.SeekFrames(stream.LengthFrames() + 5);
    EXPECT_TRUE(stream.IsFinished());

    // The last track reads up to the disc's last sector.
    ASSERT_TRUE(stream.SelectTrack(1));
    stream.SeekFrames(stream.LengthFrames() - 10000);
    frames = 0;
    while (!stream.IsFinished())
        frames += stream.Render(block.data(), 1000);
    EXPECT_EQ(frames, 10000u);
    EXPECT_NEAR(test::ZeroCrossingFrequency(block, kCdSampleRate), 882.0, 10.0);
}

TEST(CdStreamName, TellsQueriesTrackListsAndFiles) {
    const auto query = ParseCdStreamName("E:*?");
    ASSERT_TRUE(query.has_value());
    EXPECT_EQ(query->drive, "E:");
    EXPECT_EQ(query->kind, CdStreamName::Kind::DeviceInfo);
    const auto tracks = ParseCdStreamName("/dev/sr0*!");
    ASSERT_TRUE(tracks.has_value());
    EXPECT_EQ(tracks->drive, "/dev/sr0");
    EXPECT_EQ(tracks->kind, CdStreamName::Kind::Tracks);
    EXPECT_FALSE(ParseCdStreamName("song.mp3").has_value());
    EXPECT_FALSE(ParseCdStreamName("*!").has_value());
    EXPECT_FALSE(ParseCdStreamName("E:*x").has_value());
}

} // namespace
} // namespace vantor::engine
