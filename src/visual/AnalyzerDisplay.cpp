#include "visual/AnalyzerDisplay.h"

#include "base/VbNumber.h"
#include "gfx/Blit.h"
#include "skin/SkinSurfaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

namespace vantor {
namespace {

enum class BarLook { None, Solid, Striped };
enum class PeakLook { Pixel, Pattern };

struct StyleLook {
    BarLook bar;
    PeakLook peak;
};

// Styles 1..12 in pairs: the odd one 1 pixel per column, the even one 3-pixel
// columns at a spacing of 4.
StyleLook LookOf(int style) {
    static constexpr StyleLook kLooks[] = {
        {BarLook::Solid, PeakLook::Pixel},   {BarLook::None, PeakLook::Pixel},
        {BarLook::Solid, PeakLook::Pattern}, {BarLook::None, PeakLook::Pattern},
        {BarLook::Striped, PeakLook::Pixel}, {BarLook::Striped, PeakLook::Pattern},
    };
    return kLooks[std::clamp((style - 1) / 2, 0, 5)];
}

bool IsWide(int style) {
    return style % 2 == 0;
}

// What a frame is drawn with besides the levels: the style, whether a track
// sounds, the pen of style 13 and the background, as the bytes of the key
// under which the frame's pixels are remembered.
class FrameKey {
public:
    FrameKey(int style, bool live, const gfx::Pen& pen, const gfx::Surface& background) {
        const gfx::Pixel colour = pen.Colour();
        const int width = pen.Width();
        const gfx::Surface* over = &background;
        m_bytes[0] = static_cast<char>(style);
        m_bytes[1] = static_cast<char>(live);
        std::memcpy(m_bytes.data() + 2, &colour, sizeof colour);
        std::memcpy(m_bytes.data() + 2 + sizeof colour, &width, sizeof width);
        std::memcpy(m_bytes.data() + 2 + sizeof colour + sizeof width, &over, sizeof over);
    }
    std::string_view View() const { return {m_bytes.data(), m_bytes.size()}; }

private:
    std::array<char, 2 + sizeof(gfx::Pixel) + sizeof(int) + sizeof(void*)> m_bytes{};
};

} // namespace

Spectrum FetchSpectrum(SoundLibrary& sound) {
    const DspUnitHandle unit = sound.FSOUND_DSP_GetFFTUnit();
    if (!sound.FSOUND_DSP_GetActive(unit))
        sound.FSOUND_DSP_SetActive(unit, true);
    return sound.FSOUND_DSP_GetSpectrum();
}

gfx::Surface BuildDefaultPattern(int areaHeight) {
    if (areaHeight < 2)
        return {};
    gfx::Surface pattern(3, areaHeight - 1);
    std::int16_t red = 255;
    std::int16_t green = 0;
    std::int16_t blue = 0;
    for (int y = 0; y <= areaHeight - 2; ++y) {
        const double f = static_cast<double>(y) / (areaHeight - 1);
        if (f <= 0.3) {
            green += 23;
        } else if (f < 0.5) {
            red -= 16;
        } else if (f < 0.8) {
            blue += 32;
            green -= 5;
            red -= 32;
        } else {
            blue += 32;
            green -= 32;
            red -= 16;
        }
        red = std::max<std::int16_t>(red, 0);
        green = std::clamp<std::int16_t>(green, 0, 255);
        blue = std::min<std::int16_t>(blue, 255);
        const gfx::Pixel colour =
            gfx::Rgb(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                     static_cast<std::uint8_t>(blue));
        pattern.FillRect({0, y, 3, y + 1}, colour);
    }
    return pattern;
}

void AnalyzerDisplay::Place(const SkinRect& area) {
    m_area = area;
    m_placed = true;
    const auto columns = static_cast<std::size_t>(std::max(area.Width(), 0));
    m_levels.assign(columns, 0.0f);
    m_barTops.assign(columns, area.Height());
    m_peaks.assign(columns, 0);
    m_drawn.assign(columns, {});
    ForgetDrawn();
}

void AnalyzerDisplay::SetPattern(gfx::Surface pattern, std::int32_t patternType) {
    m_pattern = std::move(pattern);
    m_patternType = patternType;
    ForgetDrawn();
}

void AnalyzerDisplay::SetPeakColour(gfx::Pixel colour) {
    m_peakColour = colour;
    ForgetDrawn();
}

void AnalyzerDisplay::ForgetDrawn() {
    m_shown.Forget();
    std::ranges::fill(m_drawn, DrawnColumn{});
}

int AnalyzerDisplay::PatternColumn(int column) const {
    return m_patternType == 1 ? column : 0;
}

bool AnalyzerDisplay::FillLevels(const Spectrum& spectrum, bool amplify) {
    const std::size_t columns = m_levels.size();
    // The whole range is spread over the columns, each showing the largest
    // bin of its group; an area wider than the spectrum shows nothing.
    const std::size_t group = columns > 0 ? spectrum.size() / columns : 0;
    const int height = m_area.Height();
    bool changed = false;
    for (std::size_t i = 0; i < columns; ++i) {
        float level = 0.0f;
        if (amplify) {
            level = i < spectrum.size() ? std::min(spectrum[i] * 6.0f, 1.0f) : 0.0f;
        } else {
            for (std::size_t k = 0; k < group; ++k)
                level = std::max(level, spectrum[group * i + k]);
            level = std::min(level * 4.0f, 1.0f);
        }
        changed = changed || level != m_levels[i];
        m_levels[i] = level;
        m_barTops[i] = height - static_cast<std::int32_t>(std::floor(level * height));
    }
    return changed;
}

bool AnalyzerDisplay::UpdatePeaks() {
    const int height = m_area.Height();
    bool moved = false;
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        const int top = m_barTops[i];
        std::int32_t& peak = m_peaks[i];
        const std::int32_t before = peak;
        if (top <= peak) {
            peak = top;
        } else {
            peak += 1;
            if (top <= peak)
                peak = top;
            if (peak >= height)
                peak = height - 1;
        }
        moved = moved || peak != before;
    }
    return moved;
}

bool AnalyzerDisplay::DropPeaks() {
    const int height = m_area.Height();
    bool moved = false;
    for (std::int32_t& peak : m_peaks) {
        const std::int32_t before = peak;
        peak += 1;
        if (peak >= height)
            peak = height - 1;
        moved = moved || peak != before;
    }
    return moved;
}

// Each column's bar is copied from the pattern row by row straight into the
// window's rows, clipped once per column rather than once per row copied:
// the same pixels as a clipped copy of the bar's rectangle, for a fraction
// of the work.
void AnalyzerDisplay::DrawBar(gfx::Surface& window, bool striped, int column, int width) {
    const int height = m_area.Height();
    const int barTop = m_barTops[static_cast<std::size_t>(column)];
    const gfx::Surface& pattern = m_pattern;
    const int source = PatternColumn(column);
    const int x = m_area.left + column;
    const int first = std::max({0, -source, -x});
    const int end = std::min({width, pattern.Width() - source, window.Width() - x});
    if (first >= end)
        return;
    const int bottom = std::min({height, pattern.Height(), window.Height() - m_area.top});
    const int top = std::max(barTop + 1, -m_area.top);
    const gfx::AreaRows rows =
        window.WriteRows({x + first, m_area.top + top, x + end, m_area.top + bottom});
    const int count = end - first;
    for (int y = top; y < bottom; ++y) {
        if (striped && y % 2 != 0)
            continue;
        // A bar is one or three pixels wide: copied one by one, which costs
        // less than a call to copy them.
        const gfx::Pixel* from = pattern.Row(y) + source + first;
        gfx::Pixel* to = rows.Row(m_area.top + y) + x + first;
        for (int i = 0; i < count; ++i)
            to[i] = from[i];
    }
}

void AnalyzerDisplay::DrawPeak(gfx::Surface& window, bool pixelPeak, int column, int width) {
    const int peak = m_peaks[static_cast<std::size_t>(column)];
    if (pixelPeak)
        window.FillRect(gfx::Rect::FromSize(m_area.left + column, m_area.top + peak, width, 1),
                        m_peakColour);
    else
        gfx::Blit(window, {m_area.left + column, m_area.top + peak}, m_pattern,
                  gfx::Rect::FromSize(PatternColumn(column), peak, width, 1));
}

int AnalyzerDisplay::ColumnCount(int style) const {
    const int columns = static_cast<int>(m_levels.size());
    if (style == 13)
        return columns;
    const int step = IsWide(style) ? 4 : 1;
    return (columns + step - 1) / step;
}

int AnalyzerDisplay::MovedColumns(int style, bool bars, bool levelsMoved) const {
    if (style < 1 || style > 13)
        return 0;
    // Style 13's lines cross the columns; it moves as a whole or not at all.
    if (style == 13)
        return levelsMoved ? ColumnCount(style) : 0;
    const int step = IsWide(style) ? 4 : 1;
    int moved = 0;
    for (std::size_t index = 0; index < m_levels.size(); index += static_cast<std::size_t>(step))
        moved += ColumnNow(index, bars) != m_drawn[index] ? 1 : 0;
    return moved;
}

// A column's pixels depend on its own bar and peak alone, so a column that
// moved is drawn again over its own strip of the background and the rest are
// left as they are: the same pixels as a whole frame.
bool AnalyzerDisplay::DrawColumns(gfx::Surface& window, const gfx::Surface& background, int style,
                                  bool bars) {
    const StyleLook look = LookOf(style);
    const int columns = static_cast<int>(m_levels.size());
    const int step = IsWide(style) ? 4 : 1;
    const int width = IsWide(style) ? 3 : 1;
    bool drew = false;
    for (int column = 0; column < columns; column += step) {
        const auto index = static_cast<std::size_t>(column);
        const DrawnColumn now = ColumnNow(index, bars);
        DrawnColumn& drawn = m_drawn[index];
        if (now == drawn)
            continue;
        const int shown = std::min(width, columns - column);
        if (drawn != DrawnColumn{}) {
            const gfx::Rect strip =
                gfx::Rect::FromSize(m_area.left + column, m_area.top, shown, m_area.Height());
            gfx::Blit(window, {strip.left, strip.top}, background, strip);
        }
        if (bars)
            DrawBar(window, look.bar == BarLook::Striped, column, shown);
        DrawPeak(window, look.peak == PeakLook::Pixel, column, shown);
        drawn = now;
        drew = true;
    }
    return drew;
}

void AnalyzerDisplay::DrawMirror(gfx::Surface& window) {
    const int height = m_area.Height();
    const int middle = m_area.top + static_cast<int>(RoundHalfEven(height / 2.0));
    gfx::DrawLine(window, {m_area.left, middle}, {m_area.right, middle}, m_pen.Colour(),
                  m_pen.Width());
    const int centre = m_area.top + height / 2;
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        const int x = m_area.left + static_cast<int>(i);
        const int half = static_cast<int>(RoundHalfEven(m_levels[i] * height)) / 2;
        gfx::DrawLine(window, {x, centre}, {x, centre + half}, m_pen.Colour(), m_pen.Width());
        gfx::DrawLine(window, {x, centre}, {x, centre - half}, m_pen.Colour(), m_pen.Width());
    }
}

// A column drawn over its own strip of the face costs several times its share
// of one copy of the whole area. When few columns moved (a steady tone, the
// peaks settling) only they are drawn, as long as the window still shows the
// last frame, which is then remembered; when many moved (music) the area is
// drawn whole, as is every frame of it, and nothing is remembered.
void AnalyzerDisplay::DrawSpectrum(gfx::Surface& window, const gfx::Surface& background, int style,
                                   bool live, AnalyzerSource& source, const Settings& settings) {
    m_atRest = true;
    if (!m_placed)
        return;
    const bool levelsMoved = UpdateLevels(style, live, source, settings);
    const bool bars = live && LookOf(style).bar != BarLook::None;
    constexpr int kStripsPerWholeArea = 8;
    const bool few =
        MovedColumns(style, bars, levelsMoved) * kStripsPerWholeArea <= ColumnCount(style);
    const gfx::Rect area = ToGfx(m_area);
    const FrameKey key(style, live, m_pen, background);
    // Otherwise something else drew over the area (a new face), or the
    // frame's look changed.
    const bool whole = !few || !m_shown.StillShows(window, area, key.View());
    if (whole) {
        gfx::Blit(window, {area.left, area.top}, background, area);
        std::ranges::fill(m_drawn, DrawnColumn{});
    }
    if (style == 13 && whole) {
        if (live) {
            DrawMirror(window);
        } else {
            const int middle = m_area.top + static_cast<int>(RoundHalfEven(m_area.Height() / 2.0));
            gfx::DrawLine(window, {m_area.left, middle}, {m_area.right, middle}, m_pen.Colour(),
                          m_pen.Width());
        }
    }
    const bool drew = style >= 1 && style < 13 && DrawColumns(window, background, style, bars);
    if (!few)
        m_shown.Forget();
    else if (whole || drew)
        m_shown.Remember(window, area, key.View());
}

bool AnalyzerDisplay::UpdateLevels(int style, bool live, AnalyzerSource& source,
                                   const Settings& settings) {
    if (style < 1 || style > 13)
        return false;
    if (!live) {
        m_atRest = !DropPeaks();
        return false;
    }
    // While anything is paused the last spectrum stays, so the bars freeze.
    const bool frozen = source.IsAnyPaused();
    if (!frozen)
        m_lastSpectrum = source.FetchSpectrum();
    const bool levelsMoved = FillLevels(m_lastSpectrum, settings.SpectrumAmplify != 0);
    m_atRest = !UpdatePeaks() && frozen;
    return levelsMoved;
}

} // namespace vantor
