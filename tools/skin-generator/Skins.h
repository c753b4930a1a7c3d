// The shipped skins. Each writer draws every picture of its skin and its
// definition files into `skinRoot`/<name>/ and returns an empty text, or
// says what failed. Single-threaded; needs a QGuiApplication for fonts.
#pragma once

#include <QString>

namespace skingen {

QString WriteDefaultSkin(const QString& skinRoot);
QString WriteShowcaseSkin(const QString& skinRoot);

} // namespace skingen
