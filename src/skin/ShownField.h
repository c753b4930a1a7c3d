// What a field of a window showed when it was last drawn: the text or value
// it was drawn for and the pixels that left, so that a tick asking for the
// same again can leave the field alone while the window still shows those
// pixels. A face, a button or another drawing over the field changes them,
// and the next draw is done in full. A plain value kept with the surfaces;
// UI thread.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"

#include <string>
#include <string_view>

namespace vantor {

class ShownField {
public:
    // True when `key` (the text or value) was drawn last at `area` and
    // `window` still shows the pixels that drawing left there.
    bool StillShows(const gfx::Surface& window, const gfx::Rect& area, std::string_view key) const;
    // Records `key` as just drawn at `area`, with the pixels `window` shows
    // there now.
    void Remember(const gfx::Surface& window, const gfx::Rect& area, std::string_view key);
    // Nothing counts as shown: the field's look may have changed (a new skin).
    void Forget();

private:
    bool m_known = false;
    std::string m_key;
    gfx::Rect m_area;
    gfx::Surface m_pixels;
};

// Runs `draw` (which draws `key` at `area` of `window`) unless `shown` says
// the window still shows it there, and records what the drawing left.
template <typename Draw>
void DrawUnlessShown(ShownField& shown, const gfx::Surface& window, const gfx::Rect& area,
                     std::string_view key, Draw&& draw) {
    if (shown.StillShows(window, area, key))
        return;
    draw();
    shown.Remember(window, area, key);
}

} // namespace vantor
