#include "ui/X11PixelSender.h"

#include "QtTestApp.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace vantor {
namespace {

// A picture whose every pixel differs from its neighbours, so that a row or
// column put in the wrong place shows.
QImage Pattern(QSize size, int seed) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb((x * 7 + seed) & 0xFF, (y * 13 + seed) & 0xFF, (x ^ y) & 0xFF));
    }
    return image;
}

// Runs only on an X display (the test binary is run there as well); on
// others the sender declines and the caller falls back to Qt.
class X11PixelSenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::QtTestApp();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display";
        m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        m_window->setAttribute(Qt::WA_OpaquePaintEvent);
        m_window->setFixedSize(kSize);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        // Let Qt's first paint of the window reach the server before ours.
        QTest::qWait(50);
    }

    QImage Shown() {
        QGuiApplication::sync();
        return m_window->screen()
            ->grabWindow(m_window->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Large enough that the whole picture takes several requests.
    static constexpr QSize kSize{320, 240};
    std::unique_ptr<QWidget> m_window;
    X11PixelSender m_sender;
};

TEST_F(X11PixelSenderTest, AWholePictureAndThenSeparateRectanglesOfItReachTheWindowExactly) {
    QImage picture = Pattern(kSize, 0);
    ASSERT_TRUE(m_sender.Send(m_window->winId(), picture, QRegion(picture.rect())));
    EXPECT_EQ(Shown(), picture);

    // Two fields apart from each other change; only they are sent, so what
    // lies between them must keep the first picture's pixels.
    const QImage second = Pattern(kSize, 101);
    const QRegion fields = QRegion(17, 30, 91, 12) + QRegion(150, 100, 170, 139);
    QPainter painter(&picture);
    for (const QRect& rect : fields)
        painter.drawImage(rect.topLeft(), second, rect);
    painter.end();
    ASSERT_TRUE(m_sender.Send(m_window->winId(), picture, fields));
    EXPECT_EQ(Shown(), picture);
}

TEST_F(X11PixelSenderTest, RectanglesReachingPastThePictureAreCutToIt) {
    const QImage picture = Pattern(kSize, 55);
    ASSERT_TRUE(m_sender.Send(m_window->winId(), picture,
                              QRegion(-20, -10, 400, 300) + QRegion(500, 500, 10, 10)));
    EXPECT_EQ(Shown(), picture);
}

} // namespace
} // namespace vantor
