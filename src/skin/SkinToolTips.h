// The tooltips a skin gives each window: every button region, field and bar
// with a tooltip text, and the skin's own tooltip lists, with "[\n]" turned
// into line breaks. The window layer registers them. Pure; UI thread.
#pragma once

#include "platform/ShellWindows.h"
#include "skin/SkinDefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// "[\n]" in a tooltip text stands for a line break (CR LF).
std::string ExpandToolTipText(std::string_view text);

std::vector<SkinToolTip> CollectSkinToolTips(const SkinDefinition& skin, PlayerWindow window);

} // namespace vantor
