#include "gfx/Blit.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace vantor::gfx {

namespace {

// Where a copy of `from` to `to` lands in dst, after clipping to both surfaces.
Rect CopyTarget(const Surface& dst, Point to, const Surface& src, const Rect& from) {
    const Rect source = Intersect(from, src.Bounds());
    return Intersect(source.Offset(to.x - from.left, to.y - from.top), dst.Bounds());
}

// Clips the copy of `from` (in src) to `to` (in dst) against both surfaces
// and calls rowOp(dstRow, srcRow, count) once per remaining row.
template <typename RowOp>
void ForEachClippedRow(Surface& dst, Point to, const Surface& src, const Rect& from, RowOp rowOp) {
    const Rect target = CopyTarget(dst, to, src, from);
    const int dx = to.x - from.left;
    const int dy = to.y - from.top;
    const AreaRows rows = dst.WriteRows(target);
    for (int y = target.top; y < target.bottom; ++y)
        rowOp(rows.Row(y) + target.left, src.Row(y - dy) + (target.left - dx), target.Width());
}

// The text marks of the copied pixels go with them. Through a colour key the
// pixels under a mark's key-coloured pixels are dst's own, so the mark takes
// those as its own too; this must run before the pixels are copied.
void CarryTextMarks(Surface& dst, Point to, const Surface& src, const Rect& from,
                    const Pixel* key) {
    const Rect target = CopyTarget(dst, to, src, from);
    if (target.IsEmpty())
        return;
    if (key == nullptr)
        dst.Marks().DropInside(target);
    if (src.Marks().IsEmpty())
        return;
    const Point offset{to.x - from.left, to.y - from.top};
    const TextMarks::Items carried = src.Marks().All();
    for (const auto& mark : carried) {
        auto moved = CropMark(*mark, target.Offset(-offset.x, -offset.y), offset);
        if (moved == nullptr)
            continue;
        if (key != nullptr) {
            std::size_t i = 0;
            for (int y = moved->area.top; y < moved->area.bottom; ++y) {
                const Pixel* row = std::as_const(dst).Row(y);
                for (int x = moved->area.left; x < moved->area.right; ++x, ++i) {
                    if (moved->under[i] == *key)
                        moved->under[i] = row[x];
                    if (moved->drawn[i] == *key)
                        moved->drawn[i] = row[x];
                }
            }
        }
        dst.Marks().Add(std::move(moved));
    }
}

std::uint8_t BlendChannel(std::uint8_t over, std::uint8_t under, std::uint8_t opacity) {
    const unsigned sum = unsigned{over} * opacity + unsigned{under} * (255u - opacity);
    return static_cast<std::uint8_t>((sum + 127u) / 255u);
}

} // namespace

Pixel BlendPixel(Pixel over, Pixel under, std::uint8_t opacity) {
    return Rgb(BlendChannel(RedOf(over), RedOf(under), opacity),
               BlendChannel(GreenOf(over), GreenOf(under), opacity),
               BlendChannel(BlueOf(over), BlueOf(under), opacity));
}

void Blit(Surface& dst, Point to, const Surface& src, const Rect& from) {
    CarryTextMarks(dst, to, src, from, nullptr);
    ForEachClippedRow(dst, to, src, from,
                      [](Pixel* out, const Pixel* in, int count) { std::copy_n(in, count, out); });
}

void TransparentBlit(Surface& dst, Point to, const Surface& src, const Rect& from, Pixel key) {
    CarryTextMarks(dst, to, src, from, &key);
    // Every pixel is stored, the kept ones unchanged, so that the loop needs
    // no branch and is vectorised.
    ForEachClippedRow(dst, to, src, from, [key](Pixel* out, const Pixel* in, int count) {
        for (int i = 0; i < count; ++i)
            out[i] = in[i] != key ? in[i] : out[i];
    });
}

void AlphaBlend(Surface& dst, Point to, const Surface& src, const Rect& from,
                std::uint8_t opacity) {
    ForEachClippedRow(dst, to, src, from, [opacity](Pixel* out, const Pixel* in, int count) {
        for (int i = 0; i < count; ++i)
            out[i] = BlendPixel(in[i], out[i], opacity);
    });
}

void BlendRect(Surface& dst, const Rect& area, Pixel colour, std::uint8_t opacity) {
    const Rect clipped = Intersect(area, dst.Bounds());
    const AreaRows rows = dst.WriteRows(clipped);
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        Pixel* row = rows.Row(y);
        for (int x = clipped.left; x < clipped.right; ++x)
            row[x] = BlendPixel(colour, row[x], opacity);
    }
}

} // namespace vantor::gfx
