#include "app/PlayerHarness.h"

#include "support/ToneMeasure.h"
#include "ui/SurfaceImage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <span>

namespace vantor::test {
namespace {

constexpr double kToneHz = 440.0;
// The output takes a moment to let a change through; what is measured is
// heard after it.
constexpr double kSettleSeconds = 0.6;

// How long the sound lasts, from the start of `heard` to its last audible frame.
double AudibleSeconds(const std::vector<float>& heard) {
    for (std::size_t frame = heard.size() / 2; frame > 0; --frame) {
        if (std::abs(heard[frame * 2 - 2]) > 0.05f || std::abs(heard[frame * 2 - 1]) > 0.05f)
            return static_cast<double>(frame) / kHarnessRate;
    }
    return 0.0;
}

// What is heard once a change has come through the output.
std::vector<float> ListenAfterChange(PlayerHarness& h, double seconds = 0.4) {
    h.Listen(kSettleSeconds);
    return h.Listen(seconds);
}

QImage Crop(const QImage& image, const SkinRect& rect) {
    return image.copy(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

QImage AnalyzerShown(PlayerHarness& h) {
    return Crop(h.MainWindowImage(), h.player().skin.spectrumField.rect);
}

// Rows of the analyzer area drawn all across in the analyzer's pen colour.
int PenRows(PlayerHarness& h) {
    const Player& player = h.player();
    const QImage area = AnalyzerShown(h);
    const gfx::Pixel colour =
        gfx::FromColorRef(static_cast<std::uint32_t>(player.skin.oscilloscopeColor));
    const QRgb pen = qRgb(gfx::RedOf(colour), gfx::GreenOf(colour), gfx::BlueOf(colour));
    int rows = 0;
    for (int y = 0; y < area.height(); ++y) {
        int inPen = 0;
        for (int x = 0; x < area.width(); ++x)
            inPen += area.pixel(x, y) == pen ? 1 : 0;
        rows += inPen * 10 >= area.width() * 9 ? 1 : 0;
    }
    return rows;
}

bool ButtonLooksPressed(PlayerHarness& h, MainButton button) {
    const SkinRect& rect = h.player().skin.Main(button).regions[0].rect;
    return Crop(h.MainWindowImage(), rect) == Crop(ToImage(h.player().surfaces.pressedFace), rect);
}

// --- the pitch, balance and volume menus reach the sound

TEST(SoundMenuTest, PitchMenuStretchesTheTempoKeepsTheToneAndIsSaved) {
    PlayerHarness h;
    h.Start({h.WriteTone("tone.wav", kToneHz, 3.0)});
    // Played once, the tone's end tells its tempo.
    h.ChooseMenuItem("Mnu_Loop");
    h.ChooseMenuItem("Mnu_Pitch", 3);
    const std::vector<float> heard = h.Listen(3.0);
    // Three seconds of tone play in two at ×1.5.
    EXPECT_NEAR(AudibleSeconds(heard), 2.0, 0.2);
    const std::span<const float> middle(heard.data() + kHarnessRate, kHarnessRate / 2);
    EXPECT_NEAR(ZeroCrossingFrequency(middle, kHarnessRate), kToneHz, 8.0);
    EXPECT_EQ(h.StoredSetting("<SoundStretchEnable ON/OFF>"), " 1 ");
    EXPECT_EQ(h.StoredSetting("<SoundStretchScale>"), " 1.5 ");
}

TEST(SoundMenuTest, BalanceMenuMovesTheSoundToEitherSideAndBack) {
    PlayerHarness h;
    h.Start({h.WriteTone("tone.wav", kToneHz, 6.0)});
    h.ChooseMenuItem("Mnu_Balance", 0);
    std::vector<float> heard = ListenAfterChange(h);
    EXPECT_GT(ChannelRms(heard, 0), 0.3);
    EXPECT_LT(ChannelRms(heard, 1), 0.01);
    EXPECT_EQ(h.StoredSetting("<PanPosition 0..255>"), " 0 ");
    EXPECT_EQ(h.StoredSetting("<PanEnable ON/OFF>"), " 1 ");

    h.ChooseMenuItem("Mnu_Balance", 2);
    heard = ListenAfterChange(h);
    EXPECT_LT(ChannelRms(heard, 0), 0.01);
    EXPECT_GT(ChannelRms(heard, 1), 0.3);
    EXPECT_EQ(h.StoredSetting("<PanPosition 0..255>"), " 255 ");

    h.ChooseMenuItem("Mnu_Balance", 1);
    heard = ListenAfterChange(h);
    EXPECT_NEAR(ChannelRms(heard, 0), ChannelRms(heard, 1), 0.01);
}

// A skin whose volume is a dial of frames, with the animation on.
class VolumeAnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Player& first = h.Start();
        first.settings.SkinFilePath = "Skin/Showcase/Showcase.dvk";
        first.settings.VolumeAnimation = 1;
        first.settings.VolumeAnimationWait = 20;
        h.Restart({h.WriteTone("tone.wav", kToneHz, 8.0)});
        ASSERT_EQ(h.player().skin.Bar(BarKind::Volume).type, "ADVANCE");
    }

    // The point of the dial's position map with the lowest level.
    QPoint QuietestPointOfTheDial() {
        const SkinBarStyle& bar = h.player().skin.Bar(BarKind::Volume);
        QPoint quietest;
        int lowest = 256;
        for (int y = 0; y < bar.track->Height(); ++y) {
            for (int x = 0; x < bar.track->Width(); ++x) {
                const gfx::Pixel pixel = bar.track->GetPixel(x, y);
                if (pixel == gfx::kMagenta)
                    continue;
                const int level =
                    (gfx::RedOf(pixel) + gfx::GreenOf(pixel) + gfx::BlueOf(pixel)) / 3;
                if (level < lowest) {
                    lowest = level;
                    quietest = QPoint(bar.rect.left + x, bar.rect.top + y);
                }
            }
        }
        return quietest;
    }

    PlayerHarness h;
};

TEST_F(VolumeAnimationTest, TheDialTurnsDownFrameByFrameInsteadOfJumping) {
    Player& player = h.player();
    const double full = ChannelRms(ListenAfterChange(h), 0);
    ASSERT_GT(full, 0.3);

    h.ClickMain(QuietestPointOfTheDial());
    ASSERT_TRUE(player.volumeTimer.isActive());
    EXPECT_EQ(player.volumeTimer.interval(), 20);
    EXPECT_NEAR(ChannelRms(ListenAfterChange(h), 0), full, 0.01) << "the volume jumped";

    // Each tick of the animation turns the dial by one of its 31 frames.
    std::vector<std::int32_t> volumes;
    while (player.volumeTimer.isActive() && volumes.size() < 100) {
        player.mainWindow.StepVolumeAnimation();
        volumes.push_back(player.settings.MasterVolume);
        if (volumes.size() == 15) {
            EXPECT_NEAR(ChannelRms(ListenAfterChange(h), 0), full * volumes.back() / 255.0, 0.02);
        }
    }
    ASSERT_EQ(volumes.size(), 30u);
    for (std::size_t i = 0; i < volumes.size(); ++i)
        EXPECT_EQ(volumes[i], std::lrint((29.0 - static_cast<double>(i)) / 30.0 * 255.0)) << i;
    EXPECT_LT(ChannelRms(ListenAfterChange(h), 0), 0.001);
}

TEST_F(VolumeAnimationTest, AVolumeChosenFromTheMenuStopsTheTurningDial) {
    Player& player = h.player();
    const double full = ChannelRms(ListenAfterChange(h), 0);
    h.ClickMain(QuietestPointOfTheDial());
    player.mainWindow.StepVolumeAnimation();
    ASSERT_LT(player.settings.MasterVolume, 255);

    h.ChooseMenuItem("Mnu_Volume", 0);
    EXPECT_FALSE(player.volumeTimer.isActive());
    QTest::qWait(10 * player.settings.VolumeAnimationWait);
    EXPECT_EQ(player.settings.MasterVolume, 255);
    EXPECT_NEAR(ChannelRms(ListenAfterChange(h), 0), full, 0.01);
}

// --- the menu's ticks tell what the settings hold

TEST(MenuTickTest, SwitchesShowTheirTicksAfterARestartAndAClickTurnsOff) {
    PlayerHarness h;
    h.Start();
    for (const char* item : {"Mnu_NonStop", "Mnu_Random", "Mnu_SearchSubDir", "Mnu_AlwaysTop",
                             "Mnu_LevAmp2", "Mnu_PlayListWindow"})
        h.ChooseMenuItem(item);
    h.Restart();
    for (const char* item :
         {"Mnu_Loop", "Mnu_Random", "Mnu_NonStop", "Mnu_AutoPlay", "Mnu_SearchSubDir",
          "Mnu_AlwaysTop", "Mnu_MainWindow", "Mnu_PlayListWindow", "Mnu_LevAmp2"})
        EXPECT_TRUE(h.MenuTicked(item)) << item;
    EXPECT_FALSE(h.MenuTicked("Mnu_TagWindow"));

    h.ChooseMenuItem("Mnu_Loop");
    EXPECT_FALSE(h.MenuTicked("Mnu_Loop"));
    EXPECT_EQ(h.StoredSetting("<PlayLoopMode ON/OFF>"), " 0 ");
    h.ChooseMenuItem("Mnu_AlwaysTop");
    EXPECT_FALSE(h.MenuTicked("Mnu_AlwaysTop"));
    EXPECT_EQ(h.StoredSetting("<AlwaysOnTop ON/OFF>"), " 0 ");
}

// Entry i of the style list is style i + 1; exactly one analyzer entry is ticked.
void ExpectAnalyzerTick(PlayerHarness& h, int styleEntry, bool oscilloscope) {
    for (int entry = 0; entry < 13; ++entry)
        EXPECT_EQ(h.MenuTicked("Mnu_Analyzer_Patturn", entry), entry == styleEntry) << entry;
    EXPECT_EQ(h.MenuTicked("Mnu_Oscillo"), oscilloscope);
}

TEST(MenuTickTest, AnalyzerTicksFollowTheMenuAClickOnTheSpectrumAndARestart) {
    PlayerHarness h;
    h.Start();
    ExpectAnalyzerTick(h, 0, false);
    h.ChooseMenuItem("Mnu_Analyzer_Patturn", 4);
    ExpectAnalyzerTick(h, 4, false);
    EXPECT_EQ(h.StoredSetting("<Analyzer Pattern>"), " 5 ");
    h.ChooseMenuItem("Mnu_Oscillo");
    ExpectAnalyzerTick(h, -1, true);
    h.Restart();
    ExpectAnalyzerTick(h, -1, true);
    // After the oscilloscope a click on the area comes back to style 1.
    h.ClickMain(Centre(h.player().skin.spectrumField.rect));
    ExpectAnalyzerTick(h, 0, false);
    h.ClickMain(Centre(h.player().skin.spectrumField.rect));
    ExpectAnalyzerTick(h, 1, false);
}

TEST(MenuTickTest, ASkinThatChoosesTheOscilloscopeTicksIt) {
    PlayerHarness h;
    std::ofstream(h.Dir().File("Skin/Default/Default.dvk"), std::ios::app)
        << "SetAnalyzerPattern 14\r\n";
    h.Start();
    ExpectAnalyzerTick(h, -1, true);
}

TEST(MenuTickTest, TheAnalyzerAndTheSongInformationOpenPopupsOfTheirOwn) {
    PlayerHarness h;
    Player& player = h.Start();
    const QPoint analyzer = Centre(player.skin.spectrumField.rect);
    h.ChooseMenuItem("Mnu_LevAmp", -1, analyzer);
    EXPECT_TRUE(h.MenuTicked("Mnu_LevAmp", -1, analyzer));
    EXPECT_TRUE(h.MenuTicked("Mnu_LevAmp2"));
    EXPECT_EQ(h.StoredSetting("<Spectrum Amplify>"), " 1 ");
}

// --- the analyzer's style menu

TEST(AnalyzerMenuTest, TheFirstEntryDrawsStyleOne) {
    PlayerHarness h;
    h.Start({h.WriteTone("tone.wav", kToneHz, 4.0)});
    h.ChooseMenuItem("Mnu_Analyzer_Patturn", 0);
    h.Listen(0.5);
    const QImage face = Crop(ToImage(h.player().surfaces.face), h.player().skin.spectrumField.rect);
    EXPECT_NE(AnalyzerShown(h), face) << "the analyzer shows nothing";
    EXPECT_EQ(h.StoredSetting("<Analyzer Pattern>"), " 1 ");
}

// Style 13 draws a line through the middle while nothing sounds, with a pen
// one pixel wide whatever the oscilloscope used.
TEST(AnalyzerMenuTest, TheLastEntryDrawsStyleThirteenWithAThinPen) {
    PlayerHarness h;
    Player& player = h.Start();
    player.settings.IgnoreSkinOscilloConfig = 1;
    player.settings.OscilloscopeDrawWidth = 3;
    player.settings.OscilloscopeColor = player.skin.oscilloscopeColor;
    h.ChooseMenuItem("Mnu_Oscillo");
    h.Listen(0.2);
    ASSERT_EQ(PenRows(h), 3) << "the oscilloscope's line";
    h.ChooseMenuItem("Mnu_Analyzer_Patturn", 12);
    h.Listen(0.2);
    EXPECT_EQ(PenRows(h), 1);
    EXPECT_EQ(h.StoredSetting("<Analyzer Pattern>"), " 13 ");
}

// --- shortcuts act once, when the key is let go

TEST(ShortcutTest, AHeldKeyTogglesItsModeOnce) {
    PlayerHarness h;
    Player& player = h.Start();
    h.HoldKey(Qt::Key_N, 3);
    EXPECT_EQ(player.settings.NonStopMegaMix, 1);
    EXPECT_TRUE(h.MenuTicked("Mnu_NonStop"));
    EXPECT_TRUE(ButtonLooksPressed(h, MainButton::NonStopMegaMix));
    EXPECT_EQ(h.StoredSetting("<Non-Stop MegaMix Mode ON/OFF>"), " 1 ");

    h.HoldKey(Qt::Key_R, 5, &player.playlistWindowBridge.Widget());
    EXPECT_EQ(player.settings.PlayRandomMode, 1);
    EXPECT_TRUE(ButtonLooksPressed(h, MainButton::Random));

    h.TapKey(Qt::Key_L);
    EXPECT_EQ(player.settings.PlayLoopMode, 0);
    EXPECT_FALSE(h.MenuTicked("Mnu_Loop"));
    EXPECT_FALSE(ButtonLooksPressed(h, MainButton::Loop));
    EXPECT_EQ(h.StoredSetting("<PlayLoopMode ON/OFF>"), " 0 ");
}

TEST(ShortcutTest, APressAloneDoesNothingUntilTheKeyIsLetGo) {
    PlayerHarness h;
    Player& player = h.Start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_L, Qt::NoModifier);
    QApplication::sendEvent(&player.mainWindow.Widget(), &press);
    EXPECT_EQ(player.settings.PlayLoopMode, 1);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_L, Qt::NoModifier);
    QApplication::sendEvent(&player.mainWindow.Widget(), &release);
    EXPECT_EQ(player.settings.PlayLoopMode, 0);
}

} // namespace
} // namespace vantor::test
