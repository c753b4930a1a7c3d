#include "settings/dialog/SettingsPages.h"

#include <gtest/gtest.h>

#include <set>

namespace vantor {
namespace {

TEST(SettingsPages, DisplayNodeKeepsThePageAndItsChildrenShowTheirs) {
    EXPECT_EQ(PageAfterSelecting("103_", kPageAnalyzer), kPageAnalyzer);
    EXPECT_EQ(PageAfterSelecting("103_", kPageGeneral), kPageGeneral);
    EXPECT_EQ(PageAfterSelecting("203_", kPageAnalyzer), kPageMainDisplay);
    EXPECT_EQ(PageAfterSelecting("204_", kPageGeneral), kPagePlaylistDisplay);
    // The top-level playlist node has the same caption but a page of its own.
    EXPECT_EQ(PageAfterSelecting("104_", kPageGeneral), kPagePlaylist);
}

TEST(SettingsPages, EmptyNodeAndUnknownKeysKeepThePage) {
    EXPECT_EQ(PageAfterSelecting("300_", kPageOther), kPageOther);
    EXPECT_EQ(PageAfterSelecting("999_", kPageEffects), kPageEffects);
}

TEST(SettingsPages, EveryPageHasOneNodeAndEveryChildAParent) {
    std::set<int> pages;
    std::set<std::string_view> keys;
    for (const CategoryNode& node : kCategoryNodes) {
        EXPECT_TRUE(keys.insert(node.key).second) << node.key;
        if (node.page != kNoPage) {
            EXPECT_TRUE(pages.insert(node.page).second) << node.page;
        }
        if (!node.parentKey.empty()) {
            EXPECT_TRUE(keys.contains(node.parentKey)) << node.key << " comes before its parent";
        }
    }
    EXPECT_EQ(pages.size(), static_cast<std::size_t>(kPageCount));
    EXPECT_EQ(NodeKeyOfPage(kPageSkinFolder), "401_");
    EXPECT_EQ(NodeKeyOfPage(kPageGeneral), "100_");
    EXPECT_EQ(NodeKeyOfPage(kNoPage), "");
}

} // namespace
} // namespace vantor
