// Shaping a SkinWidget: the window is frameless already, takes the face's
// size and image, and is clipped with a mask. The SkinWidget is borrowed
// and must outlive this object. UI thread only.
#pragma once

#include "platform/ShapedWindow.h"
#include "ui/SkinWidget.h"

namespace vantor {

class QtShapedWindow : public ShapedWindow {
public:
    explicit QtShapedWindow(SkinWidget& window) : m_window(window) {}

    void RemoveFrame() override;
    void SetOuterSize(int width, int height) override;
    void ShowFace(const gfx::Surface& face) override;
    bool ApplyShape(const gfx::Region& shape) override;

private:
    SkinWidget& m_window;
};

} // namespace vantor
