#include "app/PlayerHarness.h"

#include "playlist/TagReader.h"
#include "support/AudioEncoder.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

constexpr const char* kSkinPathKey = "<SkinFile Path>";

class SkinWiringTest : public ::testing::Test {
protected:
    PlayerHarness harness;
};

// Each switch is on disk at once, as a tidy path under the program folder,
// so a crash or a killed session keeps the skin the user chose.
TEST_F(SkinWiringTest, ChangeSkinButtonsSaveTheNewSkinAtOnceUnderTheProgramFolder) {
    Player& player = harness.Start();
    harness.ClickMainButton(MainButton::ChangeSkin);
    EXPECT_EQ(player.surfaces.face.Width(), 380);
    EXPECT_EQ(harness.StoredSetting(kSkinPathKey), "Skin/Showcase/Showcase.dvk");
    harness.ClickMainButton(MainButton::ChangeSkin);
    EXPECT_EQ(player.surfaces.face.Width(), 440);
    EXPECT_EQ(harness.StoredSetting(kSkinPathKey), "Skin/Default/Default.dvk");
    harness.ClickPlaylistButton(kPlayListChangeSkinButton);
    EXPECT_EQ(harness.StoredSetting(kSkinPathKey), "Skin/Showcase/Showcase.dvk");
    EXPECT_TRUE(player.mainWindow.Widget().isVisible());

    harness.Exit(1);
    Player& again = harness.Start();
    EXPECT_EQ(again.surfaces.face.Width(), 380);
}

// oggenc and FFmpeg write their field names in lower case.
TEST_F(SkinWiringTest, AnOggFileWithLowerCaseFieldNamesShowsItsTitleAndArtist) {
    const std::string path = harness.Dir().File("lower.ogg");
    std::string error;
    ASSERT_TRUE(EncodeTone(path,
                           {.encoder = "libvorbis",
                            .container = "ogg",
                            .vbrQuality = 3,
                            .seconds = 2.0,
                            .metadata = {{"title", "Quiet Song"}, {"artist", "Small Band"}}},
                           &error))
        << error;
    Player& player = harness.Start({path});
    harness.ClickMainButton(MainButton::Play);
    harness.Listen(0.2);
    EXPECT_EQ(player.player.TitleText, "Quiet Song");
    while (!TagReaderTick(player.playlistContext).empty()) {
    }
    EXPECT_EQ(player.playlist.Playlist.at(0).Title, "Small Band - Quiet Song");
}

} // namespace
} // namespace vantor::test
