#include "visual/Oscilloscope.h"

#include "base/VbNumber.h"
#include "gfx/Blit.h"
#include "visual/OscilloscopeCapture.h"

#include <algorithm>
#include <array>

namespace vantor {

std::int32_t OscilloscopeRow(double sample, int height, bool amplify) {
    const double scaled = amplify ? sample * 1.5 : sample;
    return static_cast<std::int32_t>(RoundHalfEven((scaled + 32768.0) / 65536.0 * height));
}

void DrawOscilloscope(gfx::Surface& window, const gfx::Surface& face, gfx::Surface& work,
                      const SkinRect& area, gfx::Pen& pen, OscilloscopeInput& input,
                      const Settings& settings) {
    const int width = area.Width();
    const int height = area.Height();
    if (width <= 0 || height <= 0)
        return;
    if (work.Width() != width || work.Height() != height)
        work = gfx::Surface(width, height);
    gfx::Blit(work, {0, 0}, face, {area.left, area.top, area.right, area.bottom});
    const int middle = static_cast<int>(RoundHalfEven(height / 2.0));
    if (input.ChannelsPlaying() == 0) {
        pen.MoveTo({0, middle});
        pen.LineTo(work, {width - 1, middle});
    } else {
        const std::int32_t length = std::max(input.BufferLength(), 1);
        input.SetBlockCount(static_cast<std::int32_t>(
            RoundHalfEven(static_cast<double>(input.BufferLengthTotal()) / length)));
        const auto step = static_cast<int>(RoundHalfEven(static_cast<double>(length) / width));
        std::array<float, OscilloscopeCapture::kCapacity> samples{};
        const std::size_t wanted =
            std::min(static_cast<std::size_t>(length) + 1, OscilloscopeCapture::kCapacity);
        input.CopySoundingBlock(std::span<float>(samples).first(wanted));
        pen.MoveTo({0, middle});
        const bool amplify = settings.SpectrumAmplify != 0;
        // Columns whose sample index lies past the block end the line there.
        for (int x = 0; x <= width; ++x) {
            const auto index = static_cast<std::size_t>(x) * static_cast<std::size_t>(step);
            if (index >= wanted)
                break;
            pen.LineTo(work, {x, OscilloscopeRow(samples[index], height, amplify)});
        }
    }
    gfx::Blit(window, {area.left, area.top}, work, work.Bounds());
}

void ApplyOscilloscopePen(gfx::Pen& pen, const SkinDefinition& skin, const Settings& settings) {
    const bool skinWins = settings.IgnoreSkinOscilloConfig != 1;
    const std::int32_t colour = skinWins && skin.oscilloscopeColor != -1
                                    ? skin.oscilloscopeColor
                                    : settings.OscilloscopeColor;
    pen.SetColour(gfx::FromColorRef(static_cast<std::uint32_t>(colour)));
    if (settings.AnalyzerPattern == 14)
        pen.SetWidth(skinWins && skin.oscilloscopeWidth != -1 ? skin.oscilloscopeWidth
                                                              : settings.OscilloscopeDrawWidth);
}

} // namespace vantor
