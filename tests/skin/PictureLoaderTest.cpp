#include "skin/PictureLoader.h"

#include "support/FakePictureReader.h"
#include "support/PngWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

class PictureLoaderTest : public ::testing::Test {
protected:
    PixwellLibrary pixwell{""};
    test::FakePictureReader reader;
    PictureLoader loader{pixwell, reader};
    test::TempDir dir;

    std::string WritePng(const std::string& name, const test::PngFile& file) {
        return dir.Write(name, file.Bytes());
    }
};

TEST_F(PictureLoaderTest, PngInAnyLetterCaseGoesThroughPixwell) {
    const std::uint8_t rgb[] = {10, 20, 30, 40, 50, 60};
    for (const char* name : {"face.png", "face.PNG", "face.Png", "dots.in.name.pNg"}) {
        const auto path = WritePng(name, test::MakeTruecolourPng(2, 1, rgb));
        const auto picture = loader.LoadPictureFile(path);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->GetPixel(0, 0), gfx::Rgb(10, 20, 30)) << name;
        EXPECT_EQ(picture->GetPixel(1, 0), gfx::Rgb(40, 50, 60)) << name;
    }
    EXPECT_TRUE(reader.asked.empty());
}

TEST_F(PictureLoaderTest, OtherFilesGoToTheDesktopReader) {
    reader.answer = gfx::Surface(3, 2, gfx::kMagenta);
    for (const char* name : {"face.bmp", "face.JPG", "face.gif", "face.png.ico", "noextension"}) {
        const auto picture = loader.LoadPictureFile(dir.File(name));
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->Width(), 3);
        EXPECT_EQ(picture->GetPixel(2, 1), gfx::kMagenta);
    }
    EXPECT_EQ(reader.asked.size(), 5u);
    EXPECT_EQ(reader.asked.front(), dir.File("face.bmp"));
}

TEST_F(PictureLoaderTest, AFolderNamedLikeAPngDoesNotMakeItsFilesPng) {
    reader.answer = gfx::Surface(1, 1);
    EXPECT_NE(loader.LoadPictureFile(dir.File("skin.png/face")), nullptr);
    EXPECT_EQ(reader.asked.size(), 1u);
}

TEST_F(PictureLoaderTest, AnUnreadableFileGivesNoPicture) {
    EXPECT_EQ(loader.LoadPictureFile(dir.File("face.bmp")), nullptr);
    EXPECT_EQ(loader.LoadPictureFile(dir.File("missing.png")), nullptr);
}

TEST_F(PictureLoaderTest, IndexedPngKeepsItsPaletteColours) {
    const std::vector<std::uint8_t> palette = {255, 0, 255, 1, 2, 3, 200, 100, 50};
    const std::vector<std::uint8_t> indices = {0, 1, 2, 2, 1, 0, 1, 1, 1, 0};
    const auto path = WritePng("indexed.png", test::MakeIndexedPng(5, 2, indices, palette));
    const auto picture = loader.LoadPngPicture(path);
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->Width(), 5);
    ASSERT_EQ(picture->Height(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 5; ++x) {
            const std::size_t i = indices[y * 5 + x] * 3u;
            EXPECT_EQ(picture->GetPixel(x, y), gfx::Rgb(palette[i], palette[i + 1], palette[i + 2]))
                << x << "," << y;
        }
    }
}

TEST_F(PictureLoaderTest, ARefusedPngGivesNoPicture) {
    auto file = test::MakeTruecolourPng(1, 1, std::vector<std::uint8_t>{1, 2, 3});
    file.Find("IDAT")->corruptCrc = true;
    EXPECT_EQ(loader.LoadPictureFile(WritePng("broken.png", file)), nullptr);
    EXPECT_TRUE(reader.asked.empty());
    // The next picture loads cleanly after the refusal.
    const auto good =
        WritePng("good.png", test::MakeTruecolourPng(1, 1, std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_NE(loader.LoadPictureFile(good), nullptr);
}

TEST(PictureLoaderWithoutPixwellTest, PngGivesNoPictureWhenPixwellIsMissing) {
    test::TempDir dir;
    PixwellLibrary absent(dir.Path(), "libpixwell-absent.so");
    test::FakePictureReader reader;
    reader.answer = gfx::Surface(1, 1);
    PictureLoader loader(absent, reader);
    const auto path = dir.Write(
        "face.png", test::MakeTruecolourPng(1, 1, std::vector<std::uint8_t>{1, 2, 3}).Bytes());
    EXPECT_EQ(loader.LoadPictureFile(path), nullptr);
    EXPECT_TRUE(reader.asked.empty());
}

} // namespace
} // namespace vantor
