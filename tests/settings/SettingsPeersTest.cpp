#include "settings/SettingsPeers.h"

#include "settings/ConfigFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

class RecordingPeers : public SettingsPeers {
public:
    void ApplyLoadedSettings(const Settings& settings, bool fileExisted) override {
        appliedPriority = settings.AnalyzerPriority;
        sawFile = fileExisted;
    }
    void ReapplyEffectChain(const Settings&) override { ++effectReapplied; }
    std::optional<std::string> ChosenSkinFileName() const override { return chosenSkin; }
    std::int32_t CurrentSongIndexToSave() const override { return index; }
    bool SaveDefaultPlaylist(const std::string& path) override {
        playlistPath = path;
        return true;
    }

    int appliedPriority = -1;
    bool sawFile = true;
    int effectReapplied = 0;
    std::optional<std::string> chosenSkin;
    std::int32_t index = -1;
    std::string playlistPath;
};

TEST(SettingsPeers, LoadHandsFixedUpValuesToThePeers) {
    test::TempDir dir;
    RecordingPeers peers;
    Settings settings;
    EXPECT_FALSE(LoadSettings(settings, dir.Path(), {}, peers));
    EXPECT_EQ(peers.appliedPriority, 30);
    EXPECT_FALSE(peers.sawFile);
}

TEST(SettingsPeers, SaveWritesIndexSkinFolderAndPlaylist) {
    test::TempDir dir;
    const auto skin = dir.Write("skins/Blue/Blue.dvk", std::string_view("x"));
    RecordingPeers peers;
    peers.chosenSkin = skin;
    peers.index = 4;
    Settings settings = DefaultSettings(dir.Path(), {});
    ASSERT_TRUE(SaveSettings(settings, dir.Path(), peers));
    EXPECT_EQ(peers.effectReapplied, 1);
    EXPECT_EQ(settings.RecentSkinFileFolder, dir.Path() + "skins/Blue/");
    EXPECT_EQ(peers.playlistPath, dir.Path() + "Vantor.m3u");
    const auto text = test::ReadWholeFile(dir.File("Vantor.DVC"));
    EXPECT_NE(text.find("<CurrentSongIndex>\r\n 4 \r\n"), std::string::npos);
    EXPECT_NE(text.find("<RecentSkinFileFolder>\r\n" + dir.Path() + "skins/Blue/\r\n"),
              std::string::npos);

    // A chosen skin that no longer exists is written whole.
    peers.chosenSkin = dir.Path() + "gone/Gone.dvk";
    ASSERT_TRUE(SaveSettings(settings, dir.Path(), peers));
    EXPECT_EQ(settings.RecentSkinFileFolder, dir.Path() + "gone/Gone.dvk");
}

TEST(SettingsPeers, FailedSaveKeepsThePreviousFile) {
    test::TempDir dir;
    RecordingPeers peers;
    Settings settings = DefaultSettings(dir.Path(), {});
    ASSERT_TRUE(SaveSettings(settings, dir.Path(), peers));
    const auto before = test::ReadWholeFile(dir.File("Vantor.DVC"));
    // The playlist is not written when the settings could not be.
    peers.playlistPath.clear();
    EXPECT_FALSE(SaveSettings(settings, dir.Path() + "nowhere/", peers));
    EXPECT_TRUE(peers.playlistPath.empty());
    EXPECT_EQ(test::ReadWholeFile(dir.File("Vantor.DVC")), before);
}

} // namespace
} // namespace vantor
