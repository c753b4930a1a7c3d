// Reading and editing one key of a freedesktop key file (mimeapps.list, a
// desktop entry) while every other line stays exactly as it was: other
// programs' groups, comments, blank lines and line ends. Plain value type.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class KeyFileText {
public:
    explicit KeyFileText(std::string_view text = {});
    // The file's text; a file that cannot be read reads as empty.
    static KeyFileText FromFile(const std::string& path);

    // The value of the first `key` in any `[group]`, as written (no escapes
    // undone); nullopt when there is none.
    std::optional<std::string> Value(std::string_view group, std::string_view key) const;
    // Replaces the first `key` line of the group in place, or adds one after
    // the group's last entry, or adds the group at the end.
    void Set(std::string_view group, std::string_view key, std::string_view value);
    // Removes every `key` line of the group, so no later copy takes over.
    void Remove(std::string_view group, std::string_view key);

    std::string Text() const;

private:
    // The key of a "key=value" line inside a group, or nullopt for headers,
    // comments and blank lines.
    static std::optional<std::string_view> KeyOf(std::string_view line);
    // Calls `visit(index, key)` for each entry line of every `[group]`;
    // stops when it returns true.
    template <typename Visit>
    void ForEachEntry(std::string_view group, Visit visit) const;

    std::vector<std::string> m_lines;
    bool m_endsWithNewline = true;
};

} // namespace vantor
