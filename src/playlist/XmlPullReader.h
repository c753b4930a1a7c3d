// A small pull reader of XML, enough for playlist files: elements and their
// text, with the five named entities and numeric character references.
// Attributes are stepped over; declarations, comments and DOCTYPE are
// skipped and nothing is ever expanded from them, so a hostile file costs no
// more than its own size. Nesting deeper than kMaxXmlDepth is an error.
// Views the caller's bytes; one reader per document, not thread-safe.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::size_t kMaxXmlDepth = 256;

class XmlPullReader {
public:
    enum class Event { StartElement, EndElement, Text, End, Error };

    explicit XmlPullReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next event; End and Error repeat once reached. A document whose
    // elements are not all closed ends in Error.
    Event Next();

    // The elements open at the last event, outermost first, by their names
    // without a namespace prefix; an EndElement's own element is still the
    // last one.
    const std::vector<std::string_view>& OpenElements() const { return m_open; }
    // The decoded text of a Text event.
    const std::string& Text() const { return m_text; }

private:
    Event Fail();
    Event ReadMarkup();
    Event ReadStartTag();
    Event ReadEndTag();
    Event ReadText();
    bool SkipPast(std::string_view terminator);
    bool SkipDeclaration();
    std::string_view ReadName();
    void SkipSpace();

    std::string_view m_bytes;
    std::size_t m_position = 0;
    // The qualified names, for matching end tags, and the local names shown.
    std::vector<std::string_view> m_qualified;
    std::vector<std::string_view> m_open;
    std::string m_text;
    bool m_closeAfterStart = false;
    bool m_popBeforeNext = false;
    bool m_failed = false;
};

} // namespace vantor
