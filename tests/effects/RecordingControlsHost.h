// Records what the effect controls ask of the windows and the settings.
#pragma once

#include "effects/ControlsHost.h"

#include <string>
#include <vector>

namespace vantor::test {

class RecordingControlsHost : public ControlsHost {
public:
    void RedrawBalanceBar() override { calls.emplace_back("RedrawBalanceBar"); }
    void RedrawPitchBar() override { calls.emplace_back("RedrawPitchBar"); }
    void ApplySoundControls() override { calls.emplace_back("ApplySoundControls"); }
    void SaveSettings() override { calls.emplace_back("SaveSettings"); }
    std::vector<std::string> calls;
};

} // namespace vantor::test
