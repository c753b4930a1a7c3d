// Records requests to end the process instead of ending it.
#pragma once

#include "platform/ProcessControl.h"

namespace vantor::test {

class FakeProcessControl : public ProcessControl {
public:
    void EndProcessNow() override { ++endRequests; }
    int endRequests = 0;
};

} // namespace vantor::test
