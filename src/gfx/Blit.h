// Copies between surfaces: plain, with a transparent colour key, and blended
// with a constant opacity. The area `from` of `src` lands at `to` in `dst`;
// both ends are clipped, so parts outside either surface are simply skipped.
// The surfaces are the caller's; nothing is kept. One thread at a time.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Surface.h"

#include <cstdint>

namespace vantor::gfx {

// A plain copy of every pixel. `dst` and `src` may be the same surface only
// when the two areas do not overlap.
void Blit(Surface& dst, Point to, const Surface& src, const Rect& from);

// A copy that leaves `dst` untouched where the source pixel equals `key`
// (kMagenta for skin pictures, kBlack for glyph strips, kWhite for masks).
void TransparentBlit(Surface& dst, Point to, const Surface& src, const Rect& from, Pixel key);

// dst = (src × opacity + dst × (255 − opacity)) / 255 per channel, rounded;
// opacity 255 is a plain copy and 0 leaves `dst` as it was.
void AlphaBlend(Surface& dst, Point to, const Surface& src, const Rect& from, std::uint8_t opacity);

// A box of one colour blended over `area` of `dst` with `opacity`.
void BlendRect(Surface& dst, const Rect& area, Pixel colour, std::uint8_t opacity);

// One channel-wise blend of two pixels, the rule AlphaBlend applies.
Pixel BlendPixel(Pixel over, Pixel under, std::uint8_t opacity);

} // namespace vantor::gfx
