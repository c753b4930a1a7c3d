// vantor-tool skin render on skins the tests write: what it says and the
// pictures it leaves.
#include "Commands.h"

#include "support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace vantor {
namespace {

using namespace vantor::test;

void WriteFace(const std::string& path, int width, int height) {
    QImage face(width, height, QImage::Format_RGB32);
    face.fill(QColor(40, 60, 80));
    ASSERT_TRUE(face.save(QString::fromStdString(path), "BMP"));
}

TEST(SkinToolTest, RenderEndsForASkinWithoutASongInformationField) {
    TempDir dir;
    WriteFace(dir.File("main.bmp"), 120, 40);
    WriteFace(dir.File("list.bmp"), 100, 60);
    const std::string skin =
        dir.Write("bare.dvk", "MainBitmap main.bmp\r\nPlayListMainBitmap list.bmp\r\n");
    const std::vector<std::string> args{"render", skin, dir.File("main.png"), dir.File("list.png")};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(tool::RunSkin(args, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("main window: 120x40"), std::string::npos) << out.str();
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("main.png"))).size(), QSize(120, 40));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("list.png"))).size(), QSize(100, 60));
}

} // namespace
} // namespace vantor
