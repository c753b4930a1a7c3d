// The skin's tooltips of one window as the areas the Qt window shows them in.
// UI thread only.
#pragma once

#include "skin/SkinToolTips.h"
#include "ui/SkinWidget.h"

#include <vector>

namespace vantor {

std::vector<AreaToolTip> AreaToolTips(const SkinDefinition& skin, PlayerWindow window);

} // namespace vantor
