// Measures the spectrum of rendered float stereo in tests: the level of a tone
// and the loudest spurious component next to it, through a Blackman-Harris
// window whose side lobes lie below -92 dB, so that a measurement can tell
// spurs 90 dB and more under the tone. Test-only; pure functions.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace vantor::test {

class Spectrum {
public:
    // The windowed magnitude spectrum of one channel (0 left, 1 right) of
    // interleaved stereo, over the largest power-of-two run of frames (at
    // most 65536) taken from the middle. A sine of amplitude A reads A.
    Spectrum(std::span<const float> stereo, int sampleRate, int channel = 0);

    double BinHz() const { return m_binHz; }
    // The amplitude of the tone at `hz`, from the window's main lobe.
    double Level(double hz) const;
    // Level(hz) in dB against a full-scale sine.
    double LevelDb(double hz) const;

    struct Spur {
        double hz;
        double db; // against the tone's level
    };
    // The loudest component outside the tone's main lobe, from `lowHz` up.
    Spur WorstSpur(double toneHz, double lowHz = 20.0) const;

private:
    std::vector<double> m_magnitude;
    double m_binHz = 0.0;
};

} // namespace vantor::test
