// The desktop side of pictures and shapes on Qt, offscreen.
#include "gfx/BmpEncoder.h"
#include "skin/PictureLoader.h"
#include "skin/WindowShape.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"
#include "ui/QtPictureReader.h"
#include "ui/QtShapedWindow.h"
#include "ui/QtTestApp.h"

#include <QImage>
#include <QImageWriter>
#include <QRegion>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vantor {
namespace {

gfx::Surface Gradient(int width, int height) {
    gfx::Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.SetPixel(x, y,
                       gfx::Rgb(static_cast<std::uint8_t>(x * 40),
                                static_cast<std::uint8_t>(y * 60),
                                static_cast<std::uint8_t>(200 - x * 10)));
    return s;
}

TEST(QtPictureReaderTest, BmpComesBackPixelForPixel) {
    test::QtTestApp();
    test::TempDir dir;
    const auto face = Gradient(5, 3);
    const auto path = dir.Write("face.bmp", gfx::EncodeBmp24(face));
    QtPictureReader reader;
    const auto read = reader.ReadPicture(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, face);
}

TEST(QtPictureReaderTest, JpegIsReadEvenUnderAnotherExtension) {
    test::QtTestApp();
    test::TempDir dir;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 10));
    const auto path = dir.File("photo.bmp");
    QImageWriter writer(QString::fromStdString(path), "jpeg");
    writer.setQuality(100);
    ASSERT_TRUE(writer.write(image));
    QtPictureReader reader;
    const auto read = reader.ReadPicture(path);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->Width(), 8);
    const gfx::Pixel p = read->GetPixel(4, 4);
    EXPECT_NEAR(gfx::RedOf(p), 200, 4);
    EXPECT_NEAR(gfx::GreenOf(p), 40, 4);
    EXPECT_NEAR(gfx::BlueOf(p), 10, 4);
}

TEST(QtPictureReaderTest, UnreadableFilesGiveNothing) {
    test::QtTestApp();
    test::TempDir dir;
    QtPictureReader reader;
    EXPECT_FALSE(reader.ReadPicture(dir.File("missing.bmp")).has_value());
    EXPECT_FALSE(
        reader.ReadPicture(dir.Write("junk.gif", std::string_view("GIF89a junk"))).has_value());
}

struct QuietListener : SkinWidgetListener {};

TEST(QtShapedWindowTest, MagentaBorderLeavesTheFaceSizeButShowsOnlyTheOpaqueArea) {
    test::QtTestApp();
    QuietListener listener;
    SkinWidget window(listener);
    QtShapedWindow shaped(window);
    auto face = std::make_shared<gfx::Surface>(10, 6, gfx::kMagenta);
    face->FillRect({1, 1, 9, 5}, gfx::Rgb(0, 128, 0));
    PixwellLibrary pixwell("");
    test::FakeMessageBoxes messages;
    gfx::Rect bounds;
    ASSERT_EQ(CreateWindowShape(shaped, face, bounds, pixwell, messages), ShapeOutcome::Shaped);
    EXPECT_EQ(window.size(), QSize(10, 6));
    EXPECT_EQ(window.mask(), QRegion(1, 1, 8, 4));
    EXPECT_EQ(bounds, (gfx::Rect{1, 1, 9, 5}));
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace vantor
