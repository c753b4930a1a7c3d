// The pixels one line of text covers when Qt draws it without antialiasing,
// kept so that the same text can be painted again in any colour without
// shaping it anew. A stencil is a plain value owned by whoever made it.
// UI thread only (it is made with Qt's painter).
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Surface.h"

#include <QFont>
#include <QString>

#include <vector>

namespace vantor {

struct TextStencil {
    // Covered pixels in rows of runs, relative to the stencil's top-left.
    struct Run {
        int y = 0;
        int left = 0;
        int right = 0; // exclusive
    };
    std::vector<Run> runs;
};

// What `text` in `font` covers inside `area`, a rectangle relative to the
// text's top-left corner (the top of its line, not its baseline).
TextStencil RenderStencil(const QFont& font, const QString& text, const gfx::Rect& area);

// Paints the stencil's pixels in `colour` over `area`, the rectangle of the
// surface it was rendered for, which must lie inside the surface; only that
// rectangle counts as written.
void PaintStencil(const TextStencil& stencil, gfx::Surface& surface, const gfx::Rect& area,
                  gfx::Pixel colour);

} // namespace vantor
