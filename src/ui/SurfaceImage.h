// Conversions between the raster layer and Qt: a composed surface shown as a
// QImage, a window shape as a QRegion mask. Pure functions, UI thread.
#pragma once

#include "gfx/Region.h"
#include "gfx/Surface.h"

#include <QImage>
#include <QRegion>

namespace vantor {

// An opaque RGB32 image holding the surface's pixels.
QImage ToImage(const gfx::Surface& surface);
// The surface of an image (alpha dropped).
gfx::Surface FromImage(const QImage& image);
QRegion ToQRegion(const gfx::Region& region);

} // namespace vantor
