// The installed font families as Qt's font database lists them. UI thread.
#pragma once

#include "platform/InstalledFonts.h"

namespace vantor {

class QtInstalledFonts : public InstalledFonts {
public:
    std::vector<std::string> FamilyNames() const override;
};

} // namespace vantor
