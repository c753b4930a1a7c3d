// What shaping a skinned window asks of the desktop: drop the caption and
// border, take the face's size, show the face and clip the window to a
// region. The window keeps what it is given. UI thread only.
#pragma once

#include "gfx/Region.h"
#include "gfx/Surface.h"

namespace vantor {

class ShapedWindow {
public:
    virtual ~ShapedWindow() = default;
    virtual void RemoveFrame() = 0;
    // The outer size of the window, frame included.
    virtual void SetOuterSize(int width, int height) = 0;
    // Draws `face` at (0, 0) in its full size.
    virtual void ShowFace(const gfx::Surface& face) = 0;
    // Clips the window to `shape`; false when the desktop refuses, and the
    // window then keeps its previous shape.
    virtual bool ApplyShape(const gfx::Region& shape) = 0;
};

} // namespace vantor
