// The installed font families, as the player sees them: Qt's font database,
// which needs one application object for the whole test binary (created on
// first use, never destroyed). Tests run with the offscreen platform.
#pragma once

#include "ui/QtInstalledFonts.h"

#include <QGuiApplication>

#include <string>
#include <vector>

namespace vantor::test {

inline QGuiApplication& ShippedSkinsApp() {
    static int argc = 1;
    static char name[] = "shipped-skins";
    static char* argv[] = {name, nullptr};
    static auto* app = new QGuiApplication(argc, argv);
    return *app;
}

inline std::vector<std::string> InstalledFontFamilies() {
    ShippedSkinsApp();
    return QtInstalledFonts().FamilyNames();
}

} // namespace vantor::test
