#include "ui/SkinWidget.h"

#include "QtTestApp.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace vantor {
namespace {

class RecordingListener : public SkinWidgetListener {
public:
    void OnPointerPress(WindowButton button, int x, int y) override {
        events.push_back("press " + Name(button) + " " + std::to_string(x) + "," +
                         std::to_string(y));
    }
    void OnPointerRelease(WindowButton button, int x, int y) override {
        events.push_back("release " + Name(button) + " " + std::to_string(x) + "," +
                         std::to_string(y));
    }
    void OnKey(int key, bool ctrl) override {
        events.push_back("key " + std::to_string(key) + (ctrl ? " ctrl" : ""));
    }
    void OnFilesDropped(const std::vector<std::string>& paths) override { dropped = paths; }
    void OnCloseRequested() override { events.push_back("close"); }

    std::vector<std::string> events;
    std::vector<std::string> dropped;

private:
    static std::string Name(WindowButton button) {
        return button == WindowButton::Left    ? "left"
               : button == WindowButton::Right ? "right"
                                               : "other";
    }
};

class SkinWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { test::QtTestApp(); }
    RecordingListener listener;
};

TEST_F(SkinWidgetTest, TakesTheSizeOfItsSurfaceAndShowsItsPixels) {
    SkinWidget window(listener);
    gfx::Surface surface(20, 10, gfx::Rgb(10, 20, 30));
    window.ShowSurface(surface);
    EXPECT_EQ(window.size(), QSize(20, 10));
    const QImage grabbed = window.grab().toImage();
    EXPECT_EQ(grabbed.pixel(5, 5) & 0xFFFFFFu, 0x0A141Eu);
}

TEST_F(SkinWidgetTest, ShowsEachNewPictureOfTheSameSurface) {
    SkinWidget window(listener);
    gfx::Surface surface(4, 4, gfx::kBlack);
    window.ShowSurface(surface);
    surface.SetPixel(1, 1, gfx::kWhite);
    window.ShowSurface(surface);
    EXPECT_EQ(window.grab().toImage().pixel(1, 1) & 0xFFFFFFu, 0xFFFFFFu);
    window.ShowSurface(surface);
    EXPECT_EQ(window.grab().toImage().pixel(1, 1) & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(SkinWidgetTest, FollowsTheSurfaceWhenItsSizeChanges) {
    SkinWidget window(listener);
    window.ShowSurface(gfx::Surface(20, 10, gfx::kBlack));
    gfx::Surface larger(30, 12, gfx::Rgb(1, 2, 3));
    larger.SetPixel(29, 11, gfx::kWhite);
    window.ShowSurface(larger);
    EXPECT_EQ(window.size(), QSize(30, 12));
    const QImage grabbed = window.grab().toImage();
    EXPECT_EQ(grabbed.pixel(0, 0) & 0xFFFFFFu, 0x010203u);
    EXPECT_EQ(grabbed.pixel(29, 11) & 0xFFFFFFu, 0xFFFFFFu);
}

// Gives the window its surface whenever the window asks for it.
class SurfaceGivingListener : public SkinWidgetListener {
public:
    explicit SurfaceGivingListener(const gfx::Surface& surface) : m_surface(surface) {}
    void OnPictureWanted() override {
        ++asked;
        window->ShowSurface(m_surface);
    }

    SkinWidget* window = nullptr;
    int asked = 0;

private:
    const gfx::Surface& m_surface;
};

TEST_F(SkinWidgetTest, AWindowHiddenByTheProgramAsksForItsWholePictureWhenItShowsAgain) {
    gfx::Surface surface(8, 6, gfx::Rgb(10, 20, 30));
    SurfaceGivingListener giving(surface);
    SkinWidget window(giving);
    giving.window = &window;
    window.ShowSurface(surface);
    window.show();
    // Shown: the window keeps its picture.
    window.ReleasePicture();
    EXPECT_EQ(window.grab().toImage().pixel(2, 2) & 0xFFFFFFu, 0x0A141Eu);

    window.hide();
    surface.SetPixel(2, 2, gfx::kWhite);
    window.show();
    EXPECT_EQ(giving.asked, 1);
    EXPECT_EQ(window.size(), QSize(8, 6));
    EXPECT_EQ(window.grab().toImage().pixel(2, 2) & 0xFFFFFFu, 0xFFFFFFu);

    // A window that never had a picture has none to ask back.
    SkinWidget fresh(giving);
    fresh.show();
    EXPECT_EQ(giving.asked, 1);
}

TEST_F(SkinWidgetTest, FirstToolTipAreaHoldingThePointerWins) {
    SkinWidget window(listener);
    window.SetToolTips({{QRect(0, 0, 10, 10), QStringLiteral("再生\r\nPlay")},
                        {QRect(5, 5, 10, 10), QStringLiteral("second")}});
    EXPECT_EQ(window.ToolTipAt(QPoint(7, 7)), QStringLiteral("再生\r\nPlay"));
    EXPECT_EQ(window.ToolTipAt(QPoint(12, 12)), QStringLiteral("second"));
    EXPECT_TRUE(window.ToolTipAt(QPoint(30, 30)).isEmpty());
}

TEST_F(SkinWidgetTest, ShapeBecomesTheMask) {
    SkinWidget window(listener);
    window.ShowSurface(gfx::Surface(20, 10));
    gfx::Region shape;
    shape.Add({0, 0, 10, 10});
    window.SetShape(shape);
    EXPECT_EQ(window.mask().boundingRect(), QRect(0, 0, 10, 10));
    window.SetShape(gfx::Region{});
    EXPECT_TRUE(window.mask().isEmpty());
}

TEST_F(SkinWidgetTest, ForwardsPointerKeysAndClose) {
    SkinWidget window(listener);
    window.ShowSurface(gfx::Surface(20, 10));
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseRelease(&window, Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
    QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window.close());
    const std::vector<std::string> expected{"press left 3,4", "release right 5,6",
                                            "key " + std::to_string(Qt::Key_X) + " ctrl", "close"};
    EXPECT_EQ(listener.events, expected);
}

TEST_F(SkinWidgetTest, OnlyLocalFilesOfADropCount) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/music/日本.mp3")),
                  QUrl(QStringLiteral("https://example.invalid/x.mp3"))});
    EXPECT_EQ(DroppedFiles(&data), std::vector<std::string>{"/music/日本.mp3"});
    EXPECT_TRUE(DroppedFiles(nullptr).empty());
}

} // namespace
} // namespace vantor
