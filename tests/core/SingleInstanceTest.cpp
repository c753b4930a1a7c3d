#include "core/SingleInstance.h"

#include "support/FakeMessageBoxes.h"

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

TEST(HandOver, AddSwitchAnywhereIsRemovedAndFilesAppended) {
    std::vector<AddCall> calls;
    const AddFilesFromArgs record = [&](const std::vector<std::string>& files, bool open) {
        calls.push_back({files, open});
    };
    ReceiveHandOver("/ADD \"zz1.mp3\" \"/add\" \"zz2.mp3\"", record);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].files, (std::vector<std::string>{"zz1.mp3", "zz2.mp3"}));
    EXPECT_FALSE(calls[0].openMode);
}

TEST(HandOver, FilesWithoutAddSwitchOpen) {
    std::vector<AddCall> calls;
    ReceiveHandOver(std::string("\"zz1.mp3\"\0garbage", 17),
                    [&](const std::vector<std::string>& files, bool open) {
                        calls.push_back({files, open});
                    });
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].files, std::vector<std::string>{"zz1.mp3"});
    EXPECT_TRUE(calls[0].openMode);
}

TEST(HandOver, OnlyAnAddSwitchAddsNothing) {
    int calls = 0;
    const AddFilesFromArgs count = [&](const std::vector<std::string>&, bool) { ++calls; };
    ReceiveHandOver("/add", count);
    ReceiveHandOver("", count);
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace vantor
