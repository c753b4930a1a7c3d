#include "skin/PlayListRows.h"

#include "base/StringUtil.h"
#include "base/VbNumber.h"
#include "gfx/Blit.h"
#include "skin/TextFieldPainter.h"

namespace vantor {
namespace {

constexpr std::string_view kEllipsis = "...";

gfx::Pixel Colour(std::int32_t colorRef) {
    return gfx::FromColorRef(static_cast<std::uint32_t>(colorRef));
}

gfx::Pixel TextColour(const SkinDefinition& skin, const PlayListRow& row) {
    if (row.selected)
        return Colour(skin.playListRectFontColor);
    return Colour(row.current ? skin.playListCurrentTrackColor : skin.playListFontColor);
}

} // namespace

std::string ShortenToWidth(const std::string& text, int width, TextPainter& painter,
                           const TextFont& font) {
    if (painter.MeasureText(font, text).width <= width)
        return text;
    std::size_t length = Utf8Length(text);
    while (length > 0) {
        --length;
        std::string shortened = Utf8Left(text, length) + std::string(kEllipsis);
        if (painter.MeasureText(font, shortened).width <= width)
            return shortened;
    }
    return std::string(kEllipsis);
}

void DrawPlayListRows(const SkinDefinition& skin, SkinSurfaces& surfaces, TextPainter& painter,
                      std::span<const PlayListRow> rows, double rowHeight) {
    const gfx::Rect field = ToGfx(skin.playListTextRect);
    gfx::Surface list = WorkSurfaceFor(skin.playListTextRect, surfaces.playListFace);
    gfx::Blit(list, {0, 0}, surfaces.playListFace, field);
    const TextFont& font = surfaces.playListFont;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const PlayListRow& row = rows[r];
        const int top = static_cast<int>(RoundHalfEven(static_cast<double>(r) * rowHeight));
        const int height = static_cast<int>(RoundHalfEven(rowHeight));
        const gfx::Rect box{0, top, list.Width(), top + height};
        if (row.selected) {
            const auto alpha = static_cast<std::uint8_t>(skin.playListRectAlpha);
            if (alpha == 255)
                list.FillRect(box, Colour(skin.playListRectColor));
            else
                gfx::BlendRect(list, box, Colour(skin.playListRectColor), alpha);
        }
        const gfx::Pixel colour = TextColour(skin, row);
        const int prefixWidth = painter.MeasureText(font, row.prefix).width;
        const int timeWidth = painter.MeasureText(font, row.time).width;
        const std::string title =
            ShortenToWidth(row.title, list.Width() - prefixWidth - timeWidth, painter, font);
        painter.DrawText(list, {0, top}, box, font, colour, row.prefix);
        painter.DrawText(list, {prefixWidth, top}, box, font, colour, title);
        painter.DrawText(list, {list.Width() - timeWidth, top}, box, font, colour, row.time);
    }
    gfx::Blit(surfaces.playListWindow, {field.left, field.top}, list, list.Bounds());
}

} // namespace vantor
