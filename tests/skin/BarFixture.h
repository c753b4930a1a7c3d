// A small main window for bar and text tests: a 100 × 60 face in one colour,
// a pressed face in another, and fakes for the sound side and the text.
#pragma once

#include "SkinFixtures.h"
#include "skin/BarSoundControls.h"
#include "skin/SkinBars.h"
#include "skin/TextFieldPainter.h"
#include "support/FakeTextPainter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

inline constexpr gfx::Pixel kFace = gfx::Rgb(10, 20, 30);
inline constexpr gfx::Pixel kPressed = gfx::Rgb(200, 100, 50);
inline constexpr gfx::Pixel kKnob = gfx::Rgb(0, 0, 255);

class RecordingBarSound : public BarSoundControls {
public:
    void ApplyVolume(std::int32_t volume) override {
        calls.push_back("volume " + std::to_string(volume));
    }
    void ApplyPan(std::int32_t pan) override { calls.push_back("pan " + std::to_string(pan)); }
    void ApplySoundControls() override { calls.push_back("controls"); }
    void SeekToFraction(double fraction) override {
        calls.push_back("seekto " + std::to_string(fraction));
    }
    void SetSeek(std::int32_t value) override {
        calls.push_back("setseek " + std::to_string(value));
    }
    std::vector<std::string> calls;
};

class BarFixture : public ::testing::Test {
protected:
    BarFixture() {
        surfaces.face = gfx::Surface(100, 60, kFace);
        surfaces.pressedFace = gfx::Surface(100, 60, kPressed);
        surfaces.mainWindow = surfaces.face;
        surfaces.playListFace = gfx::Surface(60, 30, kFace);
        surfaces.playListWindow = surfaces.playListFace;
        skin.Style(TextField::VolumeVal).rect = {0, 50, 20, 60};
        skin.Style(TextField::PanVal).rect = {20, 50, 40, 60};
        skin.Style(TextField::PitchVal).rect = {40, 50, 60, 60};
        PrepareFieldSurfaces(skin, surfaces);
    }

    // The last text drawn, or a note that nothing was.
    std::string LastText() const {
        return painter.painted.empty() ? "<nothing drawn>" : painter.painted.back().text;
    }

    SkinBarStyle& Bar(BarKind kind, SkinRect rect, const std::string& type,
                      const std::string& direction = "HORIZONTAL") {
        SkinBarStyle& bar = skin.Bar(kind);
        bar.rect = rect;
        bar.type = type;
        bar.direction = direction;
        return bar;
    }

    gfx::Pixel At(int x, int y) const { return surfaces.mainWindow.GetPixel(x, y); }

    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    RecordingBarSound sound;
    FakeTextPainter painter;
    TextFieldPainter texts{skin, surfaces, painter};
    SkinBars bars{skin, surfaces, settings, sound, texts};
};

} // namespace vantor::test
