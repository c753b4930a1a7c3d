// The association page's twelve file-group boxes: which items of the
// association list each one stands for, and how boxes and list agree.
#pragma once

#include "shell/AssociationList.h"

#include <array>
#include <string_view>
#include <vector>

namespace vantor {

using AssociationTicks = std::array<bool, kAssociationItems.size()>;

struct AssociationGroup {
    std::string_view caption;
    std::vector<std::string_view> extensions;
};

// In the order the page shows them.
const std::array<AssociationGroup, 12>& AssociationGroups();

// A group box is ticked when every item it stands for is ticked.
bool GroupTicked(const AssociationTicks& ticks, std::size_t group);
// Ticking or clearing a group box ticks or clears its items in the list.
void SetGroupTicked(AssociationTicks& ticks, std::size_t group, bool ticked);

// The list as the desktop has it now.
AssociationTicks CurrentAssociations(const FileAssociations& associations);

} // namespace vantor
