// Analyzer mode 14: the newest captured block of mixed samples drawn as a
// line across the analyzer area, with the pen the skin or the user chose.
// Draws onto surfaces the caller owns. UI thread.
#pragma once

#include "gfx/Line.h"
#include "gfx/Surface.h"
#include "settings/Settings.h"
#include "skin/SkinDefinition.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace vantor {

// What the oscilloscope reads of the sound library and the capture unit. The
// player core implements it; tests fake it. UI thread only.
class OscilloscopeInput {
public:
    virtual ~OscilloscopeInput() = default;
    virtual std::int32_t ChannelsPlaying() = 0;
    virtual std::int32_t BufferLength() = 0;
    virtual std::int32_t BufferLengthTotal() = 0;
    virtual void SetBlockCount(std::int32_t count) = 0;
    // Copies the first values (floats on the ±32768 scale) of the block
    // sounding now into `out`; returns how many were copied.
    virtual std::size_t CopySoundingBlock(std::span<float> out) = 0;
};

// The row of a sample in an area `height` pixels high: −32768 at the top, 0
// in the middle, 32767 at nearly the bottom; amplified samples count 1.5×.
std::int32_t OscilloscopeRow(double sample, int height, bool amplify);

// One frame: composed in `work` (sized to the area) over the face and copied
// to `window`.
void DrawOscilloscope(gfx::Surface& window, const gfx::Surface& face, gfx::Surface& work,
                      const SkinRect& area, gfx::Pen& pen, OscilloscopeInput& input,
                      const Settings& settings);

// Colour and width of the analyzer pen from the skin and the settings.
void ApplyOscilloscopePen(gfx::Pen& pen, const SkinDefinition& skin, const Settings& settings);

} // namespace vantor
