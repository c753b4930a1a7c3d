// UTF-8 texts of the Qt-free layers as the settings window's captions.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantor {

inline QString U(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string S(const QString& text) {
    return text.toStdString();
}

} // namespace vantor
