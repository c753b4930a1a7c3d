// The language of the player's own texts. The desktop's locale chooses the
// English catalogue or the Japanese source texts, and texts that come from
// the Qt-free layers are translated here, where they reach the screen.
// UI thread.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The English catalogue, relative to a folder that holds the skins.
inline constexpr char kEnglishCatalogue[] = "translations/vantor_en.qm";

// Whether the languages the desktop prefers, the first one first, ask for
// the Japanese texts the player is written in.
bool PrefersSourceTexts(const QStringList& uiLanguages);

// Installs the English catalogue from the first of `folders` (each ending in
// a slash) that holds one, unless `uiLanguages` prefer Japanese; a catalogue
// installed before is taken back either way. Returns whether English is in
// use. Call before the first window is built.
bool UseLanguage(const QStringList& uiLanguages, const std::vector<std::string>& folders);

// UseLanguage with the languages of the desktop's locale, as Qt reads them
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
bool UseDesktopLanguage(const std::vector<std::string>& folders);

// One of the player's own texts (UTF-8) as the user reads it: the whole text
// translated, or else each line translated on its own, where a line may be
// one of the composed texts around a name or a number. A line that is not a
// text of the player (a file name) stays as it is.
QString ShownText(std::string_view text);

} // namespace vantor
