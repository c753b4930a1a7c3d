#include "skin/ShownField.h"

#include "gfx/Blit.h"

#include <algorithm>

namespace vantor {

namespace {

gfx::Rect InsideOf(const gfx::Surface& window, const gfx::Rect& area) {
    return gfx::Intersect(area, window.Bounds());
}

} // namespace

bool ShownField::StillShows(const gfx::Surface& window, const gfx::Rect& area,
                            std::string_view key) const {
    if (!m_known || key != m_key || InsideOf(window, area) != m_area)
        return false;
    for (int y = 0; y < m_pixels.Height(); ++y) {
        const gfx::Pixel* kept = m_pixels.Row(y);
        const gfx::Pixel* shown = window.Row(m_area.top + y) + m_area.left;
        if (!std::equal(kept, kept + m_pixels.Width(), shown))
            return false;
    }
    return true;
}

void ShownField::Remember(const gfx::Surface& window, const gfx::Rect& area, std::string_view key) {
    m_known = true;
    m_key = key;
    m_area = InsideOf(window, area);
    // The field keeps its size from one draw to the next; its pixels are
    // reused rather than made anew on every tick that draws it.
    if (m_pixels.Width() != m_area.Width() || m_pixels.Height() != m_area.Height())
        m_pixels = gfx::Surface(m_area.Width(), m_area.Height());
    gfx::Blit(m_pixels, {0, 0}, window, m_area);
}

void ShownField::Forget() {
    m_known = false;
    m_key.clear();
    m_pixels = gfx::Surface();
}

} // namespace vantor
