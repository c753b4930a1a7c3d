#include "skin/MainPointer.h"

#include "BarFixture.h"

namespace vantor {
namespace {

using namespace test;

class RecordingPointerPeers : public MainPointerPeers {
public:
    void ShowContextMenu(std::int32_t x, std::int32_t y) override {
        calls.push_back("menu " + std::to_string(x) + " " + std::to_string(y));
    }
    void RunButtonCommand(MainButton button, std::int32_t target) override {
        calls.push_back("command " + std::to_string(static_cast<int>(button)) + " " +
                        std::to_string(target));
    }
    void NextAnalyzerStyle() override { calls.emplace_back("analyzer"); }
    void StartVolumeAnimation(std::int32_t targetFrame) override {
        calls.push_back("animate " + std::to_string(targetFrame));
    }
    ScreenPoint MainWindowPosition() const override { return position; }
    ScreenRect WorkArea() const override { return {0, 0, 1000, 800}; }
    ScreenRect OpaqueBounds() const override { return {5, 5, 95, 55}; }
    void MoveMainWindow(ScreenPoint to) override {
        position = to;
        calls.push_back("move " + std::to_string(to.x) + " " + std::to_string(to.y));
    }
    void MovePlayListWindowBy(std::int32_t dx, std::int32_t dy) override {
        calls.push_back("playlist " + std::to_string(dx) + " " + std::to_string(dy));
    }

    ScreenPoint position{300, 300};
    std::vector<std::string> calls;
};

class MainPointerTest : public BarFixture {
protected:
    void Button(MainButton button, SkinRect rect, std::int16_t target = 0) {
        SkinButton& entry = skin.mainButtons[static_cast<int>(button)];
        entry.regionCount += 1;
        entry.regions[entry.regionCount].rect = rect;
        entry.regions[entry.regionCount].target = target;
    }

    RecordingPointerPeers peers;
    MainPointer pointer{skin, surfaces, settings, bars, peers};
};

TEST(SnapTest, EdgesWithinTenPixelsOrBeyondSnapToTheWorkArea) {
    const ScreenRect opaque{5, 5, 95, 55};
    const ScreenRect work{0, 0, 1000, 800};
    EXPECT_EQ(SnapToWorkArea({300, 300}, opaque, work), (ScreenPoint{300, 300}));
    EXPECT_EQ(SnapToWorkArea({4, 300}, opaque, work), (ScreenPoint{-5, 300}));
    EXPECT_EQ(SnapToWorkArea({5, 300}, opaque, work), (ScreenPoint{5, 300}));
    EXPECT_EQ(SnapToWorkArea({-40, 300}, opaque, work), (ScreenPoint{-5, 300}));
    EXPECT_EQ(SnapToWorkArea({896, 300}, opaque, work), (ScreenPoint{905, 300}));
    EXPECT_EQ(SnapToWorkArea({895, 300}, opaque, work), (ScreenPoint{895, 300}));
    EXPECT_EQ(SnapToWorkArea({950, 790}, opaque, work), (ScreenPoint{905, 745}));
    EXPECT_EQ(SnapToWorkArea({300, 0}, opaque, {0, 30, 1000, 800}), (ScreenPoint{300, 25}));
}

TEST_F(MainPointerTest, RegionEdgesAreInsideAndTheLowerIndexWins) {
    Button(MainButton::Stop, {10, 10, 20, 20});
    Button(MainButton::Close, {15, 15, 30, 30});
    EXPECT_EQ(HitTestButtons(skin, 20, 20)->button, MainButton::Close);
    EXPECT_EQ(HitTestButtons(skin, 12, 12)->button, MainButton::Stop);
    EXPECT_EQ(HitTestButtons(skin, 30, 30)->button, MainButton::Close);
    EXPECT_FALSE(HitTestButtons(skin, 31, 30).has_value());
    Button(MainButton::Play, {40, 0, 45, 5});
    Button(MainButton::Play, {50, 0, 55, 5});
    const auto hit = HitTestButtons(skin, 55, 5);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->button, MainButton::Play);
    EXPECT_EQ(hit->region, 1);
}

TEST_F(MainPointerTest, PressShowsThePressedLookAndReleaseRunsTheCommand) {
    Button(MainButton::Play, {10, 10, 20, 20});
    pointer.Press(PointerButton::Left, 20, 20, {320, 320});
    EXPECT_EQ(At(10, 10), kPressed);
    EXPECT_EQ(At(19, 19), kPressed);
    EXPECT_EQ(At(20, 20), kFace);
    pointer.Release(80, 50);
    EXPECT_EQ(At(10, 10), kFace);
    EXPECT_EQ(peers.calls.back(), "command 6 0");
}

TEST_F(MainPointerTest, ToggleButtonsKeepThePressedLookWhileOn) {
    Button(MainButton::Loop, {10, 10, 20, 20});
    settings.PlayLoopMode = 1;
    pointer.Press(PointerButton::Left, 12, 12, {});
    pointer.Release(12, 12);
    EXPECT_EQ(At(12, 12), kPressed);
    settings.PlayLoopMode = 0;
    pointer.Press(PointerButton::Left, 12, 12, {});
    pointer.Release(12, 12);
    EXPECT_EQ(At(12, 12), kFace);
}

TEST_F(MainPointerTest, ChangeSkinReleaseCarriesTheRegionTarget) {
    Button(MainButton::ChangeSkin, {0, 0, 5, 5}, 0);
    Button(MainButton::ChangeSkin, {10, 0, 15, 5}, 2);
    pointer.Press(PointerButton::Left, 12, 2, {});
    pointer.Release(12, 2);
    EXPECT_EQ(peers.calls.back(), "command 14 2");
}

TEST_F(MainPointerTest, RightButtonShowsTheMenuAndTheAnalyzerCyclesItsStyle) {
    skin.spectrumField.rect = {50, 0, 90, 20};
    skin.analyzerAreaPlaced = true;
    pointer.Press(PointerButton::Right, 7, 8, {});
    EXPECT_EQ(peers.calls.back(), "menu 7 8");
    pointer.Press(PointerButton::Left, 90, 20, {});
    EXPECT_EQ(peers.calls.back(), "analyzer");
}

// The volume animation turns a frame strip only; other bars follow at once.
TEST_F(MainPointerTest, BarsFollowThePointerUntilRelease) {
    Bar(BarKind::Volume, {0, 30, 100, 40}, "NORMAL");
    settings.VolumeAnimation = 1;
    settings.MasterVolume = 0;
    pointer.Press(PointerButton::Left, 50, 35, {});
    EXPECT_EQ(pointer.ActiveBar(), BarKind::Volume);
    EXPECT_EQ(settings.MasterVolume, 128);
    EXPECT_TRUE(peers.calls.empty());
    pointer.Move(100, 80, {});
    EXPECT_EQ(settings.MasterVolume, 255);
    pointer.Release(0, 35);
    EXPECT_EQ(settings.MasterVolume, 0);
    EXPECT_FALSE(pointer.ActiveBar());
    pointer.Move(50, 35, {});
    EXPECT_EQ(settings.MasterVolume, 0);
}

TEST_F(MainPointerTest, PressOnMagentaOfAPositionMapDoesNothing) {
    SkinBarStyle& bar = Bar(BarKind::Volume, {0, 30, 10, 40}, "ADVANCE");
    bar.track = std::make_shared<gfx::Surface>(10, 10, gfx::kMagenta);
    bar.knob = std::make_shared<gfx::Surface>(20, 10, kKnob);
    bar.knobWidth = 10;
    bar.knobHeight = 10;
    bars.PrepareForSkin();
    settings.MasterVolume = 33;
    pointer.Press(PointerButton::Left, 5, 35, {305, 335});
    EXPECT_FALSE(pointer.ActiveBar());
    EXPECT_FALSE(pointer.Dragging());
    EXPECT_EQ(settings.MasterVolume, 33);
    EXPECT_TRUE(sound.calls.empty());
    EXPECT_TRUE(peers.calls.empty());
}

TEST_F(MainPointerTest, DraggingMovesTheWindowSnapsAndTakesTheLinkedPlayList) {
    settings.PlayListLinkMode = 1;
    pointer.Press(PointerButton::Left, 60, 30, {360, 330});
    ASSERT_TRUE(pointer.Dragging());
    pointer.Move(60, 30, {360, 330});
    EXPECT_TRUE(peers.calls.empty()); // the pointer has not moved
    pointer.Move(0, 0, {370, 310});
    EXPECT_EQ(peers.calls[0], "move 310 280");
    EXPECT_EQ(peers.calls[1], "playlist 10 -20");
    pointer.Move(0, 0, {64, 310}); // the left edge comes within 10 pixels
    EXPECT_EQ(peers.calls[2], "move -5 280");
    pointer.Release(0, 0);
    EXPECT_FALSE(pointer.Dragging());
}

} // namespace
} // namespace vantor
