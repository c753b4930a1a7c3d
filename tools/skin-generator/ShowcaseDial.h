// Rotary controls of the showcase skin: a knob inside a ring of ticks, the
// frame strip that shows it at every value, and the grey-level position map
// that turns a press on the ring into a value. Also the curved seek band
// and its fill map. Single-threaded.
#pragma once

#include "Controls.h"

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>

namespace skingen {

struct Dial {
    QRect field; // window pixels; frames and map have its size
    double knobRadius = 0;
    double ringInner = 0;
    double ringOuter = 0;
    int frames = 0; // the ring has frames - 1 ticks
};

// The ring's unlit ticks and the knob at its lowest value, on a face.
void DrawDialOnFace(QPainter& painter, const Dial& dial, const Theme& theme);
// Frame f lights f ticks and turns the knob to f / (frames - 1); each frame
// is the face under the field with the dial drawn on it, magenta outside the
// ring.
QImage DialFrames(const QImage& face, const Dial& dial, const Theme& theme);
// Grey levels rising clockwise along the ring's 270 degrees from its lower
// left end; magenta in the opening at the bottom, the centre and outside.
QImage DialPositionMap(const Dial& dial);

// A band that sags like a smile across `field`.
QPainterPath SeekBand(const QRect& field);
// Grey levels rising from left to right inside the band, magenta elsewhere;
// the map is as large as the field.
QImage SeekBandMap(const QRect& field);

} // namespace skingen
