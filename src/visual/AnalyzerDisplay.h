// The spectrum display of the analyzer area: per-column levels and falling
// peaks from the sound library's spectrum, drawn in thirteen styles with the
// colours of a pattern picture. One object per main window, owned by the
// Player; it draws onto the window surface it is given. UI thread.
#pragma once

#include "gfx/Color.h"
#include "gfx/Line.h"
#include "gfx/Surface.h"
#include "settings/Settings.h"
#include "skin/ShownField.h"
#include "skin/SkinDefinition.h"
#include "visual/AnalyzerSource.h"

#include <cstdint>
#include <vector>

namespace vantor {

inline constexpr int kOscilloscopeStyle = 14;

// The generated pattern: 3 columns, H − 1 rows, red and yellow at the top
// through green to blue at the bottom.
gfx::Surface BuildDefaultPattern(int areaHeight);

class AnalyzerDisplay {
public:
    // Sizes the per-column arrays to the area; peaks start at the top.
    void Place(const SkinRect& area);
    bool IsPlaced() const { return m_placed; }
    const SkinRect& Area() const { return m_area; }

    void SetPattern(gfx::Surface pattern, std::int32_t patternType);
    void SetPeakColour(gfx::Pixel colour);
    const gfx::Surface& Pattern() const { return m_pattern; }
    // The drawing colour and line width of the area, shared with the
    // oscilloscope (style 13 draws with it too).
    gfx::Pen& Pen() { return m_pen; }

    // One frame in style 1..13 onto `window`, over `background` (the face).
    // Only the columns whose bar or peak moved are drawn again, and nothing
    // when none did, while `window` still shows the last frame over the same
    // background; otherwise the whole area is drawn.
    void DrawSpectrum(gfx::Surface& window, const gfx::Surface& background, int style, bool live,
                      AnalyzerSource& source, const Settings& settings);

    // Whether the next frame would draw what the last one drew: the bars
    // stand still (nothing plays, or the sound is paused) and so do the peaks.
    bool AtRest() const { return m_atRest; }

    const std::vector<float>& Levels() const { return m_levels; }
    const std::vector<std::int32_t>& Peaks() const { return m_peaks; }

private:
    // Where a column's bar begins and where its peak stands, as drawn last;
    // -1 for a column not drawn since the area's background was.
    struct DrawnColumn {
        std::int32_t barTop = -1;
        std::int32_t peak = -1;
        bool operator==(const DrawnColumn&) const = default;
    };

    // Sets the levels and the bars' tops; returns whether any level changed.
    bool FillLevels(const Spectrum& spectrum, bool amplify);
    // Both return whether any peak moved.
    bool UpdatePeaks();
    bool DropPeaks();
    // Takes the newest spectrum into the levels and moves the peaks (only
    // lets the peaks fall when nothing sounds); returns whether any level
    // changed.
    bool UpdateLevels(int style, bool live, AnalyzerSource& source, const Settings& settings);
    // Forgets the last frame, so that the next one draws the whole area.
    void ForgetDrawn();
    DrawnColumn ColumnNow(std::size_t index, bool bars) const {
        return {bars ? m_barTops[index] : m_area.Height(), m_peaks[index]};
    }
    // The columns a frame of `style` draws, and how many of them differ from
    // what was drawn last.
    int ColumnCount(int style) const;
    int MovedColumns(int style, bool bars, bool levelsMoved) const;
    // Returns whether any column was drawn.
    bool DrawColumns(gfx::Surface& window, const gfx::Surface& background, int style, bool bars);
    void DrawBar(gfx::Surface& window, bool striped, int column, int width);
    void DrawPeak(gfx::Surface& window, bool pixelPeak, int column, int width);
    void DrawMirror(gfx::Surface& window);
    int PatternColumn(int column) const;

    SkinRect m_area;
    bool m_placed = false;
    std::vector<float> m_levels;
    // The row above each column's bar, from its level.
    std::vector<std::int32_t> m_barTops;
    std::vector<std::int32_t> m_peaks;
    Spectrum m_lastSpectrum{};
    bool m_atRest = false;
    // The last frame: its columns, and the pixels it left in the window under
    // a key of its style, liveness, pen and background.
    std::vector<DrawnColumn> m_drawn;
    ShownField m_shown;
    gfx::Surface m_pattern;
    std::int32_t m_patternType = 0;
    gfx::Pixel m_peakColour = gfx::kWhite;
    gfx::Pen m_pen{gfx::kWhite, 1};
};

} // namespace vantor
