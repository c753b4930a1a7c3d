// Chooses the font a skin's font name stands for: the name itself when such a
// font is installed, otherwise the Japanese UI gothic when installed, else
// "Arial". The installed names are taken once, at construction. UI thread.
#pragma once

#include "platform/InstalledFonts.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class FontNameResolver {
public:
    explicit FontNameResolver(const InstalledFonts& fonts);
    explicit FontNameResolver(std::vector<std::string> installedNames);

    std::string ResolveFontName(std::string_view name) const;

private:
    bool IsInstalled(std::string_view name) const;

    std::vector<std::string> m_installed;
};

} // namespace vantor
