#include "settings/dialog/AssociationGroups.h"

#include "support/FakeFileAssociations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vantor {
namespace {

std::size_t IndexOf(std::string_view extension) {
    for (std::size_t i = 0; i < kAssociationItems.size(); ++i) {
        if (kAssociationItems[i].extension == extension)
            return i;
    }
    ADD_FAILURE() << extension << " is not in the list";
    return 0;
}

TEST(AssociationGroups, EveryListItemBelongsToExactlyOneGroup) {
    std::map<std::string_view, int> owners;
    for (const AssociationGroup& group : AssociationGroups()) {
        for (std::string_view extension : group.extensions) {
            IndexOf(extension);
            ++owners[extension];
        }
    }
    for (const AssociationItem& item : kAssociationItems)
        EXPECT_EQ(owners[item.extension], 1) << item.extension;
}

TEST(AssociationGroups, TickingAGroupSelectsAllItsItemsAndOnlyThem) {
    AssociationTicks ticks{};
    SetGroupTicked(ticks, 4, true); // MID, RMI, SGT
    EXPECT_TRUE(ticks[IndexOf(".MID")]);
    EXPECT_TRUE(ticks[IndexOf(".RMI")]);
    EXPECT_TRUE(ticks[IndexOf(".SGT")]);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), true), 3);
    EXPECT_TRUE(GroupTicked(ticks, 4));

    // One item cleared in the detailed list clears the group's box.
    ticks[IndexOf(".RMI")] = false;
    EXPECT_FALSE(GroupTicked(ticks, 4));
    SetGroupTicked(ticks, 4, false);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), true), 0);
}

TEST(AssociationGroups, TheListShowsWhatTheDesktopHandsToThePlayer) {
    test::FakeFileAssociations desktop;
    desktop.associated = {".MP3", ".M3U"};
    const AssociationTicks ticks = CurrentAssociations(desktop);
    EXPECT_TRUE(ticks[IndexOf(".MP3")]);
    EXPECT_TRUE(ticks[IndexOf(".M3U")]);
    EXPECT_FALSE(ticks[IndexOf(".MP2")]);
    EXPECT_FALSE(GroupTicked(ticks, 6)); // MP2 and MP3 together
    EXPECT_TRUE(GroupTicked(ticks, 9));
}

} // namespace
} // namespace vantor
