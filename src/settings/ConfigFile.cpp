#include "settings/ConfigFile.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/Paths.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "base/VbNumber.h"
#include "settings/SettingsKeys.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace vantor {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLeadingLines[] = {
    "Vantor ConfigFile(DVC = Dorvan Config) Ver0.9", "",
    "動作が怪しくなったら消してみてください"};

// Sequential reading of comma- and line-separated fields, the way the file
// has always been read: a field is quoted (to the next quote) or runs to the
// next comma or line end, and its delimiter is consumed.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_position >= m_text.size(); }

    std::optional<std::string> ReadField() {
        while (m_position < m_text.size() && m_text[m_position] == ' ')
            ++m_position;
        if (AtEnd())
            return std::nullopt;
        if (m_text[m_position] == '"') {
            const auto close = m_text.find('"', m_position + 1);
            const auto end = close == std::string_view::npos ? m_text.size() : close;
            std::string field(m_text.substr(m_position + 1, end - m_position - 1));
            m_position = std::min(end + 1, m_text.size());
            SkipPastDelimiter();
            return field;
        }
        const auto start = m_position;
        while (m_position < m_text.size() && !IsDelimiter(m_text[m_position]))
            ++m_position;
        std::string field(TrimBlanks(m_text.substr(start, m_position - start)));
        ConsumeDelimiter();
        return field;
    }

    // The rest of the current line, whatever it holds.
    std::string ReadLine() {
        const auto start = m_position;
        while (m_position < m_text.size() && !IsLineEnd(m_text[m_position]))
            ++m_position;
        std::string line(m_text.substr(start, m_position - start));
        ConsumeDelimiter();
        return line;
    }

private:
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool IsDelimiter(char c) { return c == ',' || IsLineEnd(c); }

    void ConsumeDelimiter() {
        if (AtEnd())
            return;
        const char c = m_text[m_position++];
        if (c == '\r' && m_position < m_text.size() && m_text[m_position] == '\n')
            ++m_position;
    }

    void SkipPastDelimiter() {
        while (m_position < m_text.size() && !IsDelimiter(m_text[m_position]))
            ++m_position;
        ConsumeDelimiter();
    }

    std::string_view m_text;
    std::size_t m_position = 0;
};

// A decimal number: optional sign, digits, optional fraction and exponent.
std::optional<double> ParseNumber(std::string_view field) {
    field = TrimBlanks(field);
    if (field.empty())
        return std::nullopt;
    const std::string text(field);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    const bool hexOrSpecial = text.find_first_of("xXnNiI") != std::string::npos;
    if (end != text.c_str() + text.size() || errno == ERANGE || hexOrSpecial || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void StoreValue(Settings& settings, const SettingKey& key, const std::string& field) {
    const auto number = ParseNumber(field);
    if (!number)
        return;
    if (auto* integer = IntegerField(settings, key)) {
        const auto rounded = RoundHalfEven(*number);
        if (rounded >= std::numeric_limits<std::int32_t>::min() &&
            rounded <= std::numeric_limits<std::int32_t>::max())
            *integer = static_cast<std::int32_t>(rounded);
    } else if (auto* single = SingleField(settings, key)) {
        if (std::fabs(*number) <= std::numeric_limits<float>::max())
            *single = static_cast<float>(*number);
    }
}

} // namespace

void ReadSettingsText(std::string_view text, Settings& settings) {
    FieldReader reader(text);
    while (!reader.AtEnd()) {
        const auto keyText = reader.ReadField();
        if (!keyText)
            break;
        const SettingKey* key = FindSettingKey(*keyText);
        if (key == nullptr)
            continue;
        // A text value is its whole line, so folder names with commas survive.
        if (key->type == SettingType::Text) {
            *TextField(settings, *key) = reader.ReadLine();
            continue;
        }
        if (const auto value = reader.ReadField())
            StoreValue(settings, *key, *value);
    }
}

std::string WriteSettingsText(const Settings& settings, const std::string& appFolder) {
    std::string out;
    for (const auto line : kLeadingLines) {
        out += line;
        out += kLineEnd;
    }
    for (const auto& key : SettingKeys()) {
        if (!key.written)
            continue;
        std::string value = FormatSettingValue(settings, key);
        if (key.keyLine == "<SkinFile Path>" && !appFolder.empty() &&
            settings.SkinFilePath.starts_with(appFolder))
            value = settings.SkinFilePath.substr(appFolder.size());
        out += key.keyLine;
        out += kLineEnd;
        out += value;
        out += kLineEnd;
    }
    return out;
}

LoadedSettings LoadSettingsFile(const std::string& path, const std::string& appFolder,
                                const DefaultWindowPositions& windows) {
    LoadedSettings loaded;
    const auto bytes = FileExists(path) ? ReadFileBytes(path) : std::nullopt;
    if (bytes) {
        loaded.fileExisted = true;
        const std::string_view raw(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        ReadSettingsText(LegacyToUtf8(raw), loaded.settings);
    } else {
        loaded.settings = DefaultSettings(appFolder, windows);
    }
    ApplySettingsFixups(loaded.settings, appFolder);
    return loaded;
}

bool SaveSettingsFile(const std::string& path, const Settings& settings,
                      const std::string& appFolder) {
    return WriteFileAtomically(path, WriteSettingsText(settings, appFolder));
}

} // namespace vantor
