#include "skin/WindowShape.h"

#include "support/FakeMessageBoxes.h"
#include "support/FakeShapedWindow.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using gfx::kMagenta;
constexpr gfx::Pixel kRed = gfx::Rgb(255, 0, 0);

class WindowShapeTest : public ::testing::Test {
protected:
    PixwellLibrary pixwell{""};
    test::FakeShapedWindow window;
    test::FakeMessageBoxes messages;
    gfx::Rect opaqueBounds{-9, -9, -9, -9};

    ShapeOutcome Shape(const Picture& face) {
        return CreateWindowShape(window, face, opaqueBounds, pixwell, messages);
    }
};

// A face whose whole one-pixel border is magenta.
Picture FramedFace(int width, int height) {
    auto face = std::make_shared<gfx::Surface>(width, height, kMagenta);
    face->FillRect({1, 1, width - 1, height - 1}, kRed);
    return face;
}

TEST_F(WindowShapeTest, MagentaBorderIsCutButTheWindowKeepsTheFaceSize) {
    const auto face = FramedFace(6, 4);
    EXPECT_EQ(Shape(face), ShapeOutcome::Shaped);
    EXPECT_TRUE(window.frameRemoved);
    EXPECT_EQ(window.outerWidth, 6);
    EXPECT_EQ(window.outerHeight, 4);
    ASSERT_TRUE(window.shownFace.has_value());
    EXPECT_EQ(*window.shownFace, *face);
    ASSERT_TRUE(window.appliedShape.has_value());
    const auto& shape = *window.appliedShape;
    EXPECT_EQ(shape.Rects().size(), 2u);
    EXPECT_EQ(shape.Bounds(), (gfx::Rect{1, 1, 5, 3}));
    EXPECT_EQ(shape.Area(), 8);
    EXPECT_FALSE(shape.Contains(0, 0));
    EXPECT_TRUE(shape.Contains(1, 1));
    EXPECT_EQ(opaqueBounds, (gfx::Rect{1, 1, 5, 3}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowShapeTest, RowMagentaRedRedMagentaRedGivesTwoRectangles) {
    auto face = std::make_shared<gfx::Surface>(5, 1, kMagenta);
    face->SetPixel(1, 0, kRed);
    face->SetPixel(2, 0, kRed);
    face->SetPixel(4, 0, kRed);
    ASSERT_EQ(Shape(face), ShapeOutcome::Shaped);
    const auto rects = window.appliedShape->Rects();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (gfx::Rect{1, 0, 3, 1}));
    EXPECT_EQ(rects[1], (gfx::Rect{4, 0, 5, 1}));
}

TEST_F(WindowShapeTest, AllMagentaFaceGivesAnEmptyShapeAndTheUnitBox) {
    EXPECT_EQ(Shape(std::make_shared<gfx::Surface>(4, 4, kMagenta)), ShapeOutcome::Shaped);
    ASSERT_TRUE(window.appliedShape.has_value());
    EXPECT_TRUE(window.appliedShape->IsEmpty());
    EXPECT_EQ(opaqueBounds, (gfx::Rect{0, 0, 1, 1}));
}

TEST_F(WindowShapeTest, ARefusedRegionShowsBothMessagesInOrder) {
    window.refuseShape = true;
    EXPECT_EQ(Shape(FramedFace(4, 4)), ShapeOutcome::Refused);
    const std::vector<test::ShownMessage> expected = {
        {"CreateRgnFromPictureに失敗しました", "Vantor", MessageIcon::None},
        {"エラーだよ", "Vantor", MessageIcon::None},
    };
    EXPECT_EQ(messages.shown, expected);
    // The region was built, so the opaque box is already known.
    EXPECT_EQ(opaqueBounds, (gfx::Rect{1, 1, 3, 3}));
}

TEST_F(WindowShapeTest, NoFaceShowsTheErrorAlone) {
    EXPECT_EQ(Shape(nullptr), ShapeOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "エラーだよ");
    EXPECT_FALSE(window.appliedShape.has_value());
    EXPECT_EQ(opaqueBounds, (gfx::Rect{-9, -9, -9, -9}));
}

TEST(WindowShapeWithoutPixwellTest, AMissingLibraryShowsTheErrorAlone) {
    test::TempDir dir;
    PixwellLibrary absent(dir.Path(), "libpixwell-absent.so");
    test::FakeShapedWindow window;
    test::FakeMessageBoxes messages;
    gfx::Rect bounds;
    EXPECT_EQ(CreateWindowShape(window, std::make_shared<gfx::Surface>(2, 2, kRed), bounds, absent,
                                messages),
              ShapeOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "エラーだよ");
    EXPECT_FALSE(window.appliedShape.has_value());
}

TEST(RegionFromFaceTest, OneRectanglePerRunAndTheOpaqueBox) {
    PixwellLibrary pixwell("");
    gfx::Surface face(4, 3, kMagenta);
    face.SetPixel(0, 0, kRed);
    face.SetPixel(3, 2, kRed);
    face.SetPixel(2, 2, kRed);
    const auto shape = RegionFromFace(pixwell, face);
    ASSERT_TRUE(shape.has_value());
    ASSERT_EQ(shape->region.Rects().size(), 2u);
    EXPECT_EQ(shape->region.Rects()[1], (gfx::Rect{2, 2, 4, 3}));
    EXPECT_EQ(shape->opaqueBounds, (gfx::Rect{0, 0, 4, 3}));
    EXPECT_FALSE(RegionFromFace(pixwell, gfx::Surface()).has_value());
}

} // namespace
} // namespace vantor
