// Conversions between the raster layer and Qt: a composed surface shown as a
// QImage, a window shape as a QRegion mask. Pure functions, UI thread.
#pragma once

#include "gfx/Region.h"
#include "gfx/Surface.h"

#include <QImage>
#include <QRect>
#include <QRegion>

namespace vantor {

// An opaque RGB32 image holding the surface's pixels.
QImage ToImage(const gfx::Surface& surface);
// An ARGB32 image of a skinned window's pixels, transparent where its face
// is magenta, i.e. outside the window's shape.
QImage ToShapedImage(const gfx::Surface& window, const gfx::Surface& face);
// Brings `image` up to date with `surface` in one pass and returns where it
// changed (empty when nowhere): a few rectangles that hold every changed
// pixel, one per group of nearby changed rows. An image of another size or
// format is made anew and counts as changed everywhere.
QRegion CopyChangedPixels(const gfx::Surface& surface, QImage& image);
// The same, looking only at `written` (what was written since the image was
// last brought up to date) unless the image is made anew.
QRegion CopyChangedPixels(const gfx::Surface& surface, QImage& image,
                          const gfx::WrittenArea& written);
// Where `written` of the surface differs from `image` (one of the surface's
// size in a 32-bit opaque format: RGB32, or premultiplied ARGB32 with opaque
// pixels), in rectangles as above; the image is left as it is.
QRegion ChangedPixels(const gfx::Surface& surface, const QImage& image,
                      const gfx::WrittenArea& written);
// Copies `area` (inside both) of the surface into such an image.
void CopyPixels(const gfx::Surface& surface, const QRegion& area, QImage& image);
// Copies `area` of one 32-bit image to `at` in another. Both lie inside
// their images.
void CopyRect(const QImage& from, const QRect& area, QImage& to, QPoint at);
// The surface of an image (alpha dropped).
gfx::Surface FromImage(const QImage& image);
QRegion ToQRegion(const gfx::Region& region);
QRect ToQRect(const gfx::Rect& rect);

} // namespace vantor
