#include "app/PlayerHarness.h"

#include "support/ToneMeasure.h"
#include "ui/SurfaceImage.h"

#include <QApplication>
#include <QKeyEvent>

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

} // namespace
} // namespace vantor::test
