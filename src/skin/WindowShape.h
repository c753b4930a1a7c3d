// Shaping a skinned window from its face: magenta pixels are cut out, the
// rest becomes the window's region, and the box of the opaque pixels is
// kept for docking. Messages go through the message boxes. UI thread only.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Region.h"
#include "gfx/Surface.h"
#include "platform/MessageBoxes.h"
#include "platform/ShapedWindow.h"
#include "skin/PixwellLibrary.h"
#include "skin/SkinPicture.h"

#include <optional>

namespace vantor {

struct FaceRegion {
    gfx::Region region;
    // The box of the non-magenta pixels; (0, 0, 1, 1) when there are none.
    gfx::Rect opaqueBounds;
};

// The region Pixwell builds from `face`; nothing when Pixwell is missing or
// gives no region.
std::optional<FaceRegion> RegionFromFace(PixwellLibrary& pixwell, const gfx::Surface& face);

enum class ShapeOutcome {
    Shaped,  // the window took the region
    Refused, // the desktop refused the region; the window keeps its shape
    Failed,  // no face or no region could be built
};

// Frames off, sized to the face, face shown, region built and applied.
// `opaqueBounds` receives the opaque box once the region is built.
ShapeOutcome CreateWindowShape(ShapedWindow& window, const Picture& face, gfx::Rect& opaqueBounds,
                               PixwellLibrary& pixwell, MessageBoxes& messages);

} // namespace vantor
