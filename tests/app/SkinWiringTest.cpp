#include "app/PlayerHarness.h"

#include "gfx/Color.h"
#include "playlist/TagReader.h"
#include "support/AudioEncoder.h"
#include "ui/SurfaceImage.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

constexpr const char* kSkinPathKey = "<SkinFile Path>";

class SkinWiringTest : public ::testing::Test {
protected:
    // The main window as it shows once the playlist window has the focus.
    QImage MainWindowWhileTheListHasTheFocus(Player& player) {
        QWidget& list = player.playlistWindowBridge.Widget();
        list.show();
        list.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&list));
        harness.Listen(0.1);
        EXPECT_EQ(player.player.FaceInUse, Face::Inactive);
        return harness.MainWindowImage();
    }

    PlayerHarness harness;
};

// Whether some pixel of `image` has exactly `colour`.
bool Shows(const QImage& image, gfx::Pixel colour) {
    const QRgb wanted =
        qRgb(gfx::RedOf(colour), gfx::GreenOf(colour), gfx::BlueOf(colour)) & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == wanted)
                return true;
        }
    }
    return false;
}

gfx::Pixel SongInfoColour(const Player& player) {
    return gfx::FromColorRef(
        static_cast<std::uint32_t>(player.skin.Style(TextField::SongInfo).color));
}

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

// The song line of the playing track takes the new skin's font and colour
// with the switch, and the playlist's numbers stay on its new face.
TEST_F(SkinWiringTest, ASkinSwitchRedrawsTheSongLineAndTheTrackNumbers) {
    const std::string tone = harness.WriteTone("tone.wav", 440.0, 6.0);
    Player& player = harness.Start({tone});
    harness.ClickMainButton(MainButton::Play);
    harness.Listen(1.5);
    const gfx::Pixel defaultColour = SongInfoColour(player);
    ASSERT_TRUE(Shows(harness.FieldImage(TextField::SongInfo), defaultColour));

    harness.ClickMainButton(MainButton::ChangeSkin);
    harness.Listen(1.5);
    const QImage line = harness.FieldImage(TextField::SongInfo);
    EXPECT_TRUE(Shows(line, SongInfoColour(player)));
    EXPECT_FALSE(Shows(line, defaultColour));
    for (const TextField field :
         {TextField::PlayListCurrentTrackNumber, TextField::PlayListTotalTrackNumber}) {
        EXPECT_FALSE(harness.FieldIsBlank(field));
        EXPECT_EQ(harness.FieldImage(field), harness.FieldImageShowing(field, "1"));
    }
}

// Docked below the main window, the playlist stays docked below it when the
// new main face is taller.
TEST_F(SkinWiringTest, ADockedPlaylistMovesWithTheMainWindowsNewHeight) {
    Player& player = harness.Start();
    QWidget& main = player.mainWindow.Widget();
    QWidget& list = player.playlistWindowBridge.Widget();
    list.show();
    const SkinPoint below = player.skin.linkPoints[0];
    ASSERT_EQ(below.y, main.height());
    const QPoint grip(3, 3);
    const QPoint dock = main.pos() + QPoint(below.x, below.y);
    harness.DragPlaylist(grip, {grip + QPoint(1, 1), grip + (dock - list.pos()) + QPoint(4, 4)});
    ASSERT_EQ(list.pos(), dock);

    harness.ClickMainButton(MainButton::ChangeSkin);
    EXPECT_EQ(main.height(), 210);
    EXPECT_EQ(list.pos(), main.pos() + QPoint(0, 210));
    harness.ClickMainButton(MainButton::ChangeSkin);
    EXPECT_EQ(list.pos(), dock);
}

// While another window has the focus the main window wears its dimmed face,
// and the bars lie on it without patches of the bright one around them.
TEST_F(SkinWiringTest, BarsRestThePlainDimmedFaceWhileTheMainWindowIsInactive) {
    Player& player = harness.Start();
    harness.ClickMainButton(MainButton::ChangeSkin);
    ASSERT_TRUE(player.surfaces.hasInactiveFace);
    const QImage shown = MainWindowWhileTheListHasTheFocus(player);
    ASSERT_FALSE(HasFailure());
    const QImage dimmed = ToImage(player.surfaces.inactiveFace);
    // The corners of each field lie outside its dial, band or knob.
    for (const SkinBarStyle& bar : player.skin.bars) {
        for (const QPoint corner :
             {QPoint(bar.rect.left, bar.rect.top), QPoint(bar.rect.left, bar.rect.bottom - 1)})
            EXPECT_EQ(shown.pixel(corner), dimmed.pixel(corner))
                << bar.rect.left << " " << bar.rect.top;
    }
}

// A skin without an inactive face keeps its normal face while another
// window has the focus.
TEST_F(SkinWiringTest, ASkinWithoutAnInactiveFaceKeepsItsNormalFaceWhileInactive) {
    Player& player = harness.Start();
    std::string plain = ReadWholeFile(harness.Dir().File("Skin/Default/Default.dvk"));
    const std::string inactiveLine = "MainBitmapInactive MainInactive.bmp";
    ASSERT_NE(plain.find(inactiveLine), std::string::npos);
    plain.erase(plain.find(inactiveLine), inactiveLine.size());
    player.skinApplication.ChangeSkin(harness.Dir().Write("Skin/Default/Plain.dvk", plain));
    ASSERT_FALSE(player.surfaces.hasInactiveFace);
    const QImage face = ToImage(player.surfaces.face);
    const QImage shown = MainWindowWhileTheListHasTheFocus(player);
    ASSERT_FALSE(HasFailure());
    for (const SkinBarStyle& bar : player.skin.bars) {
        const QPoint corner(bar.rect.left, bar.rect.top);
        EXPECT_EQ(shown.pixel(corner), face.pixel(corner)) << bar.rect.left << " " << bar.rect.top;
    }
    // Away from every field and bar, the whole window's corner.
    EXPECT_EQ(shown.pixel(1, 1), face.pixel(1, 1));
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
