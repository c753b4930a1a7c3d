// The font families installed on the desktop, read once at start-up by the
// skin's font resolver. The returned names are copies the caller owns.
// UI thread.
#pragma once

#include <string>
#include <vector>

namespace vantor {

class InstalledFonts {
public:
    virtual ~InstalledFonts() = default;
    virtual std::vector<std::string> FamilyNames() const = 0;
};

} // namespace vantor
