#include "core/SingleInstance.h"

#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

class FakeChannel : public InstanceChannel {
public:
    bool Claim(bool takeOver) override {
        claims.push_back(takeOver);
        return free || takeOver;
    }
    bool Send(const std::string& argumentString) override {
        sent.push_back(argumentString);
        return taken;
    }
    bool free = true;
    bool taken = true;
    std::vector<bool> claims;
    std::vector<std::string> sent;
};

struct AddCall {
    std::vector<std::string> files;
    bool openMode;
};

TEST(SingleInstance, FirstPlayerContinues) {
    FakeChannel channel;
    test::FakeMessageBoxes messages;
    EXPECT_EQ(DecideSingleInstance({""}, "", channel, messages), StartDecision::Continue);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SingleInstance, SecondStartWithoutFilesIsRefused) {
    FakeChannel channel;
    channel.free = false;
    test::FakeMessageBoxes messages;
    EXPECT_EQ(DecideSingleInstance({""}, "", channel, messages), StartDecision::End);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (test::ShownMessage{"2重起動はできません", "Vantor", MessageIcon::Exclamation}));
    EXPECT_TRUE(channel.sent.empty());
}

TEST(SingleInstance, SecondStartWithFilesHandsTheUnsplitStringOver) {
    FakeChannel channel;
    channel.free = false;
    test::FakeMessageBoxes messages;
    EXPECT_EQ(
        DecideSingleInstance({"/a.mp3", "/b.mp3"}, "\"/a.mp3\" \"/b.mp3\"", channel, messages),
        StartDecision::End);
    EXPECT_EQ(channel.sent, std::vector<std::string>{"\"/a.mp3\" \"/b.mp3\""});
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SingleInstance, FilesAnEndingPlayerDeclinesArePlayedHere) {
    FakeChannel channel;
    channel.free = false;
    channel.taken = false;
    test::FakeMessageBoxes messages;
    EXPECT_EQ(DecideSingleInstance({"/a.mp3"}, "\"/a.mp3\"", channel, messages),
              StartDecision::Continue);
    EXPECT_EQ(channel.claims, (std::vector<bool>{false, true}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SingleInstance, RelaunchTakesTheChannelOver) {
    FakeChannel channel;
    channel.free = false;
    test::FakeMessageBoxes messages;
    EXPECT_EQ(DecideSingleInstance({"-r"}, " -r", channel, messages), StartDecision::Continue);
    EXPECT_EQ(channel.claims, std::vector<bool>{true});
    EXPECT_TRUE(channel.sent.empty());
}

struct HandOver : ::testing::Test {
    test::TempDir dir;
    std::vector<AddCall> calls;
    const AddFilesFromArgs record = [this](const std::vector<std::string>& files, bool open) {
        calls.push_back({files, open});
    };
};

TEST_F(HandOver, AddSwitchAnywhereIsRemovedAndFilesAppended) {
    const auto one = dir.Write("zz1.mp3", std::string_view("x"));
    const auto two = dir.Write("zz2.mp3", std::string_view("x"));
    const TakenArgs taken =
        ReceiveHandOver("/ADD \"" + one + "\" \"/add\" \"" + two + "\"", record);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].files, (std::vector<std::string>{one, two}));
    EXPECT_FALSE(calls[0].openMode);
    EXPECT_TRUE(taken.added);
    EXPECT_TRUE(taken.skipped.empty());
}

TEST_F(HandOver, FilesWithoutAddSwitchOpen) {
    const auto one = dir.Write("zz1.mp3", std::string_view("x"));
    ReceiveHandOver("\"" + one + "\"" + std::string("\0garbage", 8), record);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].files, std::vector<std::string>{one});
    EXPECT_TRUE(calls[0].openMode);
}

TEST_F(HandOver, OnlyAnAddSwitchAddsNothing) {
    EXPECT_FALSE(ReceiveHandOver("/add", record).added);
    EXPECT_FALSE(ReceiveHandOver("", record).added);
    EXPECT_TRUE(calls.empty());
}

// Folders count; files count by their type; what is not there does not.
TEST_F(HandOver, NamesOfNothingToPlayAreLeftOutAndReportedOnce) {
    const auto song = dir.Write("song.OGG", std::string_view("x"));
    const auto folder = dir.MakeFolder("albums");
    const auto notes = dir.Write("notes.txt", std::string_view("x"));
    const std::string missing = dir.Path() + "sogn.mp3";
    const TakenArgs taken = ReceiveHandOver(
        "\"" + missing + "\" \"" + song + "\" \"" + notes + "\" \"" + folder + "\"", record);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].files, (std::vector<std::string>{song, folder}));
    EXPECT_EQ(taken.skipped, (std::vector<std::string>{missing, notes}));

    test::FakeMessageBoxes messages;
    ReportSkippedArgs(taken.skipped, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(missing + "\n" + notes), std::string::npos);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    ReportSkippedArgs({}, messages);
    EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
} // namespace vantor
