#include "skin/SongModeLamps.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

constexpr gfx::Pixel kDark = 0x00404040;
constexpr gfx::Pixel kLit = 0x00FF2000;
constexpr gfx::Pixel kInactive = 0x00202020;

class SongModeLampsTest : public ::testing::Test {
protected:
    SongModeLampsTest() {
        surfaces.face = gfx::Surface(40, 20, kDark);
        surfaces.pressedFace = gfx::Surface(40, 20, kLit);
        surfaces.mainWindow = surfaces.face;
        skin.stereoWindowRegions.count = 0;
        skin.stereoWindowRegions.regions[0].rect = {2, 2, 6, 5};
        // Two areas, the second reaching beyond the window.
        skin.monoWindowRegions.count = 1;
        skin.monoWindowRegions.regions[0].rect = {10, 2, 14, 5};
        skin.monoWindowRegions.regions[1].rect = {36, 15, 60, 30};
    }

    void Draw(std::int32_t songIsStereo, const gfx::Surface& face) {
        DrawSongModeLamps(skin, surfaces, face, songIsStereo);
    }
    gfx::Pixel At(int x, int y) const { return surfaces.mainWindow.GetPixel(x, y); }

    SkinDefinition skin;
    SkinSurfaces surfaces;
};

TEST_F(SongModeLampsTest, TheMatchingAreaLightsAndTheOtherGoesDark) {
    Draw(1, surfaces.face);
    EXPECT_EQ(At(2, 2), kLit);
    EXPECT_EQ(At(5, 4), kLit);
    EXPECT_EQ(At(6, 4), kDark);
    EXPECT_EQ(At(10, 2), kDark);

    Draw(0, surfaces.face);
    EXPECT_EQ(At(2, 2), kDark);
    EXPECT_EQ(At(13, 4), kLit);
    EXPECT_EQ(At(39, 19), kLit);
    EXPECT_EQ(At(35, 19), kDark);
}

TEST_F(SongModeLampsTest, AnUndescribedTrackLeavesBothDarkOnTheFaceInUse) {
    Draw(1, surfaces.face);
    const gfx::Surface inactive(40, 20, kInactive);
    Draw(-1, inactive);
    EXPECT_EQ(At(3, 3), kInactive);
    EXPECT_EQ(At(11, 3), kInactive);
    EXPECT_EQ(At(0, 0), kDark); // outside the areas nothing is drawn
}

TEST_F(SongModeLampsTest, ASkinWithoutAreasDrawsNothing) {
    skin.stereoWindowRegions = {};
    skin.monoWindowRegions = {};
    surfaces.mainWindow.TakeWrittenArea();
    Draw(1, surfaces.face);
    Draw(0, surfaces.face);
    EXPECT_EQ(surfaces.mainWindow, surfaces.face);
    EXPECT_TRUE(surfaces.mainWindow.TakeWrittenArea().IsEmpty());
}

} // namespace
} // namespace vantor
