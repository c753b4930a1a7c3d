// Any bytes as a settings file: reading, fix-ups and writing back must hold.
#include "base/TextEncoding.h"
#include "settings/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    vantor::Settings settings;
    vantor::ReadSettingsText(vantor::LegacyToUtf8(raw, 932), settings);
    vantor::ApplySettingsFixups(settings, "/nonexistent/");
    vantor::Settings again;
    vantor::ReadSettingsText(vantor::WriteSettingsText(settings, "/nonexistent/"), again);
    return 0;
}
