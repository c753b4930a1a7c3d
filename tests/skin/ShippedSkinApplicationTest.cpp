// Both shipped skins applied as at start-up, with real pictures and fonts:
// no message, no shut-down, their own windows, texts drawn into their
// fields, and the change-skin buttons taking the player from one to the
// other and back.
#include "skin/SkinApplication.h"

#include "BarFixture.h"
#include "ShippedFonts.h"
#include "ShippedPictures.h"
#include "skin/TextFieldPainter.h"
#include "ui/QtTextPainter.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

const std::string kAppFolder = VANTOR_APP_FOLDER;

class QuietPeers : public SkinApplicationPeers {
public:
    void StopTickTimer() override {}
    void StartTickTimer() override {}
    void ShapeWindows(const gfx::Surface&, const gfx::Surface&) override { ++shaped; }
    void SetUpSkinToolTips() override {}
    void PlacePlayListWindow() override {}
    void PrepareVisuals() override {}
    void DrawPlayList() override {}
    void FinishApplication() override {}
    void SkinChanged() override {}
    void ExitPlayer() override { exited = true; }
    int shaped = 0;
    bool exited = false;
};

class ShippedSkinApplicationTest : public ::testing::Test {
protected:
    ShippedSkinApplicationTest() { settings.SkinFilePath = "chosen by the user"; }

    void Apply(const std::string& file) {
        ASSERT_TRUE(application.ApplySkin(kAppFolder + file)) << file;
        ExpectQuiet();
    }

    void ExpectQuiet() const {
        for (const auto& shown : messages.shown)
            ADD_FAILURE() << "message: " << shown.text;
        for (const auto& path : pictures.refused)
            ADD_FAILURE() << "picture not decoded: " << path;
        EXPECT_FALSE(peers.exited);
    }

    // True when something was drawn over the face inside the field.
    bool FieldDrawn(TextField field) const {
        const SkinRect& rect = skin.Style(field).rect;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (surfaces.mainWindow.GetPixel(x, y) != surfaces.face.GetPixel(x, y))
                    return true;
        return false;
    }

    test::FakeMessageBoxes messages;
    test::ShippedPictures pictures;
    FontNameResolver fonts{test::InstalledFontFamilies()};
    QtTextPainter painter;
    test::RecordingBarSound sound;
    QuietPeers peers;
    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    SkinFileReader reader;
    TextFieldPainter texts{skin, surfaces, painter};
    SkinBars bars{skin, surfaces, settings, sound, texts};
    SkinApplication application{
        {skin, surfaces, settings, reader, bars, painter, peers, kAppFolder},
        {messages, pictures, fonts}};
};

TEST_F(ShippedSkinApplicationTest, DefaultSkinTakesItsPlayListFromItsSecondFile) {
    Apply("Skin/Default/Default.dvk");
    EXPECT_EQ(settings.SkinFilePath, "chosen by the user");
    EXPECT_EQ(surfaces.mainWindow.Width(), 440);
    EXPECT_EQ(surfaces.mainWindow.Height(), 172);
    EXPECT_EQ(surfaces.playListWindow.Width(), 440);
    EXPECT_EQ(peers.shaped, 1);
    EXPECT_TRUE(FieldDrawn(TextField::VolumeVal));
    EXPECT_TRUE(FieldDrawn(TextField::PanVal));
    EXPECT_TRUE(FieldDrawn(TextField::PitchVal));
}

TEST_F(ShippedSkinApplicationTest, ShowcaseAppliesWithItsOwnPlayList) {
    Apply("Skin/Showcase/Showcase.dvk");
    EXPECT_EQ(surfaces.mainWindow.Width(), 380);
    EXPECT_EQ(surfaces.playListWindow.Width(), 380);
    EXPECT_TRUE(FieldDrawn(TextField::PanVal));
    EXPECT_TRUE(FieldDrawn(TextField::PitchVal));
}

TEST_F(ShippedSkinApplicationTest, TimeGlyphsLandInBothSkinsTimeFields) {
    for (const char* file : {"Skin/Default/Default.dvk", "Skin/Showcase/Showcase.dvk"}) {
        Apply(file);
        EXPECT_FALSE(FieldDrawn(TextField::Time)) << file;
        texts.DrawTimeText("12:34 / 56:07");
        EXPECT_TRUE(FieldDrawn(TextField::Time)) << file;
    }
}

TEST_F(ShippedSkinApplicationTest, ChangeSkinButtonsGoFromOneSkinToTheOtherAndBack) {
    Apply("Skin/Default/Default.dvk");
    ASSERT_TRUE(application.ChangeSkin(0, false));
    ExpectQuiet();
    EXPECT_EQ(FileNameOf(settings.SkinFilePath), "Showcase.dvk");
    EXPECT_EQ(surfaces.mainWindow.Width(), 380);
    ASSERT_TRUE(application.ChangeSkin(0, true));
    ExpectQuiet();
    EXPECT_EQ(FileNameOf(settings.SkinFilePath), "Default.dvk");
    EXPECT_EQ(surfaces.mainWindow.Width(), 440);
    ASSERT_TRUE(application.ChangeSkin(0, true));
    EXPECT_EQ(surfaces.mainWindow.Width(), 380);
    ExpectQuiet();
}

} // namespace
} // namespace vantor
