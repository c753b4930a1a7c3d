#include "ui/QtShapedWindow.h"

namespace vantor {

void QtShapedWindow::RemoveFrame() {
    if (!m_window.windowFlags().testFlag(Qt::FramelessWindowHint))
        m_window.setWindowFlag(Qt::FramelessWindowHint, true);
}

void QtShapedWindow::SetOuterSize(int width, int height) {
    m_window.setFixedSize(width, height);
}

void QtShapedWindow::ShowFace(const gfx::Surface& face) {
    m_window.ShowSurface(face);
}

bool QtShapedWindow::ApplyShape(const gfx::Region& shape) {
    // A mask cannot be refused by the desktop the way a region can.
    m_window.SetShape(shape);
    return true;
}

} // namespace vantor
