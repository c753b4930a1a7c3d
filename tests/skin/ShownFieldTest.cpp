#include "BarFixture.h"

#include "gfx/Blit.h"
#include "skin/ShownField.h"

namespace vantor {
namespace {

using namespace test;

constexpr gfx::Pixel kInk = gfx::Rgb(250, 0, 0);
constexpr gfx::Pixel kOtherInk = gfx::Rgb(0, 250, 0);
constexpr gfx::Pixel kInactive = gfx::Rgb(90, 90, 90);

TEST(ShownFieldTest, TheSameTextOverTheSamePixelsIsStillShown) {
    gfx::Surface window(20, 10, gfx::kBlack);
    const gfx::Rect area{2, 2, 12, 6};
    ShownField shown;
    EXPECT_FALSE(shown.StillShows(window, area, "")) << "nothing was drawn yet";
    window.FillRect({3, 3, 5, 5}, kInk);
    shown.Remember(window, area, "12:34");
    EXPECT_TRUE(shown.StillShows(window, area, "12:34"));
    EXPECT_FALSE(shown.StillShows(window, area, "12:35"));
    EXPECT_FALSE(shown.StillShows(window, area.Offset(1, 0), "12:34"));

    // Pixels beside the field do not matter; one inside it does.
    window.SetPixel(15, 8, kInk);
    EXPECT_TRUE(shown.StillShows(window, area, "12:34"));
    window.SetPixel(11, 5, kInk);
    EXPECT_FALSE(shown.StillShows(window, area, "12:34"));

    shown.Remember(window, area, "12:34");
    shown.Forget();
    EXPECT_FALSE(shown.StillShows(window, area, "12:34"));
}

TEST(ShownFieldTest, AFieldReachingBeyondTheWindowIsComparedWhereItLies) {
    gfx::Surface window(10, 10, gfx::kBlack);
    const gfx::Rect area{6, 6, 16, 16};
    ShownField shown;
    shown.Remember(window, area, "x");
    EXPECT_TRUE(shown.StillShows(window, area, "x"));
    window.SetPixel(9, 9, kInk);
    EXPECT_FALSE(shown.StillShows(window, area, "x"));
}

// Text drawn as boxes in a system font: the main window's time field at the
// top left, the playlist's below its top edge.
class TimeTextTest : public BarFixture {
protected:
    TimeTextTest() {
        SkinTextStyle& time = skin.Style(TextField::Time);
        time.rect = {0, 0, 40, 6};
        time.color = static_cast<std::int32_t>(gfx::ToColorRef(kInk));
        SkinTextStyle& listTime = skin.Style(TextField::PlayListTime);
        listTime.rect = {0, 10, 30, 16};
        listTime.color = static_cast<std::int32_t>(gfx::ToColorRef(kInk));
        PrepareFieldSurfaces(skin, surfaces);
    }

    void ClearRecords() {
        painter.painted.clear();
        surfaces.mainWindow.TakeWrittenArea();
        surfaces.playListWindow.TakeWrittenArea();
    }

    gfx::Pixel ListAt(int x, int y) const { return surfaces.playListWindow.GetPixel(x, y); }
};

TEST_F(TimeTextTest, TheSameTimeAgainLeavesBothWindowsAloneAndANewOneIsDrawn) {
    texts.DrawTimeText("00:01 / 02:00");
    ClearRecords();
    texts.DrawTimeText("00:01 / 02:00");
    EXPECT_TRUE(painter.painted.empty());
    EXPECT_TRUE(surfaces.mainWindow.TakeWrittenArea().IsEmpty());
    EXPECT_TRUE(surfaces.playListWindow.TakeWrittenArea().IsEmpty());

    texts.DrawTimeText("00:02 / 02:00");
    ASSERT_EQ(painter.painted.size(), 2u);
    EXPECT_EQ(painter.painted[0].text, "00:02 / 02:00");
    EXPECT_EQ(painter.painted[1].text, "00:02");
}

TEST_F(TimeTextTest, ANewFaceOverTheFieldGetsTheSameTimeBack) {
    texts.DrawTimeText("00:01 / 02:00");
    ASSERT_EQ(At(1, 1), kInk);
    // The inactive face goes over the whole window, as on a change of focus.
    const gfx::Surface inactive(100, 60, kInactive);
    gfx::Blit(surfaces.mainWindow, {0, 0}, inactive, inactive.Bounds());
    ClearRecords();
    texts.DrawTimeText("00:01 / 02:00");
    EXPECT_EQ(At(1, 1), kInk);
    EXPECT_EQ(At(39, 5), kFace) << "the field is composed on the face";
    ASSERT_EQ(painter.painted.size(), 1u) << "the playlist still shows its time";
}

TEST_F(TimeTextTest, ThePlaylistTimeComesBackAfterAnotherTextWasDrawnThere) {
    texts.DrawTimeText("00:01 / 02:00");
    std::string length = "0:05";
    texts.DrawPlayListText(TextField::PlayListTime, length);
    ASSERT_EQ(ListAt(9, 11), kFace) << "the shorter text left the face";
    ClearRecords();
    texts.DrawTimeText("00:01 / 02:00");
    ASSERT_EQ(painter.painted.size(), 1u);
    EXPECT_EQ(painter.painted[0].text, "00:01");
    EXPECT_EQ(ListAt(9, 11), kInk);
}

// The window shows exactly what was drawn before, but the new skin draws the
// field in another colour.
TEST_F(TimeTextTest, ANewSkinDrawsTheSameTimeAnew) {
    texts.DrawTimeText("00:01 / 02:00");
    skin.Style(TextField::Time).color = static_cast<std::int32_t>(gfx::ToColorRef(kOtherInk));
    skin.Style(TextField::PlayListTime).color =
        static_cast<std::int32_t>(gfx::ToColorRef(kOtherInk));
    PrepareFieldSurfaces(skin, surfaces);
    texts.DrawTimeText("00:01 / 02:00");
    EXPECT_EQ(At(1, 1), kOtherInk);
    EXPECT_EQ(ListAt(1, 11), kOtherInk);
}

} // namespace
} // namespace vantor
