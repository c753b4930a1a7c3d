// The player on a screen of another pixel ratio. Each case runs once per
// ratio (QT_SCALE_FACTOR 1, 1.5 and 2, set for the test process), and the
// pointer arrives at device pixels, as a real screen delivers it.
#include "app/PlayerHarness.h"
#include "app/SharpTextCheck.h"

#include "playlist/PlaylistWindow.h"
#include "skin/BarMapping.h"
#include "support/ToneMeasure.h"
#include "ui/DeviceScaling.h"
#include "ui/Form5.h"
#include "ui/SurfaceImage.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cmath>

namespace vantor::test {
namespace {

class HiDpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        first = h.WriteTone("first.wav", 440.0, 6.0);
        second = h.WriteTone("second.wav", 660.0, 6.0);
        h.Start({first, second});
        ratio = Main().devicePixelRatioF();
        // A run without the factor would test 1× alone and pass.
        ASSERT_DOUBLE_EQ(ratio,
                         qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    }

    QWidget& Main() { return h.player().mainWindow.Widget(); }

    // Where Qt puts the pointer standing on device pixel `device`.
    QPointF Logical(QPoint device) const { return QPointF(device) / ratio; }

    void Send(QEvent::Type type, QPoint device, Qt::MouseButtons held) {
        SendTo(Main(), type, device, held);
    }

    void SendTo(QWidget& window, QEvent::Type type, QPoint device, Qt::MouseButtons held) {
        const QPointF at = Logical(device);
        QMouseEvent event(type, at, window.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    void ClickDevicePixel(QPoint device) {
        Send(QEvent::MouseButtonPress, device, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, device, Qt::NoButton);
    }

    // The device pixel at the middle of a button as drawn.
    QPoint DeviceCentre(MainButton button) {
        const SkinRect& rect = h.player().skin.Main(button).regions[0].rect;
        return ToDeviceRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ratio)
            .center();
    }

    bool Sounds() { return ChannelRms(h.Listen(0.3), 0) > 0.1; }

    bool AboutShown() const {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form5*>(window) != nullptr && window->isVisible())
                return true;
        }
        return false;
    }

    PlayerHarness h;
    std::string first;
    std::string second;
    qreal ratio = 1.0;
};

TEST_F(HiDpiTest, EveryButtonOfTheDefaultSkinAnswersAClickOnItsCentre) {
    Player& player = h.player();
    auto click = [&](MainButton button) { ClickDevicePixel(DeviceCentre(button)); };

    click(MainButton::Play);
    EXPECT_TRUE(Sounds()) << "Play";
    click(MainButton::Pause);
    EXPECT_FALSE(Sounds()) << "Pause";
    click(MainButton::Pause);
    EXPECT_TRUE(Sounds()) << "Pause again";
    click(MainButton::NextSong);
    EXPECT_EQ(player.player.SoundingIndex(), 1) << "Next";
    click(MainButton::PreviousSong);
    EXPECT_EQ(player.player.SoundingIndex(), 0) << "Previous";
    click(MainButton::Stop);
    EXPECT_FALSE(Sounds()) << "Stop";

    const std::string third = h.WriteTone("third.wav");
    h.AnswerFileDialog(third);
    click(MainButton::Open);
    EXPECT_EQ(player.playlist.Playlist[0].Path, third) << "Open";

    const bool listShown = player.playlistWindowBridge.Widget().isVisible();
    click(MainButton::PlayList);
    EXPECT_NE(player.playlistWindowBridge.Widget().isVisible(), listShown) << "PlayList";

    click(MainButton::About);
    EXPECT_TRUE(AboutShown()) << "About";

    click(MainButton::Config);
    QDialog* settings = h.ShownControl<QDialog>(QStringLiteral("settingsDialog"));
    ASSERT_NE(settings, nullptr) << "Config";
    settings->reject();

    for (const auto& [button, item] :
         {std::pair{MainButton::Loop, "Mnu_Loop"}, std::pair{MainButton::Random, "Mnu_Random"},
          std::pair{MainButton::NonStopMegaMix, "Mnu_NonStop"}}) {
        const bool ticked = h.MenuTicked(item);
        click(button);
        EXPECT_NE(h.MenuTicked(item), ticked) << item;
    }

    click(MainButton::Minimize);
    EXPECT_TRUE(Main().isMinimized()) << "Minimize";
    Main().showNormal();
    QApplication::processEvents();

    const std::string skin = player.skin.sourcePath;
    click(MainButton::ChangeSkin);
    EXPECT_NE(player.skin.sourcePath, skin) << "ChangeSkin";

    click(MainButton::Close);
    EXPECT_TRUE(player.exiting) << "Close";
}

// A device pixel belongs to the logical pixel it is drawn for: the one just
// left of the Play button shows the gap before it, the last one its edge.
TEST_F(HiDpiTest, APointerOnTheEdgeOfAButtonHitsWhatIsDrawnThere) {
    const SkinRect& play = h.player().skin.Main(MainButton::Play).regions[0].rect;
    const int y = DeviceCentre(MainButton::Play).y();
    h.ClickMainButton(MainButton::Stop);
    ClickDevicePixel({DeviceEdge(play.left, ratio) - 1, y});
    EXPECT_FALSE(Sounds()) << "the gap before the button";
    ClickDevicePixel({DeviceEdge(play.right + 1, ratio) - 1, y});
    EXPECT_TRUE(Sounds()) << "the button's last device pixel";
}

TEST_F(HiDpiTest, DraggingTheVolumeBarFromEndToEndGoesFromSilenceToFull) {
    Player& player = h.player();
    h.ClickMainButton(MainButton::Play);
    const SkinRect& bar = player.skin.Bar(BarKind::Volume).rect;
    const int y = DeviceEdge(bar.top + bar.Height() / 2, ratio);
    const int left = DeviceEdge(bar.left, ratio);
    const int right = DeviceEdge(bar.right, ratio);

    Send(QEvent::MouseButtonPress, {left, y}, Qt::LeftButton);
    EXPECT_EQ(player.settings.MasterVolume, 0);
    EXPECT_LT(ChannelRms(h.Listen(0.3), 0), 0.001);

    // The knob stays under the pointer all the way.
    const int middle = (left + right) / 2;
    Send(QEvent::MouseMove, {middle, y}, Qt::LeftButton);
    EXPECT_NEAR(player.settings.MasterVolume, 128, 255.0 / bar.Width());

    Send(QEvent::MouseMove, {right, y}, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, {right, y}, Qt::NoButton);
    EXPECT_EQ(player.settings.MasterVolume, 255);
    EXPECT_GT(ChannelRms(h.Listen(0.3), 0), 0.3);
}

// A double-click on the last device row of the second playlist row plays
// the second track, not the third drawn below it.
TEST_F(HiDpiTest, APlaylistRowIsHitWhereItIsDrawn) {
    Player& player = h.player();
    h.AnswerFileDialog(h.WriteTone("third.wav", 880.0, 6.0));
    h.ClickPlaylistButton(kButtonAddTrack);
    ASSERT_EQ(player.playlist.EntryCount(), 3);
    QWidget& list = player.playlistWindowBridge.Widget();
    const SkinRect& rows = player.skin.playListTextRect;
    const int rowHeight = static_cast<int>(player.playlistWindowBridge.Layout().rowHeight);
    const QPoint secondRow(DeviceEdge(rows.left + 10, ratio),
                           DeviceEdge(rows.top + 2 * rowHeight, ratio) - 1);
    SendTo(list, QEvent::MouseButtonPress, secondRow, Qt::LeftButton);
    SendTo(list, QEvent::MouseButtonRelease, secondRow, Qt::NoButton);
    SendTo(list, QEvent::MouseButtonDblClick, secondRow, Qt::LeftButton);
    SendTo(list, QEvent::MouseButtonRelease, secondRow, Qt::NoButton);
    EXPECT_NEAR(ZeroCrossingFrequency(h.Listen(0.5), kHarnessRate), 660.0, 10.0);
}

// Window positions are logical: dragging the main window by device pixels
// moves it by the logical pixels they make and takes the docked playlist
// along.
TEST_F(HiDpiTest, TheMainWindowMovesWithThePointerAndTheDockedPlaylistFollows) {
    Player& player = h.player();
    QWidget& list = player.playlistWindowBridge.Widget();
    if (!list.isVisible())
        h.ClickMainButton(MainButton::PlayList);
    const SkinPoint dock = player.skin.linkPoints[0];
    ASSERT_EQ(list.pos(), Main().pos() + QPoint(dock.x, dock.y)) << "docked at the start";
    const QPoint from = Main().pos();

    const QPoint grip(DeviceEdge(4, ratio), DeviceEdge(4, ratio));
    const QPoint step(DeviceEdge(30, ratio), DeviceEdge(20, ratio));
    Send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    // The window moves under the pointer, which stays on the same pixel of it.
    Send(QEvent::MouseMove, grip + step, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, grip, Qt::NoButton);
    // Across, the window may snap to the edge of the small off-screen desktop
    // (400 logical pixels wide at 2×); down it moves freely.
    EXPECT_EQ(Main().y(), from.y() + 20);
    EXPECT_EQ(list.pos(), Main().pos() + QPoint(dock.x, dock.y));
}

// Font text, the song line and the playlist rows, is drawn at the screen's
// resolution: finer than a skin pixel, where a 1× text would show each of
// its pixels as a block. Every other pixel is the enlarged skin picture.
TEST_F(HiDpiTest, TextIsDrawnAtTheScreensResolutionAndTheRestIsTheEnlargedSkin) {
    Player& player = h.player();
    if (!player.playlistWindowBridge.Widget().isVisible())
        h.ClickMainButton(MainButton::PlayList);
    h.ClickMainButton(MainButton::Play);
    // The new song line slides in strip by strip before it scrolls whole.
    h.Listen(3.0);
    if (ratio == 1.0) {
        // A 1× screen needs no marks, and nothing is spent on them.
        EXPECT_TRUE(player.surfaces.mainWindow.Marks().IsEmpty());
        EXPECT_TRUE(player.surfaces.playListWindow.Marks().IsEmpty());
        return;
    }
    ExpectSharpTextOnEnlargedSkin(Main(), player.surfaces.mainWindow, h.MainWindowImage(), ratio,
                                  player.skin.Style(TextField::SongInfo).rect);
    ExpectSharpTextOnEnlargedSkin(player.playlistWindowBridge.Widget(),
                                  player.surfaces.playListWindow, h.PlaylistWindowImage(), ratio,
                                  player.skin.playListTextRect);
}

// The mask stays the logical shape of the 1× face, which the desktop scales
// to device pixels; the picture drawn inside it takes no colour from the
// magenta outside the shape, however its edge pixels are averaged.
TEST_F(HiDpiTest, TheShapeCoversTheScaledPictureAndNothingOfItsOutside) {
    Player& player = h.player();
    const gfx::Surface& face = player.surfaces.face;
    const QRegion mask = Main().mask();
    ASSERT_FALSE(mask.isEmpty());
    int opaque = 0;
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width(); ++x) {
            const bool inside = face.GetPixel(x, y) != gfx::kMagenta;
            opaque += inside ? 1 : 0;
            ASSERT_EQ(mask.contains(QPoint(x, y)), inside) << x << "," << y;
        }
    }

    const QImage shown = h.MainWindowImage();
    ASSERT_EQ(shown.size(), ToDeviceRect(QRect(0, 0, face.Width(), face.Height()), ratio).size());
    QRegion device;
    for (const QRect& rect : mask)
        device += ToDeviceRect(rect, ratio);
    long long deviceArea = 0;
    for (const QRect& rect : device) {
        deviceArea += static_cast<long long>(rect.width()) * rect.height();
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb pixel = shown.pixel(x, y);
                const bool purple =
                    qRed(pixel) - qGreen(pixel) > 60 && qBlue(pixel) - qGreen(pixel) > 60;
                ASSERT_FALSE(purple) << "magenta mixed in at " << x << "," << y;
            }
        }
    }
    EXPECT_NEAR(static_cast<double>(deviceArea) / opaque, ratio * ratio, 0.02 * ratio * ratio);
}

} // namespace
} // namespace vantor::test
