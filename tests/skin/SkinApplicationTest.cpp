#include "skin/SkinApplication.h"

#include "BarFixture.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

using namespace test;

class RecordingPeers : public SkinApplicationPeers {
public:
    void StopTickTimer() override { calls.emplace_back("stop"); }
    void StartTickTimer() override { calls.emplace_back("start"); }
    void ShapeWindows(const gfx::Surface& main, const gfx::Surface& playList) override {
        calls.push_back("shape " + std::to_string(main.Width()) + " " +
                        std::to_string(playList.Width()));
    }
    void SetUpSkinToolTips() override { calls.emplace_back("tooltips"); }
    void PlacePlayListWindow() override { calls.emplace_back("place"); }
    void PrepareVisuals() override { calls.emplace_back("visuals"); }
    void DrawPlayList() override { calls.emplace_back("playlist"); }
    void FinishApplication() override { calls.emplace_back("finish"); }
    void SkinChanged() override { calls.emplace_back("changed"); }
    void ExitPlayer() override { calls.emplace_back("exit"); }
    std::vector<std::string> calls;
};

constexpr gfx::Pixel kDefaultFace = gfx::Rgb(1, 1, 1);
constexpr gfx::Pixel kOwnFace = gfx::Rgb(2, 2, 2);
constexpr gfx::Pixel kOwnPressed = gfx::Rgb(3, 3, 3);

class SkinApplicationTest : public ::testing::Test {
protected:
    SkinApplicationTest() {
        Picture("Skin/Default/Main.bmp", 30, 20, kDefaultFace);
        Picture("Skin/Default/PL.bmp", 25, 20, kDefaultFace);
        dir.Write("Skin/Default/Default.dvk", "MainBitmap Main.bmp\r\nSkinName Default\r\n");
        dir.Write("Skin/Default/PL.txt", "PlayListMainBitmap PL.bmp\r\n");
        Picture("Mine/face.bmp", 40, 20, kOwnFace);
        Picture("Mine/pressed.bmp", 40, 20, kOwnPressed);
        Picture("Mine/list.bmp", 35, 20, kOwnFace);
    }

    void Picture(const std::string& name, int width, int height, gfx::Pixel colour) {
        dir.Write(name, "x");
        pictures.pictures[FileNameOf(name)] = gfx::Surface(width, height, colour);
    }

    bool Apply(const std::string& name, const std::string& text) {
        return application.ApplySkin(dir.Write(name, text));
    }

    TempDir dir;
    FakeMessageBoxes messages;
    FakePictureSource pictures;
    FontNameResolver fonts = TestFonts();
    FakeTextPainter painter;
    RecordingBarSound sound;
    RecordingPeers peers;
    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    SkinFileReader reader;
    TextFieldPainter texts{skin, surfaces, painter};
    SkinBars bars{skin, surfaces, settings, sound, texts};
    SkinApplication application{
        {skin, surfaces, settings, reader, bars, painter, peers, dir.Path()},
        {messages, pictures, fonts}};
};

TEST_F(SkinApplicationTest, PlayListOnlySkinKeepsTheDefaultMainFace) {
    ASSERT_TRUE(Apply("Mine/list.dvk", "PlayListMainBitmap list.bmp\r\n"));
    EXPECT_EQ(settings.SkinFilePath, "Skin\\Default\\Default.dvk");
    EXPECT_EQ(surfaces.face.Width(), 30);
    EXPECT_EQ(surfaces.mainWindow.GetPixel(0, 0), kDefaultFace);
    EXPECT_EQ(surfaces.playListWindow.Width(), 35);
    EXPECT_EQ(surfaces.playListWindow.GetPixel(0, 0), kOwnFace);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(peers.calls.front(), "stop");
    EXPECT_EQ(peers.calls.back(), "start");
    EXPECT_NE(std::find(peers.calls.begin(), peers.calls.end(), "shape 30 35"), peers.calls.end());
}

TEST_F(SkinApplicationTest, MainOnlySkinTakesTheDefaultPlayList) {
    settings.SkinFilePath = "mine";
    ASSERT_TRUE(Apply("Mine/main.dvk", "MainBitmap face.bmp\r\nMainBitmapPressed pressed.bmp\r\n"));
    EXPECT_EQ(settings.SkinFilePath, "mine");
    EXPECT_EQ(surfaces.face.Width(), 40);
    EXPECT_EQ(surfaces.playListFace.Width(), 25);
}

TEST_F(SkinApplicationTest, StoredPathsResolveAgainstTheProgramFolder) {
    dir.Write("Mine/stored.dvk", "MainBitmap face.bmp\r\nPlayListMainBitmap list.bmp\r\n");
    ASSERT_TRUE(application.ApplySkin("mine\\Stored.dvk"));
    EXPECT_EQ(surfaces.face.Width(), 40);
    EXPECT_EQ(skin.sourcePath, dir.File("Mine/stored.dvk"));
}

TEST_F(SkinApplicationTest, HugeRectanglesNeverOutgrowTheFace) {
    ASSERT_TRUE(Apply("Mine/huge.dvk",
                      "MainBitmap face.bmp\r\nPlayListMainBitmap list.bmp\r\n"
                      "TimeField -2147483648 0 2147483647 99999999\r\n"
                      "SongInfoField 0 0 100000 100000\r\nPlayListTextField 0 0 90000 90000\r\n"
                      "VolumeField -99999999999 0 99999999999 10\r\nFontSize 99999999 5\r\n"));
    EXPECT_EQ(skin.Style(TextField::Time).rect, (SkinRect{-16777216, 0, 16777216, 16777216}));
    EXPECT_EQ(skin.fontCellWidth, 65535);
    const gfx::Surface& time = surfaces.fields[static_cast<int>(TextField::Time)];
    EXPECT_EQ(time.Width(), 40);
    EXPECT_EQ(time.Height(), 20);
    EXPECT_EQ(surfaces.songInfoWork.Width(), 40);
    EXPECT_EQ(surfaces.playListSelection.Width(), 35);
}

TEST_F(SkinApplicationTest, MissingDefaultFaceEndsTheProgram) {
    dir.Write("Skin/Default/Default.dvk", "SkinName broken\r\n");
    EXPECT_FALSE(Apply("Mine/empty.dvk", "SkinName empty\r\n"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (ShownMessage{"Skinファイルが有効ではありません", "Vantor", MessageIcon::Critical}));
    EXPECT_EQ(peers.calls.back(), "exit");
}

TEST_F(SkinApplicationTest, BarWordsAreNormalised) {
    ASSERT_TRUE(Apply("Mine/bars.dvk",
                      "MainBitmap face.bmp\r\nPlayListMainBitmap list.bmp\r\n"
                      "VolumeControlType advance\r\nPanType SLIDER\r\n"
                      "PitchBarDirection diagonal\r\nSeekBarDirection vertical\r\n"));
    EXPECT_EQ(skin.Bar(BarKind::Volume).type, "ADVANCE");
    EXPECT_EQ(skin.Bar(BarKind::Pan).type, "NORMAL");
    EXPECT_EQ(skin.Bar(BarKind::Seek).type, "NORMAL");
    EXPECT_EQ(skin.Bar(BarKind::Pitch).direction, "HORIZONTAL");
    EXPECT_EQ(skin.Bar(BarKind::Seek).direction, "VERTICAL");
}

TEST_F(SkinApplicationTest, ToggleButtonsThatAreOnShowTheirPressedLook) {
    settings.PlayLoopMode = 1;
    settings.MasterVolume = 0;
    ASSERT_TRUE(Apply("Mine/toggles.dvk", "MainBitmap face.bmp\r\nMainBitmapPressed pressed.bmp\r\n"
                                          "PlayListMainBitmap list.bmp\r\n"
                                          "LoopButton 0 0 5 5\r\nRandomButton 10 0 15 5\r\n"));
    EXPECT_EQ(surfaces.mainWindow.GetPixel(2, 2), kOwnPressed);
    EXPECT_EQ(surfaces.mainWindow.GetPixel(12, 2), kOwnFace);
}

TEST_F(SkinApplicationTest, ChangeSkinFindsTargetsBesideTheDeclaringSkin) {
    dir.Write("Mine/other.dvk",
              "MainBitmap face.bmp\r\nPlayListMainBitmap list.bmp\r\nSkinName Other\r\n");
    ASSERT_TRUE(Apply("Mine/first.dvk", "MainBitmap face.bmp\r\nPlayListMainBitmap list.bmp\r\n"
                                        "SetTargetDVK nowhere.dvk\r\nSetTargetDVK nowhere.dvk\r\n"
                                        "SetTargetDVK other.dvk\r\n"));
    reader.SetCurrentDirectory(dir.File("Skin/"));
    ASSERT_TRUE(application.ChangeSkin(2, false));
    EXPECT_EQ(skin.skinName, "Other");
    EXPECT_EQ(settings.SkinFilePath, dir.File("Mine/other.dvk"));
    EXPECT_FALSE(application.ChangeSkin(0, false));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (ShownMessage{"指定されたSkinファイルは存在しません", "Vantor",
                                               MessageIcon::Critical}));
    EXPECT_EQ(skin.skinName, "Other");
}

} // namespace
} // namespace vantor
