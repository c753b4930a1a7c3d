// Ending the process from inside a start-up step that cannot continue. The
// application ends at once without any clean-up; tests record the request.
// UI thread only.
#pragma once

namespace vantor {

class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    // Does not return in the application; a test's fake does.
    virtual void EndProcessNow() = 0;
};

} // namespace vantor
