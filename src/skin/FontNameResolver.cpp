#include "skin/FontNameResolver.h"

#include "base/StringUtil.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::string_view kJapaneseGothic = "ＭＳ Ｐゴシック";
constexpr std::string_view kLastResort = "Arial";

} // namespace

FontNameResolver::FontNameResolver(const InstalledFonts& fonts)
    : m_installed(fonts.FamilyNames()) {}

FontNameResolver::FontNameResolver(std::vector<std::string> installedNames)
    : m_installed(std::move(installedNames)) {}

bool FontNameResolver::IsInstalled(std::string_view name) const {
    return std::any_of(m_installed.begin(), m_installed.end(), [&](const std::string& installed) {
        return EqualsIgnoreCase(installed, name);
    });
}

std::string FontNameResolver::ResolveFontName(std::string_view name) const {
    if (IsInstalled(name))
        return std::string(name);
    return std::string(IsInstalled(kJapaneseGothic) ? kJapaneseGothic : kLastResort);
}

} // namespace vantor
