#include "gfx/Blit.h"

#include <algorithm>

namespace vantor::gfx {

namespace {

// Clips the copy of `from` (in src) to `to` (in dst) against both surfaces
// and calls rowOp(dstRow, srcRow, count) once per remaining row.
template <typename RowOp>
void ForEachClippedRow(Surface& dst, Point to, const Surface& src, const Rect& from, RowOp rowOp) {
    const Rect source = Intersect(from, src.Bounds());
    if (source.IsEmpty())
        return;
    const int dx = to.x - from.left;
    const int dy = to.y - from.top;
    const Rect target = Intersect(source.Offset(dx, dy), dst.Bounds());
    const int count = target.Width();
    const AreaRows rows = dst.WriteRows(target);
    for (int y = target.top; y < target.bottom; ++y)
        rowOp(rows.Row(y) + target.left, src.Row(y - dy) + (target.left - dx), count);
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
    ForEachClippedRow(dst, to, src, from,
                      [](Pixel* out, const Pixel* in, int count) { std::copy_n(in, count, out); });
}

void TransparentBlit(Surface& dst, Point to, const Surface& src, const Rect& from, Pixel key) {
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
