// Applies a skin to surfaces of its own, away from any window, and leaves
// both windows as they look a moment after start-up with default settings:
// the time display at zero, the idle song text revealed, the analyzer at
// rest. Skin previews and the command-line renderer use it. UI thread.
#pragma once

#include "platform/TextPainter.h"
#include "skin/SkinStatementApplier.h"
#include "skin/SkinSurfaces.h"

#include <optional>
#include <string>

namespace vantor {

// `appFolder` is where the default skin is looked up when the skin lacks a
// face. Nullopt when neither the skin nor the default skin has both faces.
std::optional<SkinSurfaces> RenderSkinOffscreen(const std::string& path,
                                                const std::string& appFolder,
                                                const SkinServices& services, TextPainter& painter);

} // namespace vantor
