// The font text of a skinned window drawn again at the screen's pixel ratio,
// from the marks the text left on the window's surface, so that the song
// line and the playlist read as sharply as any other program's text while
// the skin's pixel art is enlarged around them. UI thread.
#pragma once

#include "gfx/TextMark.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace vantor {

// Whether `picture` (the window's 1× picture) still shows what `mark` made.
bool ShowsMark(const QImage& picture, const gfx::TextMark& mark);

// Puts the pixels `mark` found under its text back into `picture`, within
// `limit`, so that the enlarged picture has no 1× text under the sharp one.
void PasteUnder(QImage& picture, const gfx::TextMark& mark, const QRect& limit);

// Draws the layers of `mark` with `painter` on a picture at `ratio` device
// pixels per logical pixel, within the device rectangle `deviceLimit`.
void DrawSharpText(QPainter& painter, const gfx::TextMark& mark, qreal ratio,
                   const QRect& deviceLimit);

} // namespace vantor
