// An analyzer source whose spectrum, liveness and pause state the test sets.
#pragma once

#include "visual/AnalyzerSource.h"

namespace vantor::test {

class FakeAnalyzerSource : public AnalyzerSource {
public:
    bool IsLive() override { return live; }
    bool IsAnyPaused() override { return paused; }
    Spectrum FetchSpectrum() override {
        ++fetches;
        return spectrum;
    }

    bool live = true;
    bool paused = false;
    Spectrum spectrum{};
    int fetches = 0;
};

} // namespace vantor::test
