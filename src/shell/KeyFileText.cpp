#include "shell/KeyFileText.h"

#include "base/ByteReader.h"
#include "base/StringUtil.h"

namespace vantor {

namespace {

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The group a header line opens, or nullopt when the line is no header.
std::optional<std::string_view> GroupOf(std::string_view line) {
    line = TrimWhitespace(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

} // namespace

KeyFileText::KeyFileText(std::string_view text) {
    if (text.empty())
        return;
    m_endsWithNewline = text.back() == '\n';
    if (m_endsWithNewline)
        text.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        const auto end = text.find('\n', start);
        m_lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
}

KeyFileText KeyFileText::FromFile(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return bytes ? KeyFileText(std::string(bytes->begin(), bytes->end())) : KeyFileText();
}

std::optional<std::string_view> KeyFileText::KeyOf(std::string_view line) {
    line = WithoutCarriageReturn(line);
    if (line.empty() || line.front() == '#' || line.front() == '[')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return TrimWhitespace(line.substr(0, equals));
}

template <typename Visit>
void KeyFileText::ForEachEntry(std::string_view group, Visit visit) const {
    bool inGroup = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (const auto header = GroupOf(m_lines[i])) {
            inGroup = *header == group;
            continue;
        }
        if (!inGroup)
            continue;
        if (const auto key = KeyOf(m_lines[i]); key && visit(i, *key))
            return;
    }
}

std::optional<std::string> KeyFileText::Value(std::string_view group, std::string_view key) const {
    std::optional<std::string> value;
    ForEachEntry(group, [&](std::size_t index, std::string_view found) {
        if (found != key)
            return false;
        const std::string_view line = WithoutCarriageReturn(m_lines[index]);
        value = std::string(TrimWhitespace(line.substr(line.find('=') + 1)));
        return true;
    });
    return value;
}

void KeyFileText::Set(std::string_view group, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    std::optional<std::size_t> existing;
    ForEachEntry(group, [&](std::size_t index, std::string_view found) {
        existing = index;
        return found == key;
    });
    if (existing && KeyOf(m_lines[*existing]) == key) {
        // A file written on Windows keeps its line ends.
        if (m_lines[*existing].ends_with('\r'))
            line += '\r';
        m_lines[*existing] = std::move(line);
        return;
    }
    if (existing) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*existing) + 1, line);
        return;
    }
    const std::string header = "[" + std::string(group) + "]";
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (GroupOf(m_lines[i]) == group) {
            m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, line);
            return;
        }
    }
    if (!m_lines.empty() && !TrimWhitespace(m_lines.back()).empty())
        m_lines.emplace_back();
    m_lines.push_back(header);
    m_lines.push_back(std::move(line));
}

void KeyFileText::Remove(std::string_view group, std::string_view key) {
    std::vector<std::size_t> doomed;
    ForEachEntry(group, [&](std::size_t index, std::string_view found) {
        if (found == key)
            doomed.push_back(index);
        return false;
    });
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*it));
}

std::string KeyFileText::Text() const {
    std::string text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i];
        if (i + 1 < m_lines.size() || m_endsWithNewline)
            text += '\n';
    }
    return text;
}

} // namespace vantor
