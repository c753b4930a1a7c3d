// A desktop whose foreground window the test chooses; records main-window moves.
#pragma once

#include "platform/DesktopWindows.h"

#include <vector>

namespace vantor::test {

class FakeDesktopWindows : public DesktopWindows {
public:
    bool MainWindowIsForeground() const override { return mainIsForeground; }
    ForegroundWindow Foreground() const override { return foreground; }
    void MoveMainWindow(std::int32_t x, std::int32_t y) override { moves.push_back({x, y}); }

    bool mainIsForeground = true;
    ForegroundWindow foreground;
    std::vector<ScreenPoint> moves;
};

} // namespace vantor::test
