// Pictures of a skin: canvases whose outline is cut with the key colour
// magenta, the inactive look, and writers for the picture formats the player
// decodes (24-bit BMP, 8-bit RGB or indexed PNG). Single-threaded.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

namespace skingen {

inline constexpr QRgb kKeyColour = 0xFFFF00FF;

// An opaque canvas of the given colour (magenta unless told otherwise). Small
// pictures cut to a shape start from the colour their edges should blend into.
QImage NewCanvas(int width, int height, QColor fill = QColor::fromRgb(kKeyColour));

// Every pixel outside `shape` becomes exactly magenta, so the player cuts it
// out of the window; drawn pixels inside that happen to be magenta are
// nudged off the key colour so they stay visible.
void CutOutline(QImage& image, const QPainterPath& shape);

// The face shown while the window is inactive: colours pulled towards a
// darker grey, the outline kept.
QImage Dimmed(const QImage& face);

// Both writers refuse (and say why) rather than leave a picture the player
// cannot read.
bool SaveBmp(const QImage& image, const QString& path, QString* error);
bool SavePng(const QImage& image, const QString& path, QString* error);
bool SaveIndexedPng(const QImage& image, const QString& path, QString* error);

} // namespace skingen
