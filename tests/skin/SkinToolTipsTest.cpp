#include "skin/SkinToolTips.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(SkinToolTipsTest, LineBreakMarkerBecomesCrLf) {
    EXPECT_EQ(ExpandToolTipText("Play[\\n]track"), "Play\r\ntrack");
    EXPECT_EQ(ExpandToolTipText("a[\\n]b[\\n]c"), "a\r\nb\r\nc");
    EXPECT_EQ(ExpandToolTipText("plain"), "plain");
}

TEST(SkinToolTipsTest, EachWindowGetsItsOwnRegionsWithTexts) {
    SkinDefinition skin;
    SkinButton& play = skin.mainButtons[6];
    play.regionCount = 1;
    play.regions[0] = {{0, 0, 5, 5}, "Play", 0};
    play.regions[1] = {{6, 0, 9, 5}, "", 0};
    skin.Bar(BarKind::Seek).rect = {0, 10, 50, 15};
    skin.Bar(BarKind::Seek).toolTip = "Seek";
    skin.customToolTips.push_back({{1, 1, 2, 2}, "Custom[\\n]tip"});
    skin.playListButtons[0].regionCount = 0;
    skin.playListButtons[0].regions[0] = {{0, 0, 3, 3}, "Close", 0};
    const auto main = CollectSkinToolTips(skin, PlayerWindow::Main);
    ASSERT_EQ(main.size(), 3u);
    EXPECT_EQ(main[0].text, "Play");
    EXPECT_EQ(main[1].text, "Seek");
    EXPECT_EQ(main[2].text, "Custom\r\ntip");
    const auto list = CollectSkinToolTips(skin, PlayerWindow::Playlist);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "Close");
}

} // namespace
} // namespace vantor
