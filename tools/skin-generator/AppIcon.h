// The application icon in every hicolor size, painted with the shapes of
// data/icons/vantor.svg. Single-threaded; needs a QGuiApplication.
#pragma once

#include <QString>

namespace skingen {

// Writes `iconRoot`/hicolor/NxN/apps/vantor.png for each size the desktop
// asks for; returns an empty text, or says what failed.
QString WriteAppIcons(const QString& iconRoot);

} // namespace skingen
