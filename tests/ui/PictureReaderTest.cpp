#include "QtTestApp.h"
#include "support/TempDir.h"
#include "ui/QtPictureReader.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantor {
namespace {

// A picture with distinct corners, saved in `format` under `name`.
std::string SavePicture(const test::TempDir& dir, const std::string& name, const char* format) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(3, 2, qRgb(0, 255, 0));
    const std::string path = dir.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path), format)) << format;
    return path;
}

TEST(QtPictureReader, TheContentsDecideTheFormatWhateverTheName) {
    test::QtTestApp();
    test::TempDir dir;
    QtPictureReader reader;
    struct Case {
        const char* format;
        const char* name;
        bool exact; // a lossless format keeps every pixel
    };
    for (const Case c : {Case{"BMP", "plain.bmp", true}, Case{"PNG", "png-named.bmp", true},
                         Case{"JPEG", "jpeg-named.bmp", false}, Case{"BMP", "bmp-named.jpg", true},
                         Case{"XPM", "xpm-named.bmp", true}}) {
        SCOPED_TRACE(c.name);
        const auto surface = reader.ReadPicture(SavePicture(dir, c.name, c.format));
        ASSERT_TRUE(surface.has_value());
        EXPECT_EQ(surface->Width(), 4);
        EXPECT_EQ(surface->Height(), 3);
        if (c.exact) {
            EXPECT_EQ(surface->GetPixel(0, 0), gfx::Rgb(255, 0, 0));
            EXPECT_EQ(surface->GetPixel(3, 2), gfx::Rgb(0, 255, 0));
        }
    }
}

TEST(QtPictureReader, WhatIsNoPictureGivesNothing) {
    test::QtTestApp();
    test::TempDir dir;
    QtPictureReader reader;
    EXPECT_FALSE(reader.ReadPicture(dir.File("missing.bmp")).has_value());
    EXPECT_FALSE(reader.ReadPicture(dir.Write("text.bmp", "not a picture at all")).has_value());
    // A bitmap's signature over bytes that are no bitmap.
    EXPECT_FALSE(reader.ReadPicture(dir.Write("truncated.bmp", "BM\x10\x00")).has_value());
}

} // namespace
} // namespace vantor
