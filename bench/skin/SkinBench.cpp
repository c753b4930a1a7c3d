// Applying a skin whose face is 600 × 300: parsing a full definition file,
// resetting and filling the record, preparing every work surface and
// drawing the first frame. Pictures come from memory (decoding is measured
// by the picture library's own benchmark).
#include "base/Paths.h"
#include "skin/SkinApplication.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeTextPainter.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

using namespace vantor;

class MemoryPictures : public PictureSource {
public:
    Picture LoadPicture(const std::string& path) override {
        const auto found = pictures.find(FileNameOf(path));
        return found == pictures.end() ? nullptr : std::make_shared<gfx::Surface>(found->second);
    }
    std::map<std::string, gfx::Surface> pictures;
};

class QuietPeers : public SkinApplicationPeers {
    void StopTickTimer() override {}
    void StartTickTimer() override {}
    void ShapeWindows(const gfx::Surface&, const gfx::Surface&) override {}
    void SetUpSkinToolTips() override {}
    void PlacePlayListWindow() override {}
    void PrepareVisuals() override {}
    void DrawPlayList() override {}
    void FinishApplication() override {}
    void SkinChanged() override {}
    void ExitPlayer() override {}
};

class QuietSound : public BarSoundControls {
    void ApplyVolume(std::int32_t) override {}
    void ApplyPan(std::int32_t) override {}
    void ApplySoundControls() override {}
    void SeekToFraction(double) override {}
    void SetSeek(std::int32_t) override {}
};

std::string SkinText() {
    std::string text =
        "SkinName Bench\r\nMainBitmap face.bmp\r\nMainBitmapPressed pressed.bmp\r\n"
        "MainBitmapInactive inactive.bmp\r\nPlayListMainBitmap list.bmp\r\n"
        "PlayListMainBitmapPressed list.bmp\r\nTimeFontBitmap time.bmp\r\nTimeFontBitmapSize 10 "
        "16\r\n"
        "TimeFontType BMP\r\nTimeField 20 20 150 36\r\nFontBitmap font.bmp\r\nFontSize 6 10\r\n"
        "SongInfoField 20 60 400 76 Song\r\nSpectrumField 420 20 580 80 Analyzer\r\n"
        "VolumeField 20 100 220 110 Volume\r\nVolumeControlType NORMAL\r\n"
        "SeekBarField 20 120 580 130 Seek\r\nSeekType ADVANCE\r\nSeekImage seekmap.bmp\r\n"
        "PanBarField 240 100 340 110\r\nPanType BAR\r\nPanBitmap knob.bmp\r\n"
        "PitchBarField 360 100 460 110\r\nPitchType ADVANCE\r\nPitchBitmap strip.bmp\r\n"
        "PitchImageSize 20 10\r\nPitchPositionImage pitchmap.bmp\r\n";
    const char* buttons[] = {"Close",        "Minimize", "Stop",   "Pause",           "NextSong",
                             "PreviousSong", "Play",     "Open",   "PlayList",        "About",
                             "Config",       "Loop",     "Random", "Non-StopMegaMix", "ChangeSkin"};
    int x = 20;
    for (const char* button : buttons) {
        text += std::string(button) + "Button " + std::to_string(x) + " 250 " +
                std::to_string(x + 30) + " 280 " + button + "\r\n";
        x += 36;
    }
    for (const char* field : {"SongFormat", "SongKbps", "SongKhz", "SongMode"})
        text += std::string(field) + "Field 20 200 80 210\r\n" + field + "FontType BMP\r\n";
    return text;
}

void ApplyLargeSkin(benchmark::State& state) {
    test::TempDir dir;
    MemoryPictures pictures;
    const auto add = [&](const std::string& name, gfx::Surface surface) {
        dir.Write(name, "x");
        pictures.pictures[name] = std::move(surface);
    };
    add("face.bmp", gfx::Surface(600, 300, gfx::Rgb(40, 40, 60)));
    add("pressed.bmp", gfx::Surface(600, 300, gfx::Rgb(80, 80, 120)));
    add("inactive.bmp", gfx::Surface(600, 300, gfx::Rgb(20, 20, 30)));
    add("list.bmp", gfx::Surface(400, 300, gfx::Rgb(40, 40, 60)));
    add("time.bmp", gfx::Surface(130, 16, gfx::Rgb(255, 128, 0)));
    add("font.bmp", gfx::Surface(96, 60, gfx::Rgb(255, 255, 255)));
    add("knob.bmp", gfx::Surface(10, 10, gfx::Rgb(200, 200, 200)));
    add("strip.bmp", gfx::Surface(200, 10, gfx::Rgb(200, 0, 0)));
    gfx::Surface seekMap(560, 10);
    for (int x = 0; x < 560; ++x)
        seekMap.FillRect({x, 0, x + 1, 10}, gfx::Rgb(static_cast<std::uint8_t>(x * 255 / 559),
                                                     static_cast<std::uint8_t>(x * 255 / 559),
                                                     static_cast<std::uint8_t>(x * 255 / 559)));
    add("seekmap.bmp", seekMap);
    add("pitchmap.bmp", gfx::Surface(100, 10, gfx::Rgb(128, 128, 128)));
    const std::string path = dir.Write("bench.dvk", SkinText());

    test::FakeMessageBoxes messages;
    const FontNameResolver fonts(std::vector<std::string>{"Arial"});
    test::FakeTextPainter painter;
    QuietPeers peers;
    QuietSound sound;
    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    settings.MasterVolume = 200;
    settings.SoundStretchScale = 1.0f;
    SkinFileReader reader;
    TextFieldPainter texts(skin, surfaces, painter);
    SkinBars bars(skin, surfaces, settings, sound, texts);
    SkinApplication application(
        {skin, surfaces, settings, reader, bars, painter, peers, dir.Path()},
        {messages, pictures, fonts});
    for (auto _ : state) {
        if (!application.ApplySkin(path))
            state.SkipWithError("the skin did not apply");
        benchmark::DoNotOptimize(surfaces.mainWindow.Pixels().data());
    }
}
BENCHMARK(ApplyLargeSkin)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
