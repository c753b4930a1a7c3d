#include "core/Startup.h"

#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor {
namespace {

// Records each step by name; answers from its public fields.
class RecordingHost : public StartupHost {
public:
    bool LoadSettings() override { return Log("LoadSettings"), settingsExisted; }
    void InitSoundSystem() override { Log("InitSoundSystem"); }
    void ApplyEffectSwitches() override { Log("ApplyEffectSwitches"); }
    void ApplyPan() override { Log("ApplyPan"); }
    void ApplySoundControls() override { Log("ApplySoundControls"); }
    void ApplySkin() override { Log("ApplySkin"); }
    std::int32_t SkinDockPosition() const override { return dockPosition; }
    void CentreMainWindow() override { Log("CentreMainWindow"); }
    void DockPlaylistWindow() override { Log("DockPlaylistWindow"); }
    void KeepWindowsOnScreen() override { Log("KeepWindowsOnScreen"); }
    std::int32_t LoadDefaultPlaylist() override { return Log("LoadDefaultPlaylist"), entries; }
    void ComputeVisibleRows() override { Log("ComputeVisibleRows"); }
    void SetCurrentIndex(std::int32_t index) override {
        Log("SetCurrentIndex " + std::to_string(index));
    }
    void ShowRestoredPlaylist() override { Log("ShowRestoredPlaylist"); }
    void AddFiles(const std::vector<std::string>& files, bool openMode) override {
        Log(std::string(openMode ? "Open" : "Append") + " " + std::to_string(files.size()));
    }
    void CreateToolTips() override { Log("CreateToolTips"); }
    void DestroyToolTips() override { Log("DestroyToolTips"); }
    void SetTopMost(PlayerWindow window, bool on) override {
        Log(std::string("TopMost ") + (window == PlayerWindow::Main ? "main " : "list ") +
            (on ? "1" : "0"));
    }
    void DrawPlaylist() override { Log("DrawPlaylist"); }
    void ShowMainWindow(bool asIcon) override {
        minimised = asIcon;
        Log(asIcon ? "ShowMinimised" : "ShowNormal");
    }
    bool MainWindowMinimised() const override { return minimised; }
    bool HideToTray() override { return Log("HideToTray"), trayAvailable; }
    void RemoveTrayIcon() override { Log("RemoveTrayIcon"); }
    void ShowPlaylistWindow() override {
        playlistVisible = true;
        Log("ShowPlaylistWindow");
    }
    void HidePlaylistWindow() override { Log("HidePlaylistWindow"); }
    bool PlaylistWindowVisible() const override { return playlistVisible; }
    std::pair<std::int32_t, std::int32_t> PlaylistWindowPosition() const override {
        return {1500, 3000};
    }
    void SaveSettings() override { Log("SaveSettings"); }
    void Relaunch() override { Log("Relaunch"); }
    void CloseTrack() override { Log("CloseTrack"); }
    void ShutdownSoundSystem() override { Log("ShutdownSoundSystem"); }

    bool Logged(const std::string& step) const {
        return std::find(steps.begin(), steps.end(), step) != steps.end();
    }

    bool settingsExisted = true;
    std::int32_t dockPosition = -1;
    std::int32_t entries = 0;
    bool minimised = false;
    bool trayAvailable = true;
    bool playlistVisible = false;
    std::vector<std::string> steps;

private:
    void Log(const std::string& step) { steps.push_back(step); }
};

struct StartupTest : ::testing::Test {
    Settings settings;
    StartupState state;
    RecordingHost host;
    test::FakeMessageBoxes messages;

    void SetUp() override { settings.MainWindowVisible = 1; }
    void Start(const std::vector<std::string>& args) {
        RunStartup(args, settings, state, host, messages);
    }
};

TEST_F(StartupTest, OnlyAFirstRunCentresTheMainWindowAndDocksThePlaylist) {
    host.settingsExisted = false;
    Start({""});
    EXPECT_TRUE(host.Logged("CentreMainWindow"));
    EXPECT_TRUE(host.Logged("DockPlaylistWindow"));
    host.steps.clear();
    host.settingsExisted = true;
    Start({""});
    EXPECT_FALSE(host.Logged("CentreMainWindow"));
    EXPECT_FALSE(host.Logged("DockPlaylistWindow"));
}

TEST_F(StartupTest, SavedIndexOutsideTheListRestartsAtZero) {
    host.entries = 2;
    for (const std::int32_t saved : {-1, 2, 7}) {
        host.steps.clear();
        settings.CurrentSongIndex = saved;
        Start({"-r"});
        EXPECT_TRUE(host.Logged("SetCurrentIndex 0")) << saved;
    }
}

TEST_F(StartupTest, EmptyDefaultPlaylistOpensNothing) {
    Start({""});
    EXPECT_FALSE(host.Logged("ShowRestoredPlaylist"));
    EXPECT_FALSE(host.Logged("ComputeVisibleRows"));
}

TEST_F(StartupTest, FilesGivenReplaceTheDefaultPlaylist) {
    test::TempDir dir;
    const auto a = dir.Write("a.mp3", std::string_view("x"));
    const auto b = dir.Write("b.mp3", std::string_view("x"));
    Start({a, b});
    EXPECT_TRUE(host.Logged("Open 2"));
    EXPECT_FALSE(host.Logged("LoadDefaultPlaylist"));
    host.steps.clear();
    Start({"/add", a});
    EXPECT_TRUE(host.Logged("Append 1"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupTest, ArgumentsNamingNothingToPlayBringTheDefaultPlaylistBack) {
    test::TempDir dir;
    const auto notes = dir.Write("notes.txt", std::string_view("x"));
    host.entries = 2;
    Start({"--frobnicate", dir.Path() + "missing.mp3", notes});
    EXPECT_FALSE(host.Logged("Open 3"));
    EXPECT_TRUE(host.Logged("LoadDefaultPlaylist"));
    EXPECT_TRUE(host.Logged("ShowRestoredPlaylist"));
    ASSERT_EQ(messages.shown.size(), 1u);
    for (const auto& name : {std::string("--frobnicate"), dir.Path() + "missing.mp3", notes})
        EXPECT_NE(messages.shown[0].text.find(name), std::string::npos) << name;
    EXPECT_EQ(messages.shown[0].title, "Vantor");

    // "/add" alone takes nothing either.
    host.steps.clear();
    Start({"/add"});
    EXPECT_TRUE(host.Logged("ShowRestoredPlaylist"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(StartupTest, DockingSkinKeepsTheMainWindowOnTop) {
    settings.AlwaysOnTop = 1;
    host.dockPosition = 2;
    Start({""});
    EXPECT_TRUE(host.Logged("TopMost list 1"));
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "TopMost main 1"), 2);
}

TEST_F(StartupTest, StartedMinimisedIntoTheTrayShowsOnlyTheIcon) {
    settings.MainWindowVisible = 0;
    settings.ShowInSystemTask = 1;
    settings.PlayListVisible = 1;
    Start({""});
    EXPECT_EQ(host.steps.back(), "HideToTray");
    EXPECT_FALSE(host.Logged("ShowPlaylistWindow"));
    EXPECT_EQ(state.StartupDone, 0);
    // Closing from the tray keeps the remembered playlist visibility.
    ExitPlayer(0, settings, state, host, messages);
    EXPECT_EQ(settings.PlayListVisible, 1);
}

TEST_F(StartupTest, PlaylistWindowFollowsItsSetting) {
    settings.PlayListVisible = 1;
    Start({""});
    EXPECT_TRUE(host.Logged("ShowPlaylistWindow"));
    EXPECT_EQ(state.PlayListWasVisible, -1);
}

TEST_F(StartupTest, ExitSavesPositionsAndRelaunchesWhenAsked) {
    settings.MainWindowVisible = -1;
    state.RestartPending = 1;
    ExitPlayer(0, settings, state, host, messages);
    EXPECT_EQ(settings.MainWindowVisible, 1);
    EXPECT_EQ(settings.PlayListWindowX, 1500);
    EXPECT_EQ(settings.PlayListWindowY, 3000);
    EXPECT_EQ(settings.PlayListVisible, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "オーディオ出力の設定が変更されたので再起動します");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    const auto save = std::find(host.steps.begin(), host.steps.end(), "SaveSettings");
    const auto relaunch = std::find(host.steps.begin(), host.steps.end(), "Relaunch");
    EXPECT_LT(save, relaunch);
    EXPECT_EQ(host.steps.back(), "ShutdownSoundSystem");
}

TEST_F(StartupTest, ExitWithoutSavingWritesNothing) {
    state.RestartPending = 1;
    ExitPlayer(1, settings, state, host, messages);
    EXPECT_FALSE(host.Logged("SaveSettings"));
    EXPECT_FALSE(host.Logged("Relaunch"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(host.Logged("CloseTrack"));
}

} // namespace
} // namespace vantor
