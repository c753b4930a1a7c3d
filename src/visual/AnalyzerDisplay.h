// The spectrum display of the analyzer area: per-column levels and falling
// peaks from the sound library's spectrum, drawn in thirteen styles with the
// colours of a pattern picture. One object per main window, owned by the
// Player; it draws onto the window surface it is given. UI thread.
#pragma once

#include "gfx/Color.h"
#include "gfx/Line.h"
#include "gfx/Surface.h"
#include "settings/Settings.h"
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
    void SetPeakColour(gfx::Pixel colour) { m_peakColour = colour; }
    const gfx::Surface& Pattern() const { return m_pattern; }
    // The drawing colour and line width of the area, shared with the
    // oscilloscope (style 13 draws with it too).
    gfx::Pen& Pen() { return m_pen; }

    // One frame in style 1..13 onto `window`, over `background` (the face).
    void DrawSpectrum(gfx::Surface& window, const gfx::Surface& background, int style, bool live,
                      AnalyzerSource& source, const Settings& settings);

    // Whether the next frame would draw what the last one drew: the bars
    // stand still (nothing plays, or the sound is paused) and so do the peaks.
    bool AtRest() const { return m_atRest; }

    const std::vector<float>& Levels() const { return m_levels; }
    const std::vector<std::int32_t>& Peaks() const { return m_peaks; }

private:
    void FillLevels(const Spectrum& spectrum, bool amplify);
    // Both return whether any peak moved.
    bool UpdatePeaks();
    bool DropPeaks();
    void DrawColumns(gfx::Surface& window, int style, bool barsToo);
    void DrawColumn(gfx::Surface& window, int style, int column, int width, bool barsToo);
    void DrawMirror(gfx::Surface& window);
    int PatternColumn(int column) const;

    SkinRect m_area;
    bool m_placed = false;
    std::vector<float> m_levels;
    std::vector<std::int32_t> m_peaks;
    Spectrum m_lastSpectrum{};
    bool m_atRest = false;
    gfx::Surface m_pattern;
    std::int32_t m_patternType = 0;
    gfx::Pixel m_peakColour = gfx::kWhite;
    gfx::Pen m_pen{gfx::kWhite, 1};
};

} // namespace vantor
