#include "skin/BitmapFont.h"

#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "gfx/Blit.h"

namespace vantor {
namespace {

constexpr int kSheetColumns = 16;
constexpr int kFirstSheetCode = 32;

void DrawCell(gfx::Surface& dst, gfx::Point to, const GlyphSheet& sheet, gfx::Point cell) {
    const gfx::Rect from = gfx::Rect::FromSize(cell.x * sheet.cellWidth, cell.y * sheet.cellHeight,
                                               sheet.cellWidth, sheet.cellHeight);
    if (sheet.transparent)
        gfx::TransparentBlit(dst, to, *sheet.picture, from, gfx::kBlack);
    else
        gfx::Blit(dst, to, *sheet.picture, from);
}

bool Drawable(const GlyphSheet& sheet) {
    return sheet.picture != nullptr && sheet.cellWidth > 0 && sheet.cellHeight > 0;
}

// Decodes one UTF-8 character starting at `index` and moves past it.
std::string_view NextCharacter(std::string_view text, std::size_t& index) {
    const auto lead = static_cast<unsigned char>(text[index]);
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    length = std::min(length, text.size() - index);
    const std::string_view character = text.substr(index, length);
    index += length;
    return character;
}

} // namespace

int TimeFontCell(char32_t character) {
    if (character >= U'0' && character <= U'9')
        return static_cast<int>(character - U'0');
    if (character == U':')
        return 10;
    if (character == U'/')
        return 11;
    return 12;
}

gfx::Point GeneralFontCell(int code) {
    return {(code - kFirstSheetCode) % kSheetColumns, (code - kFirstSheetCode) / kSheetColumns};
}

std::vector<int> LegacyCharacterCodes(std::string_view utf8) {
    std::vector<int> codes;
    for (std::size_t index = 0; index < utf8.size();) {
        const std::string legacy = Utf8ToLegacy(NextCharacter(utf8, index), LegacyCodePage());
        if (legacy.size() >= 2) {
            const int pair = (static_cast<unsigned char>(legacy[0]) << 8) |
                             static_cast<unsigned char>(legacy[1]);
            codes.push_back(static_cast<std::int16_t>(pair));
        } else {
            codes.push_back(legacy.empty() ? '?' : static_cast<unsigned char>(legacy[0]));
        }
    }
    return codes;
}

void DrawTimeFontText(gfx::Surface& dst, gfx::Point at, const GlyphSheet& sheet,
                      std::string_view text) {
    if (!Drawable(sheet))
        return;
    int position = 0;
    for (std::size_t index = 0; index < text.size(); ++position) {
        const std::string_view character = NextCharacter(text, index);
        const char32_t code = character.size() == 1 ? static_cast<char32_t>(character[0]) : U' ';
        DrawCell(dst, {at.x + position * sheet.cellWidth, at.y}, sheet, {TimeFontCell(code), 0});
    }
}

void DrawGeneralFontText(gfx::Surface& dst, gfx::Point at, const GlyphSheet& sheet,
                         std::string_view text) {
    if (!Drawable(sheet))
        return;
    const std::vector<int> codes = LegacyCharacterCodes(text);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int x = at.x + static_cast<int>(i) * sheet.cellWidth;
        DrawCell(dst, {x, at.y}, sheet, GeneralFontCell(codes[i]));
    }
}

} // namespace vantor
