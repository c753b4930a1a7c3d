// What a text field showed when its text was last drawn: the text and the
// pixels it left in the window, so that a tick asking for the same text again
// can leave the field alone while the window still shows those pixels. A
// face, a button or another text drawn over the field changes them, and the
// next draw is done in full. A plain value kept with the surfaces; UI thread.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"

#include <string>
#include <string_view>

namespace vantor {

class ShownText {
public:
    // True when `text` was drawn last at `area` and `window` still shows the
    // pixels that drawing left there.
    bool StillShows(const gfx::Surface& window, const gfx::Rect& area, std::string_view text) const;
    // Records `text` as just drawn at `area`, with the pixels `window` shows
    // there now.
    void Remember(const gfx::Surface& window, const gfx::Rect& area, std::string_view text);
    // Nothing counts as shown: the field's look may have changed (a new skin).
    void Forget();

private:
    bool m_known = false;
    std::string m_text;
    gfx::Rect m_area;
    gfx::Surface m_pixels;
};

// Runs `draw` (which draws `text` at `area` of `window`) unless `shown` says
// the window still shows it there, and records what the drawing left.
template <typename Draw>
void DrawUnlessShown(ShownText& shown, const gfx::Surface& window, const gfx::Rect& area,
                     std::string_view text, Draw&& draw) {
    if (shown.StillShows(window, area, text))
        return;
    draw();
    shown.Remember(window, area, text);
}

} // namespace vantor
