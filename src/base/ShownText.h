// The player's own texts that reach the screen are written here in their
// Japanese source form and marked with VANTOR_TEXT, so that the translation
// tools collect them; the Qt-free layers keep the source text and the
// windows translate it where they show it. Constant data; any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text itself. lupdate reads it as QT_TRID_NOOP: a text is its own id, so
// a text translates once wherever it is used.
#define VANTOR_TEXT(text) text

namespace vantor {

// Texts composed around a file name or a number. A window translates a line
// that is not a whole text of its own by matching it against these; their
// placeholders stand in number order.
inline constexpr std::string_view kNotStoredZipText =
    VANTOR_TEXT("%1は無圧縮Zipではないので、処理できません。");
inline constexpr std::string_view kUnknownSkinCommandText =
    VANTOR_TEXT("Line : %1 「%2」は有効なコマンドではありません");
inline constexpr std::string_view kComposedTexts[] = {kNotStoredZipText, kUnknownSkinCommandText};

// `pattern` with "%1", "%2", … replaced by `values` in order. A value is
// inserted as it is: a "%2" inside the first value stays "%2".
std::string ComposeText(std::string_view pattern, const std::vector<std::string>& values);

// The values that made `text` from `pattern`, one per placeholder in the
// order they stand; an earlier value takes as much of the text as the rest
// of the pattern leaves it. None when `text` was not made from `pattern`.
std::optional<std::vector<std::string>> ValuesComposedInto(std::string_view pattern,
                                                           std::string_view text);

} // namespace vantor
