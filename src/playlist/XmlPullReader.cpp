#include "playlist/XmlPullReader.h"

#include <charconv>
#include <optional>

namespace vantor {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool EndsName(char c) {
    return IsSpace(c) || c == '/' || c == '>' || c == '=' || c == '<' || c == '"' || c == '\'';
}

std::string_view LocalName(std::string_view name) {
    const auto colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

void AppendUtf8(std::string& text, char32_t c) {
    const bool valid = c != 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    if (!valid) {
        text += kReplacementCharacter;
    } else if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// "&#233;" or "&#xE9;" without the "&#" and ";".
std::optional<char32_t> CharacterReference(std::string_view digits) {
    int base = 10;
    if (!digits.empty() && (digits.front() == 'x' || digits.front() == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    std::uint32_t value = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size())
        return std::nullopt;
    return static_cast<char32_t>(value);
}

// The entity at the start of `text` (after its "&"), appended to `out`;
// the number of bytes it took, or 0 when it is not one we know.
std::size_t AppendEntity(std::string_view text, std::string& out) {
    // The longest reference worth reading: "#x10FFFF" and a few zeros.
    constexpr std::size_t kLongestEntity = 12;
    const auto semicolon = text.substr(0, kLongestEntity).find(';');
    if (semicolon == std::string_view::npos)
        return 0;
    const auto name = text.substr(0, semicolon);
    constexpr std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kNamed) {
        if (name == entity) {
            out += character;
            return semicolon + 1;
        }
    }
    if (!name.starts_with('#'))
        return 0;
    const auto c = CharacterReference(name.substr(1));
    if (!c)
        return 0;
    AppendUtf8(out, *c);
    return semicolon + 1;
}

// Character data with its references replaced; an "&" that starts none we
// know stays as it is.
std::string DecodeText(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::size_t taken = raw[i] == '&' ? AppendEntity(raw.substr(i + 1), text) : 0;
        if (taken > 0)
            i += taken;
        else
            text += raw[i];
    }
    return text;
}

} // namespace

XmlPullReader::Event XmlPullReader::Next() {
    if (m_failed)
        return Event::Error;
    if (m_popBeforeNext) {
        m_qualified.pop_back();
        m_open.pop_back();
        m_popBeforeNext = false;
    }
    if (m_closeAfterStart) {
        m_closeAfterStart = false;
        m_popBeforeNext = true;
        return Event::EndElement;
    }
    while (m_position < m_bytes.size()) {
        if (m_bytes[m_position] != '<')
            return ReadText();
        const Event event = ReadMarkup();
        // Declarations and comments read as End: look further.
        if (event != Event::End)
            return event;
    }
    return m_open.empty() ? Event::End : Fail();
}

XmlPullReader::Event XmlPullReader::Fail() {
    m_failed = true;
    return Event::Error;
}

// Markup that carries nothing for the reader gives End, which Next() takes
// as "go on".
XmlPullReader::Event XmlPullReader::ReadMarkup() {
    const auto rest = m_bytes.substr(m_position);
    if (rest.starts_with("<?"))
        return SkipPast("?>") ? Event::End : Fail();
    if (rest.starts_with("<!--"))
        return SkipPast("-->") ? Event::End : Fail();
    if (rest.starts_with("<![CDATA[")) {
        const auto end = rest.find("]]>");
        if (end == std::string_view::npos)
            return Fail();
        m_text.assign(rest.substr(9, end - 9));
        m_position += end + 3;
        return Event::Text;
    }
    if (rest.starts_with("<!"))
        return SkipDeclaration() ? Event::End : Fail();
    if (rest.starts_with("</"))
        return ReadEndTag();
    return ReadStartTag();
}

XmlPullReader::Event XmlPullReader::ReadStartTag() {
    ++m_position;
    const auto name = ReadName();
    if (name.empty() || m_open.size() >= kMaxXmlDepth)
        return Fail();
    while (true) {
        SkipSpace();
        const auto rest = m_bytes.substr(m_position);
        if (rest.starts_with('>')) {
            ++m_position;
            break;
        }
        if (rest.starts_with("/>")) {
            m_position += 2;
            m_closeAfterStart = true;
            break;
        }
        // An attribute: name = "value" or 'value'; its value is not needed.
        if (ReadName().empty())
            return Fail();
        SkipSpace();
        if (m_position >= m_bytes.size() || m_bytes[m_position] != '=')
            return Fail();
        ++m_position;
        SkipSpace();
        if (m_position >= m_bytes.size())
            return Fail();
        const char quote = m_bytes[m_position];
        const auto close = m_bytes.find(quote, m_position + 1);
        if ((quote != '"' && quote != '\'') || close == std::string_view::npos)
            return Fail();
        m_position = close + 1;
    }
    m_qualified.push_back(name);
    m_open.push_back(LocalName(name));
    return Event::StartElement;
}

XmlPullReader::Event XmlPullReader::ReadEndTag() {
    m_position += 2;
    const auto name = ReadName();
    SkipSpace();
    if (m_position >= m_bytes.size() || m_bytes[m_position] != '>')
        return Fail();
    ++m_position;
    if (m_qualified.empty() || m_qualified.back() != name)
        return Fail();
    m_popBeforeNext = true;
    return Event::EndElement;
}

XmlPullReader::Event XmlPullReader::ReadText() {
    const auto end = m_bytes.find('<', m_position);
    const auto raw = m_bytes.substr(m_position, end - m_position);
    m_position = end == std::string_view::npos ? m_bytes.size() : end;
    m_text = DecodeText(raw);
    return Event::Text;
}

bool XmlPullReader::SkipPast(std::string_view terminator) {
    const auto end = m_bytes.find(terminator, m_position);
    if (end == std::string_view::npos)
        return false;
    m_position = end + terminator.size();
    return true;
}

// "<!DOCTYPE ...>", with an internal subset in brackets that may hold ">".
bool XmlPullReader::SkipDeclaration() {
    std::size_t brackets = 0;
    for (std::size_t i = m_position + 2; i < m_bytes.size(); ++i) {
        const char c = m_bytes[i];
        if (c == '[') {
            ++brackets;
        } else if (c == ']' && brackets > 0) {
            --brackets;
        } else if (c == '>' && brackets == 0) {
            m_position = i + 1;
            return true;
        }
    }
    return false;
}

std::string_view XmlPullReader::ReadName() {
    const auto start = m_position;
    while (m_position < m_bytes.size() && !EndsName(m_bytes[m_position]))
        ++m_position;
    return m_bytes.substr(start, m_position - start);
}

void XmlPullReader::SkipSpace() {
    while (m_position < m_bytes.size() && IsSpace(m_bytes[m_position]))
        ++m_position;
}

} // namespace vantor
