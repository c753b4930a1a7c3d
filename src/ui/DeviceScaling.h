// How a skinned window's 1× picture becomes the device pixels of a screen
// with a higher pixel ratio (QT_SCALE_FACTOR, a HiDPI monitor). Skins are
// pixel art: whole ratios repeat each pixel; at fractional ones each device
// pixel takes the average of the skin pixels it covers (the same as
// repeating up to the next whole ratio and averaging down), so that every
// skin pixel is equally wide and only its edges soften, by one device pixel
// at most. Pure functions, UI thread.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

namespace vantor {

bool IsWhole(qreal ratio);

// The device pixel at which a logical edge falls, as Qt places a window's
// mask and geometry there.
int DeviceEdge(int logicalEdge, qreal ratio);
QRect ToDeviceRect(const QRect& logical, qreal ratio);

// The smallest rectangle holding `changed` whose edges fall on whole device
// pixels, so that it can be scaled on its own exactly as inside the whole
// picture; the whole of `bounds` when the ratio has no such edges nearby.
QRect ScalableBlock(const QRect& changed, qreal ratio, const QRect& bounds);

// The part of the window whose device pixels change when `changed` does:
// averaged device pixels mix each pixel with its neighbours, and the pixels
// just outside the shape take the colours of those inside.
QRect DeviceChangeArea(const QRect& changed, qreal ratio, const QRect& bounds);

// The device pixels of `block` of `picture` (a ScalableBlock), for a
// window clipped to `shape` (empty: not clipped).
QImage ScaleToDevice(const QImage& picture, const QRegion& shape, const QRect& block, qreal ratio);

} // namespace vantor
