// What the player's UI thread does on every tick while it plays: draw the
// time text into its field (the same text for a second, or a new one) and
// bring a window's shown picture up to date (nothing or one field changed).
#include "ui/QtTextPainter.h"
#include "ui/SurfaceImage.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vantor;

const TextFont kTimeFont{"IPAGothic", 9, false, false};

void DrawSameTimeText(benchmark::State& state) {
    QtTextPainter painter;
    gfx::Surface field(75, 12);
    for (auto _ : state) {
        field.Fill(gfx::kBlack);
        painter.DrawText(field, {0, 0}, field.Bounds(), kTimeFont, gfx::kWhite, "01:23 / 03:12");
        benchmark::DoNotOptimize(field.Row(0));
    }
}
BENCHMARK(DrawSameTimeText);

void DrawNewTimeText(benchmark::State& state) {
    QtTextPainter painter;
    gfx::Surface field(75, 12);
    int second = 0;
    for (auto _ : state) {
        field.Fill(gfx::kBlack);
        const std::string text = std::to_string(100000 + second++) + " / 03:12";
        painter.DrawText(field, {0, 0}, field.Bounds(), kTimeFont, gfx::kWhite, text);
        benchmark::DoNotOptimize(field.Row(0));
    }
}
BENCHMARK(DrawNewTimeText);

void PresentWindow(benchmark::State& state) {
    const bool fieldChanges = state.range(0) != 0;
    gfx::Surface window(275, 116, gfx::Rgb(40, 40, 60));
    QImage shown = ToImage(window);
    const gfx::Rect field = gfx::Rect::FromSize(100, 30, 75, 12);
    std::uint8_t shade = 0;
    for (auto _ : state) {
        if (fieldChanges)
            window.FillRect(field, gfx::Rgb(++shade, 0, 0));
        benchmark::DoNotOptimize(CopyChangedPixels(window, shown));
    }
}
BENCHMARK(PresentWindow)->Arg(0)->Arg(1);

} // namespace

int main(int argc, char** argv) {
    // Text is drawn into images only; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
