#include "ui/QtInstanceChannel.h"

#include "QtTestApp.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace vantor {
namespace {

bool TakeAll(const std::string&) {
    return true;
}

class InstanceChannelTest : public ::testing::Test {
protected:
    void SetUp() override { test::QtTestApp(); }
    // What a later start does: sends from its own thread while this one
    // runs the running player's event loop. True when the files were taken.
    bool SendFromAnotherStart(const std::string& text) {
        std::atomic<bool> sent{false};
        std::atomic<bool> done{false};
        std::thread sender([&] {
            QtInstanceChannel second(m_path, TakeAll);
            sent = second.Send(text);
            done = true;
        });
        QElapsedTimer timer;
        timer.start();
        while (!done && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        sender.join();
        return sent;
    }

    test::TempDir m_dir;
    std::string m_path = m_dir.File("vantor.socket");
};

TEST_F(InstanceChannelTest, SecondClaimFailsWhileTheFirstHolds) {
    QtInstanceChannel first(m_path, TakeAll);
    QtInstanceChannel second(m_path, TakeAll);
    EXPECT_TRUE(first.Claim(false));
    EXPECT_FALSE(second.Claim(false));
}

TEST_F(InstanceChannelTest, StaleSocketIsReplaced) {
    m_dir.Write("vantor.socket", std::string_view(""));
    QtInstanceChannel channel(m_path, TakeAll);
    EXPECT_TRUE(channel.Claim(false));
}

TEST_F(InstanceChannelTest, HandedOverStringReachesTheRunningPlayer) {
    std::string received;
    QtInstanceChannel running(m_path, [&](const std::string& text) {
        received = text;
        return true;
    });
    ASSERT_TRUE(running.Claim(false));

    EXPECT_TRUE(SendFromAnotherStart("/add \"/music/日本.mp3\""));
    EXPECT_EQ(received, "/add \"/music/日本.mp3\"");
}

TEST_F(InstanceChannelTest, SocketIsTheOwnersAloneAndGoesWithThePlayer) {
    {
        QtInstanceChannel running(m_path, TakeAll);
        ASSERT_TRUE(running.Claim(false));
        struct stat info {};
        ASSERT_EQ(::stat(m_path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
    struct stat info {};
    EXPECT_NE(::stat(m_path.c_str(), &info), 0);
    QtInstanceChannel next(m_path, TakeAll);
    EXPECT_TRUE(next.Claim(false));
}

TEST_F(InstanceChannelTest, SendersWaitingTogetherAreAllServed) {
    std::vector<std::string> received;
    QtInstanceChannel running(m_path, [&](const std::string& text) {
        received.push_back(text);
        return true;
    });
    ASSERT_TRUE(running.Claim(false));

    constexpr int kSenders = 3;
    std::atomic<int> sent{0};
    std::atomic<int> finished{0};
    std::vector<std::thread> senders;
    for (int index = 0; index < kSenders; ++index) {
        senders.emplace_back([&, index] {
            QtInstanceChannel sender(m_path, TakeAll);
            sent += sender.Send("file" + std::to_string(index)) ? 1 : 0;
            ++finished;
        });
    }
    QElapsedTimer timer;
    timer.start();
    while (finished < kSenders && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (std::thread& sender : senders)
        sender.join();
    EXPECT_EQ(sent, kSenders);
    std::sort(received.begin(), received.end());
    EXPECT_EQ(received, (std::vector<std::string>{"file0", "file1", "file2"}));
}

TEST_F(InstanceChannelTest, FilesTheRunningPlayerDeclinesAreNotReportedTaken) {
    int offered = 0;
    QtInstanceChannel ending(m_path, [&](const std::string&) {
        ++offered;
        return false;
    });
    ASSERT_TRUE(ending.Claim(false));
    EXPECT_FALSE(SendFromAnotherStart("x.mp3"));
    EXPECT_EQ(offered, 1);
}

TEST_F(InstanceChannelTest, SendingWithoutARunningPlayerFails) {
    QtInstanceChannel lonely(m_path, TakeAll);
    EXPECT_FALSE(lonely.Send("x"));
}

} // namespace
} // namespace vantor
