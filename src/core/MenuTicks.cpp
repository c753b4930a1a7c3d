#include "core/MenuTicks.h"

#include <array>
#include <optional>

namespace vantor {

namespace {

struct SwitchItem {
    std::string_view name;
    std::int32_t Settings::*setting;
};

constexpr std::array kSwitchItems{
    SwitchItem{"Mnu_AutoPlay", &Settings::AutoPlay},
    SwitchItem{"Mnu_SearchSubDir", &Settings::SearchSubFolder},
    SwitchItem{"Mnu_Loop", &Settings::PlayLoopMode},
    SwitchItem{"Mnu_Random", &Settings::PlayRandomMode},
    SwitchItem{"Mnu_NonStop", &Settings::NonStopMegaMix},
    SwitchItem{"Mnu_MainWindow", &Settings::MainWindowVisible},
    SwitchItem{"Mnu_PlayListWindow", &Settings::PlayListVisible},
    SwitchItem{"Mnu_AlwaysTop", &Settings::AlwaysOnTop},
    SwitchItem{"Mnu_LevAmp", &Settings::SpectrumAmplify},
    SwitchItem{"Mnu_LevAmp2", &Settings::SpectrumAmplify},
};

constexpr std::int32_t kOscilloscopePattern = 14;

// The switch setting a check item stands for; none for other items.
std::optional<std::int32_t Settings::*> SwitchOfMenuItem(std::string_view name) {
    for (const SwitchItem& item : kSwitchItems) {
        if (item.name == name)
            return item.setting;
    }
    return std::nullopt;
}

} // namespace

bool MenuItemTicked(const Settings& settings, std::string_view name, std::int32_t index) {
    // Entry i of the style list shows style i + 1.
    if (name == "Mnu_Analyzer_Patturn")
        return settings.AnalyzerPattern == index + 1;
    if (name == "Mnu_Oscillo")
        return settings.AnalyzerPattern == kOscilloscopePattern;
    const auto setting = SwitchOfMenuItem(name);
    return setting && settings.**setting != 0;
}

} // namespace vantor
