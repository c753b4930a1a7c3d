// A window moved between monitors of different scales, as on a desktop with
// a 1× and a 2× monitor side by side: the offscreen platform is given two
// screens, the second at twice the pixel ratio.
#include "app/PlayerHarness.h"
#include "app/SharpTextCheck.h"

#include "ui/SurfaceImage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// Qt reads both when the application starts, which the first harness does.
const bool kTwoScreens = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTOR_TWO_SCREENS_CONFIG);
    qputenv("QT_SCREEN_SCALE_FACTORS", "1;2");
    return true;
}();

void MoveToScreen(QWidget& window, QScreen* screen) {
    window.move(screen->geometry().topLeft() + QPoint(20, 20));
    window.windowHandle()->setScreen(screen);
    QCoreApplication::processEvents();
}

TEST(ScreenChangeTest, AWindowMovedToAScreenOfAnotherScaleIsDrawnAnewForIt) {
    ASSERT_TRUE(kTwoScreens);
    PlayerHarness h;
    h.Start({h.WriteTone("tone.wav", 440.0, 6.0)});
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    Player& player = h.player();
    QWidget& main = player.mainWindow.Widget();
    h.ClickMainButton(MainButton::Play);
    h.Listen(3.0);

    MoveToScreen(main, screens[0]);
    ASSERT_EQ(main.devicePixelRatioF(), 1.0);
    EXPECT_EQ(h.MainWindowImage(), ToImage(player.surfaces.mainWindow));
    const QRegion shape = main.mask();

    MoveToScreen(main, screens[1]);
    ASSERT_EQ(main.devicePixelRatioF(), 2.0);
    EXPECT_EQ(main.mask(), shape) << "the shape stays in logical pixels";
    const auto expectScaled = [&] {
        ExpectSharpTextOnEnlargedSkin(main, player.surfaces.mainWindow, h.MainWindowImage(), 2.0,
                                      player.skin.Style(TextField::SongInfo).rect);
    };
    expectScaled();
    // The time and the song line go on changing there.
    h.Listen(0.5);
    expectScaled();

    // Back on the first screen, the window shows its 1× pixels again, with
    // whatever changed meanwhile.
    h.Listen(0.5);
    MoveToScreen(main, screens[0]);
    ASSERT_EQ(main.devicePixelRatioF(), 1.0);
    EXPECT_EQ(h.MainWindowImage(), ToImage(player.surfaces.mainWindow));
}

} // namespace
} // namespace vantor::test
