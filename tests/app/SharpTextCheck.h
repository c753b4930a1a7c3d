// What a skinned window shows on a screen of a pixel ratio above 1: the
// enlarged skin picture, with the font text in `textField` drawn again at
// the screen's resolution. Shared by the tests of scaled screens.
#pragma once

#include "gfx/Surface.h"
#include "skin/SkinDefinition.h"

#include <QImage>
#include <QWidget>

namespace vantor::test {

// Fails the test unless `shown` (what `window` shows of `surface` at
// `ratio`) is the enlarged picture everywhere but in font text, and the
// text in `textField` is drawn finer than a skin pixel.
void ExpectSharpTextOnEnlargedSkin(const QWidget& window, const gfx::Surface& surface,
                                   const QImage& shown, qreal ratio, const SkinRect& textField);

} // namespace vantor::test
