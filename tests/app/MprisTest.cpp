// The desktop's media controls reach the real player over a private session
// bus: another program (gdbus, as a desktop's applet would) reads and
// drives it, and the sound and the windows follow.
#include "app/PlayerHarness.h"

#include "support/AudioEncoder.h"
#include "support/CoverWriter.h"
#include "support/PngWriter.h"
#include "support/ToneMeasure.h"

#include <QCoreApplication>
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vantor {
namespace {

// One session bus of its own for this test program, started before any
// player looks for one.
class PrivateSessionBus : public ::testing::Environment {
public:
    void SetUp() override {
        FILE* daemon = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        ASSERT_NE(daemon, nullptr);
        char address[512] = {};
        char pid[32] = {};
        const bool read = std::fgets(address, sizeof address, daemon) != nullptr &&
                          std::fgets(pid, sizeof pid, daemon) != nullptr;
        ::pclose(daemon);
        ASSERT_TRUE(read) << "dbus-daemon did not start";
        std::string text = address;
        text.erase(text.find_last_not_of('\n') + 1);
        ::setenv("DBUS_SESSION_BUS_ADDRESS", text.c_str(), 1);
        m_pid = std::atoi(pid);
    }
    void TearDown() override {
        if (m_pid > 0)
            ::kill(m_pid, SIGTERM);
    }

private:
    int m_pid = 0;
};

const auto* const kBus = ::testing::AddGlobalTestEnvironment(new PrivateSessionBus);

const QString kDestination = QStringLiteral("org.mpris.MediaPlayer2.vantor");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

class MprisTest : public ::testing::Test {
protected:
    // Runs gdbus against the player while the player answers: the test and
    // the player share this thread's event loop.
    static std::string Gdbus(QStringList args) {
        QProcess gdbus;
        gdbus.start(QStringLiteral("gdbus"), args);
        // The event loop may see gdbus end, after which waiting for it
        // never succeeds: its state tells.
        while (gdbus.state() != QProcess::NotRunning) {
            gdbus.waitForFinished(5);
            QCoreApplication::processEvents();
        }
        return gdbus.readAllStandardOutput().trimmed().toStdString();
    }
    static std::string Call(const QString& method, QStringList args = {}) {
        return Gdbus(QStringList{QStringLiteral("call"), QStringLiteral("--session"),
                                 QStringLiteral("-d"), kDestination, QStringLiteral("-o"), kPath,
                                 QStringLiteral("-m"), method} +
                     args);
    }
    static std::string Get(const QString& property) {
        return Call(QStringLiteral("org.freedesktop.DBus.Properties.Get"), {kPlayer, property});
    }
    static void Set(const QString& property, const QString& value) {
        Call(QStringLiteral("org.freedesktop.DBus.Properties.Set"), {kPlayer, property, value});
    }
    static void Request(const QString& method, QStringList args = {}) {
        Call(kPlayer + QStringLiteral(".") + method, std::move(args));
    }
    // The position in microseconds, as the bus reports it.
    static long long Position() {
        const std::string reply = Get(QStringLiteral("Position")); // "(<int64 1234>,)"
        const auto blank = reply.find(' ');
        return blank == std::string::npos ? -1 : std::atoll(reply.c_str() + blank + 1);
    }

    test::PlayerHarness m_harness;
};

TEST_F(MprisTest, TheDesktopReadsWhatPlaysAndPausesAndResumesIt) {
    const auto tone = m_harness.WriteTone("first tone.wav", 440.0, 4.0);
    Player& player = m_harness.Start({tone});
    EXPECT_GT(test::ChannelRms(m_harness.Listen(0.3), 0), 0.1);

    const std::string metadata = Get(QStringLiteral("Metadata"));
    EXPECT_TRUE(Contains(metadata, "'xesam:title': <'first tone'>")) << metadata;
    EXPECT_TRUE(Contains(metadata, "'mpris:length': <int64 4000000>")) << metadata;
    EXPECT_TRUE(Contains(metadata, "'xesam:url': <'file://")) << metadata;
    EXPECT_TRUE(Contains(metadata, "first%20tone.wav'")) << metadata;
    EXPECT_TRUE(Contains(metadata, "'mpris:trackid': <objectpath '/org/vantor/Vantor/track/0'>"));
    EXPECT_EQ(Get(QStringLiteral("PlaybackStatus")), "(<'Playing'>,)");

    QProcess monitor;
    // gdbus writes each signal when its output is a terminal; line buffering
    // makes it write each at once into the pipe too.
    monitor.start(QStringLiteral("stdbuf"),
                  {QStringLiteral("-oL"), QStringLiteral("gdbus"), QStringLiteral("monitor"),
                   QStringLiteral("--session"), QStringLiteral("-d"), kDestination});
    ASSERT_TRUE(monitor.waitForStarted());
    // The monitor reports the name's owner once it watches.
    QByteArray watching;
    do
        watching += monitor.readAllStandardOutput();
    while (!watching.contains("is owned by") && monitor.waitForReadyRead(30000));
    ASSERT_TRUE(watching.contains("is owned by")) << watching.toStdString();

    Request(QStringLiteral("PlayPause"));
    EXPECT_EQ(Get(QStringLiteral("PlaybackStatus")), "(<'Paused'>,)");
    m_harness.Listen(0.1);
    EXPECT_LT(test::ChannelRms(m_harness.Listen(0.3), 0), 1e-4);

    Request(QStringLiteral("Play"));
    const auto resumed = m_harness.Listen(0.3);
    EXPECT_GT(test::ChannelRms(resumed, 0), 0.1);
    EXPECT_NEAR(test::ZeroCrossingFrequency(resumed, test::kHarnessRate), 440.0, 5.0);
    // Play while playing goes on where it is instead of starting again.
    const long long before = Position();
    Request(QStringLiteral("Play"));
    EXPECT_GE(Position(), before);

    QByteArray seen = monitor.readAllStandardOutput();
    while (!seen.contains("'PlaybackStatus': <'Playing'>") && monitor.waitForReadyRead(1000))
        seen += monitor.readAllStandardOutput();
    monitor.kill();
    monitor.waitForFinished();
    EXPECT_TRUE(seen.contains("PropertiesChanged ('org.mpris.MediaPlayer2.Player', "
                              "{'PlaybackStatus': <'Paused'>}"))
        << seen.toStdString();
    EXPECT_TRUE(seen.contains("'PlaybackStatus': <'Playing'>")) << seen.toStdString();
    player.Exit(1);
}

TEST_F(MprisTest, NextSeekAndVolumeFromTheDesktopMoveThePlayer) {
    const auto first = m_harness.WriteTone("one.wav", 440.0, 6.0);
    const auto second = m_harness.WriteTone("two.wav", 660.0, 6.0);
    Player& player = m_harness.Start({first});
    player.ReceiveHandOver("\"/add\" \"" + second + "\"");
    m_harness.Listen(0.2);

    Request(QStringLiteral("Next"));
    const auto next = m_harness.Listen(0.3);
    EXPECT_NEAR(test::ZeroCrossingFrequency(next, test::kHarnessRate), 660.0, 5.0);
    EXPECT_EQ(player.player.SoundingIndex(), 1);
    EXPECT_TRUE(Contains(Get(QStringLiteral("Metadata")), "/track/1'"));

    const long long start = Position();
    Request(QStringLiteral("Seek"), {QStringLiteral("2000000")});
    EXPECT_NEAR(static_cast<double>(Position() - start), 2e6, 2e5);
    Request(QStringLiteral("SetPosition"),
            {QStringLiteral("/org/vantor/Vantor/track/1"), QStringLiteral("5000000")});
    EXPECT_NEAR(static_cast<double>(Position()), 5e6, 2e5);
    // Beyond the end the desktop means the next track; there is none.
    Request(QStringLiteral("SetPosition"),
            {QStringLiteral("/org/vantor/Vantor/track/0"), QStringLiteral("1000000")});
    EXPECT_NEAR(static_cast<double>(Position()), 5e6, 2e5);

    const double loud = test::ChannelRms(m_harness.Listen(0.2), 0);
    Set(QStringLiteral("Volume"), QStringLiteral("<0.25>"));
    EXPECT_EQ(player.settings.MasterVolume, 64);
    EXPECT_EQ(Get(QStringLiteral("Volume")), "(<0.25098039215686274>,)");
    const double quiet = test::ChannelRms(m_harness.Listen(0.2), 0);
    EXPECT_LT(quiet, loud * 0.5);
    EXPECT_GT(quiet, 0.0);

    Set(QStringLiteral("Shuffle"), QStringLiteral("<true>"));
    EXPECT_EQ(player.settings.PlayRandomMode, 1);
    Set(QStringLiteral("LoopStatus"), QStringLiteral("<'None'>"));
    EXPECT_EQ(player.settings.PlayLoopMode, 0);
    Set(QStringLiteral("Rate"), QStringLiteral("<5.0>"));
    EXPECT_FLOAT_EQ(player.settings.SoundStretchScale, 2.0f);
    player.Exit(1);
}

// The cover goes to the desktop as a file it can open: an embedded picture
// copied into the cache once, under a name its bytes give, so that two files
// with the same cover share it, and the oldest copy beyond the cache's 64
// leaves; a picture beside the file as itself; no art at all for a file
// without one.
TEST_F(MprisTest, TheDesktopGetsTheCoverAsAFileOrNone) {
    const std::uint8_t rgb[] = {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0};
    const std::vector<std::uint8_t> picture = test::MakeTruecolourPng(2, 2, rgb).Bytes();
    const auto coveredFlac = [&](const std::string& name) {
        test::ToneSpec spec;
        spec.encoder = "flac";
        spec.container = "flac";
        spec.seconds = 3.0;
        const std::string path = m_harness.Dir().File(name);
        EXPECT_TRUE(test::EncodeTone(path, spec));
        EXPECT_TRUE(test::EmbedPicture(path, picture, "image/png"));
        return path;
    };
    std::filesystem::create_directories(m_harness.Dir().File("album"));
    const std::string besideCover = m_harness.Dir().Write("album/Cover.png", picture);
    const std::filesystem::path cache = m_harness.Dir().File("cache/vantor/covers");
    std::filesystem::create_directories(cache);
    const auto now = std::filesystem::file_time_type::clock::now();
    for (int age = 1; age <= 64; ++age) {
        const auto old = cache / ("old" + std::to_string(age) + ".png");
        std::ofstream(old) << "picture";
        std::filesystem::last_write_time(old, now - std::chrono::hours(age));
    }
    m_harness.Start({coveredFlac("first.flac"), coveredFlac("second.flac"),
                     m_harness.WriteTone("plain.wav", 440.0, 3.0),
                     m_harness.WriteTone("album/track.wav", 440.0, 3.0)});
    const auto artUrl = [this] {
        m_harness.Listen(0.1);
        const std::string metadata = Get(QStringLiteral("Metadata"));
        const std::string key = "'mpris:artUrl': <'";
        const auto start = metadata.find(key);
        if (start == std::string::npos)
            return std::string();
        const auto end = metadata.find("'>", start + key.size());
        return metadata.substr(start + key.size(), end - start - key.size());
    };

    const std::string cached = artUrl();
    ASSERT_FALSE(cached.empty());
    const std::filesystem::path cachedFile =
        QUrl(QString::fromStdString(cached)).toLocalFile().toStdString();
    EXPECT_EQ(cachedFile.parent_path(), cache);
    std::ifstream in(cachedFile, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}), picture);
    const auto cachedFiles = [&] {
        return std::distance(std::filesystem::directory_iterator(cache), {});
    };
    EXPECT_EQ(cachedFiles(), 64);
    EXPECT_FALSE(std::filesystem::exists(cache / "old64.png"));

    Request(QStringLiteral("Next"));
    EXPECT_EQ(artUrl(), cached);
    EXPECT_EQ(cachedFiles(), 64);
    EXPECT_TRUE(std::filesystem::exists(cache / "old63.png"));

    Request(QStringLiteral("Next"));
    EXPECT_EQ(artUrl(), "");
    const std::string metadata = Get(QStringLiteral("Metadata"));
    EXPECT_TRUE(Contains(metadata, "plain.wav")) << metadata;

    Request(QStringLiteral("Next"));
    EXPECT_EQ(artUrl(),
              QUrl::fromLocalFile(QString::fromStdString(besideCover)).toEncoded().toStdString());
}

} // namespace
} // namespace vantor
