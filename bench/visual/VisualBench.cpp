// One analyzer frame (styles 1 and 10, 200 columns, a spectrum that moves)
// and one song-information tick while the line scrolls.
#include "support/FakeTextPainter.h"
#include "visual/AnalyzerDisplay.h"
#include "visual/SongInfoDisplay.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace vantor;

class MovingSpectrum : public AnalyzerSource {
public:
    bool IsLive() override { return true; }
    bool IsAnyPaused() override { return false; }
    Spectrum FetchSpectrum() override {
        Spectrum spectrum{};
        ++m_frame;
        for (std::size_t i = 0; i < spectrum.size(); ++i)
            spectrum[i] =
                static_cast<float>(0.5 + 0.5 * std::sin(0.05 * static_cast<double>(i + m_frame))) /
                static_cast<float>(1 + i / 64);
        return spectrum;
    }

private:
    int m_frame = 0;
};

void AnalyzerFrame(benchmark::State& state) {
    const int style = static_cast<int>(state.range(0));
    AnalyzerDisplay analyzer;
    const SkinRect area{20, 40, 220, 80};
    analyzer.Place(area);
    analyzer.SetPattern(BuildDefaultPattern(area.Height()), 0);
    gfx::Surface face(600, 300, gfx::Rgb(30, 30, 30));
    gfx::Surface window = face;
    MovingSpectrum source;
    Settings settings;
    for (auto _ : state) {
        analyzer.DrawSpectrum(window, face, style, true, source, settings);
        benchmark::DoNotOptimize(window.Pixels().data());
    }
}
BENCHMARK(AnalyzerFrame)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

// A song-information line 300 pixels wide on a plain face, with fixed-size
// glyphs; `shadow` draws each glyph twice.
struct SongInfoBench {
    explicit SongInfoBench(int shadow) {
        SkinTextStyle& style = skin.Style(TextField::SongInfo);
        style.rect = {20, 100, 320, 116};
        style.shadow = shadow;
        surfaces.face = gfx::Surface(600, 300, gfx::Rgb(30, 30, 30));
        surfaces.mainWindow = surfaces.face;
        painter.charWidth = 7;
        painter.charHeight = 12;
    }

    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    test::FakeTextPainter painter;
    TextFieldPainter fields{skin, surfaces, painter};
    SongInfoDisplay display{skin, surfaces, settings, painter, fields};
};

void SongInfoTick(benchmark::State& state) {
    SongInfoBench bench(1);
    bench.display.DrawSongInfo(
        "Artist Name - A Rather Long Song Title From Some Album (04:33)      ");
    while (!bench.display.State().revealDone)
        bench.display.SongInfoTick();
    for (auto _ : state) {
        bench.display.SongInfoTick();
        benchmark::DoNotOptimize(bench.surfaces.mainWindow.Pixels().data());
    }
}
BENCHMARK(SongInfoTick)->Unit(benchmark::kMicrosecond);

void SongInfoRevealTick(benchmark::State& state) {
    SongInfoBench bench(0);
    for (auto _ : state) {
        state.PauseTiming();
        bench.display.DrawSongInfo("Artist Name - A Rather Long Song Title (04:33)      ", true);
        for (int tick = 0; tick < 30; ++tick)
            bench.display.SongInfoTick();
        state.ResumeTiming();
        bench.display.SongInfoTick();
    }
}
BENCHMARK(SongInfoRevealTick)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
