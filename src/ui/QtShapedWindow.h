// Shaping a SkinWindow: the window is frameless already, takes the face's
// size and image, and is clipped with a mask. The SkinWindow is borrowed
// and must outlive this object. UI thread only.
#pragma once

#include "platform/ShapedWindow.h"
#include "ui/SkinWindow.h"

namespace vantor {

class QtShapedWindow : public ShapedWindow {
public:
    explicit QtShapedWindow(SkinWindow& window) : m_window(window) {}

    void RemoveFrame() override;
    void SetOuterSize(int width, int height) override;
    void ShowFace(const gfx::Surface& face) override;
    bool ApplyShape(const gfx::Region& shape) override;

private:
    SkinWindow& m_window;
};

} // namespace vantor
