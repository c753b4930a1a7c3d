#include "app/PlayerHarness.h"

#include "ui/Form4.h"
#include "ui/Form5.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantor::test {
namespace {

template <class Window>
std::vector<Window*> WindowsOf(QWidget& owner) {
    const auto found = owner.findChildren<Window*>();
    return {found.begin(), found.end()};
}

class InfoWindowsTest : public ::testing::Test {
protected:
    Player& player() { return harness.player(); }

    // The centre of list row `row` of the playlist window.
    QPoint RowCentre(int row) {
        const SkinRect& list = player().skin.playListTextRect;
        const int height = player().surfaces.playListItemHeight;
        return {(list.left + list.right) / 2, list.top + row * height + height / 2};
    }

    PlayerHarness harness;
};

TEST_F(InfoWindowsTest, AboutShowsTheVersionsAndScrollsTheStaffListUntilClosed) {
    harness.Start();
    harness.ChooseMenuItem("Mnu_About");
    const auto shown = WindowsOf<Form5>(player().mainWindow.Widget());
    ASSERT_EQ(shown.size(), 1u);
    Form5& about = *shown.front();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.ShownText().toStdString(), "Vantor\n"
                                               "Ver0.92n\n"
                                               "Sound engine  :  Ver 1.00\n"
                                               "Echora        :  Ver 1.00\n"
                                               "Tonalis       :  Ver 1.00\n"
                                               "Pixwell       :  Ver 1.00");
    const QStringList& staff = about.Staff().Lines();
    EXPECT_TRUE(staff.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    for (const char* library :
         {"FFmpeg", "libmpg123", "libvorbis", "libopenmpt", "FluidSynth", "SoundFont", "SDL2",
          "SoundTouch", "libcdio", "zlib", "TagLib"}) {
        EXPECT_FALSE(
            staff
                .filter(QRegularExpression(QStringLiteral("^") + QString::fromLatin1(library) +
                                           QStringLiteral("\\b")))
                .isEmpty())
            << library;
    }

    // The list moves up and, once through, comes in again from below.
    EXPECT_TRUE(about.Staff().Scrolling());
    const QImage before = about.Staff().grab().toImage();
    for (int step = 0; step < 30; ++step)
        about.Staff().Step();
    EXPECT_NE(about.Staff().grab().toImage(), before);
    while (about.Staff().Offset() != 0)
        about.Staff().Step();
    EXPECT_EQ(about.Staff().grab().toImage(), before);

    QTest::mouseClick(&about.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.Staff().Scrolling());

    // The playlist window's About button opens the same window again.
    harness.ClickMainButton(MainButton::PlayList);
    harness.ClickPlaylistButton(kButtonAbout);
    EXPECT_EQ(WindowsOf<Form5>(player().mainWindow.Widget()).size(), 1u);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(InfoWindowsTest, FileInformationDescribesTheRowChosenAndHidesOnItsFirstButton) {
    const std::string wave = harness.WriteTone("Low.wav", 440.0, 2.0);
    const std::string ogg = harness.WriteTone("High.ogg", 880.0, 2.0);
    harness.Start({wave, ogg});
    harness.ClickMainButton(MainButton::PlayList);
    QWidget& playlist = player().playlistWindowBridge.Widget();

    harness.ChoosePlaylistMenuItem("ファイル情報", RowCentre(0));
    auto windows = WindowsOf<Form4>(playlist);
    ASSERT_EQ(windows.size(), 1u);
    Form4& info = *windows.front();
    EXPECT_TRUE(info.isVisible());
    const std::string text = info.Information().toStdString();
    EXPECT_NE(text.find("SampleRate : 44100Hz\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PlayTime : 0:02\n"), std::string::npos) << text;
    EXPECT_NE(text.find("FileSize : " + std::to_string(std::filesystem::file_size(wave)) + "Bytes"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find('\r'), std::string::npos);

    harness.ChoosePlaylistMenuItem("ファイル情報", RowCentre(1));
    EXPECT_EQ(WindowsOf<Form4>(playlist).size(), 1u);
    EXPECT_TRUE(info.Information().startsWith(QStringLiteral("FileFormat : Ogg Vorbis\n")))
        << info.Information().toStdString();

    QTest::mouseClick(&info.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(WindowsOf<Form4>(playlist).size(), 1u);
    EXPECT_TRUE(harness.Messages().empty());
}

} // namespace
} // namespace vantor::test
