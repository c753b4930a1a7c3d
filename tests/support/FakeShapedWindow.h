// Records what a skinned window was asked to do while it was shaped, and
// accepts or refuses the region as the test says.
#pragma once

#include "platform/ShapedWindow.h"

#include <optional>

namespace vantor::test {

class FakeShapedWindow : public ShapedWindow {
public:
    void RemoveFrame() override { frameRemoved = true; }
    void SetOuterSize(int width, int height) override {
        outerWidth = width;
        outerHeight = height;
    }
    void ShowFace(const gfx::Surface& face) override { shownFace = face; }
    bool ApplyShape(const gfx::Region& shape) override {
        if (refuseShape)
            return false;
        appliedShape = shape;
        return true;
    }

    bool refuseShape = false;
    bool frameRemoved = false;
    int outerWidth = -1;
    int outerHeight = -1;
    std::optional<gfx::Surface> shownFace;
    std::optional<gfx::Region> appliedShape;
};

} // namespace vantor::test
