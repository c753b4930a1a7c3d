#include "visual/AnalyzerDisplay.h"

#include "base/VbNumber.h"
#include "gfx/Blit.h"

#include <algorithm>
#include <cmath>

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
    m_peaks.assign(columns, 0);
}

void AnalyzerDisplay::SetPattern(gfx::Surface pattern, std::int32_t patternType) {
    m_pattern = std::move(pattern);
    m_patternType = patternType;
}

int AnalyzerDisplay::PatternColumn(int column) const {
    return m_patternType == 1 ? column : 0;
}

void AnalyzerDisplay::FillLevels(const Spectrum& spectrum, bool amplify) {
    const std::size_t columns = m_levels.size();
    if (amplify) {
        for (std::size_t i = 0; i < columns; ++i)
            m_levels[i] = i < spectrum.size() ? std::min(spectrum[i] * 6.0f, 1.0f) : 0.0f;
        return;
    }
    // The whole range is spread over the columns, each showing the largest
    // bin of its group; an area wider than the spectrum shows nothing.
    const std::size_t group = columns > 0 ? spectrum.size() / columns : 0;
    for (std::size_t i = 0; i < columns; ++i) {
        float largest = 0.0f;
        for (std::size_t k = 0; k < group; ++k)
            largest = std::max(largest, spectrum[group * i + k]);
        m_levels[i] = std::min(largest * 4.0f, 1.0f);
    }
}

bool AnalyzerDisplay::UpdatePeaks() {
    const int height = m_area.Height();
    bool moved = false;
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        const int top = height - static_cast<int>(std::floor(m_levels[i] * height));
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

void AnalyzerDisplay::DrawColumn(gfx::Surface& window, int style, int column, int width,
                                 bool barsToo) {
    const StyleLook look = LookOf(style);
    const int height = m_area.Height();
    const int x = m_area.left + column;
    const int source = PatternColumn(column);
    const int bar = static_cast<int>(std::floor(m_levels[column] * height));
    const int barTop = height - bar;
    if (barsToo && look.bar == BarLook::Solid) {
        gfx::Blit(window, {x, m_area.top + barTop + 1}, m_pattern,
                  gfx::Rect::FromSize(source, barTop + 1, width, bar - 1));
    } else if (barsToo && look.bar == BarLook::Striped) {
        for (int y = barTop + 1; y < height; ++y) {
            if (y % 2 == 0)
                gfx::Blit(window, {x, m_area.top + y}, m_pattern,
                          gfx::Rect::FromSize(source, y, width, 1));
        }
    }
    const int peak = m_peaks[column];
    if (look.peak == PeakLook::Pixel)
        window.FillRect(gfx::Rect::FromSize(x, m_area.top + peak, width, 1), m_peakColour);
    else
        gfx::Blit(window, {x, m_area.top + peak}, m_pattern,
                  gfx::Rect::FromSize(source, peak, width, 1));
}

void AnalyzerDisplay::DrawColumns(gfx::Surface& window, int style, bool barsToo) {
    const int columns = static_cast<int>(m_levels.size());
    const int step = IsWide(style) ? 4 : 1;
    const int width = IsWide(style) ? 3 : 1;
    for (int column = 0; column < columns; column += step)
        DrawColumn(window, style, column, std::min(width, columns - column), barsToo);
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

void AnalyzerDisplay::DrawSpectrum(gfx::Surface& window, const gfx::Surface& background, int style,
                                   bool live, AnalyzerSource& source, const Settings& settings) {
    m_atRest = true;
    if (!m_placed)
        return;
    const gfx::Rect area{m_area.left, m_area.top, m_area.right, m_area.bottom};
    gfx::Blit(window, {area.left, area.top}, background, area);
    if (style < 1 || style > 13)
        return;
    if (!live) {
        m_atRest = !DropPeaks();
        if (style == 13) {
            const int middle = m_area.top + static_cast<int>(RoundHalfEven(m_area.Height() / 2.0));
            gfx::DrawLine(window, {m_area.left, middle}, {m_area.right, middle}, m_pen.Colour(),
                          m_pen.Width());
        } else {
            DrawColumns(window, style, false);
        }
        return;
    }
    // While anything is paused the last spectrum stays, so the bars freeze.
    const bool frozen = source.IsAnyPaused();
    if (!frozen)
        m_lastSpectrum = source.FetchSpectrum();
    FillLevels(m_lastSpectrum, settings.SpectrumAmplify != 0);
    m_atRest = !UpdatePeaks() && frozen;
    if (style == 13)
        DrawMirror(window);
    else
        DrawColumns(window, style, true);
}

} // namespace vantor
