#include "ui/QtInstanceChannel.h"

#include "QtTestApp.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace vantor {
namespace {

class InstanceChannelTest : public ::testing::Test {
protected:
    void SetUp() override { test::QtTestApp(); }
    test::TempDir m_dir;
    std::string m_path = m_dir.File("vantor.socket");
};

TEST_F(InstanceChannelTest, SecondClaimFailsWhileTheFirstHolds) {
    QtInstanceChannel first(m_path, [](const std::string&) {});
    QtInstanceChannel second(m_path, [](const std::string&) {});
    EXPECT_TRUE(first.Claim(false));
    EXPECT_FALSE(second.Claim(false));
}

TEST_F(InstanceChannelTest, StaleSocketIsReplaced) {
    m_dir.Write("vantor.socket", std::string_view(""));
    QtInstanceChannel channel(m_path, [](const std::string&) {});
    EXPECT_TRUE(channel.Claim(false));
}

TEST_F(InstanceChannelTest, HandedOverStringReachesTheRunningPlayer) {
    std::string received;
    QtInstanceChannel running(m_path, [&](const std::string& text) { received = text; });
    ASSERT_TRUE(running.Claim(false));

    std::atomic<bool> sent{false};
    std::atomic<bool> done{false};
    std::thread sender([&] {
        QtInstanceChannel second(m_path, [](const std::string&) {});
        sent = second.Send("/add \"/music/日本.mp3\"");
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    sender.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(received, "/add \"/music/日本.mp3\"");
}

TEST_F(InstanceChannelTest, SendingWithoutARunningPlayerFails) {
    QtInstanceChannel lonely(m_path, [](const std::string&) {});
    EXPECT_FALSE(lonely.Send("x"));
}

} // namespace
} // namespace vantor
