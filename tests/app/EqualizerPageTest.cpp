#include "app/PlayerHarness.h"

#include "support/ToneMeasure.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace vantor::test {
namespace {

constexpr double kToneHz = 1000.0;
constexpr int kBand1k = 5;

class EqualizerPageTest : public ::testing::Test {
protected:
    template <typename Control>
    Control& Find(const QString& name) {
        auto* control = h.ShownControl<Control>(name);
        if (control == nullptr)
            throw std::runtime_error("the settings window shows no " + name.toStdString());
        return *control;
    }
    QSlider& Band(int band) { return Find<QSlider>(QStringLiteral("equalizerBand%1").arg(band)); }
    void OpenThePage() {
        h.ChooseMenuItem("Mnu_Config");
        auto& tree = Find<QTreeWidget>(QStringLiteral("categoryTree"));
        const auto items =
            tree.findItems(QStringLiteral("イコライザー"), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty());
        tree.setCurrentItem(items.front());
    }
    void Press(const char* button) {
        QTest::mouseClick(&Find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    // The tone's loudness once a change has come through the output, in dB
    // against `reference`.
    double Heard() {
        h.Listen(0.25);
        return ChannelRms(h.Listen(0.3), 0);
    }
    double HeardDecibels(double reference) { return 20.0 * std::log10(Heard() / reference); }

    PlayerHarness h;
};

TEST_F(EqualizerPageTest, TheSlidersChangeTheSoundAtOnceAndTheLevelsOutliveTheRun) {
    h.Start({h.WriteTone("tone.wav", kToneHz, 30.0)});
    const double dry = Heard();
    ASSERT_GT(dry, 0.1);
    OpenThePage();
    Band(kBand1k).setValue(6);
    EXPECT_NEAR(HeardDecibels(dry), 0.0, 0.01) << "the switch is off";

    Find<QCheckBox>(QStringLiteral("equalizer")).setChecked(true);
    EXPECT_NEAR(HeardDecibels(dry), 6.0, 0.5);
    Band(kBand1k).setValue(-6);
    EXPECT_NEAR(HeardDecibels(dry), -6.0, 0.5);
    Band(kBand1k).setValue(0);
    Band(0).setValue(12); // 31 Hz: five octaves below the tone
    EXPECT_NEAR(HeardDecibels(dry), 0.0, 0.2);
    Find<QSlider>(QStringLiteral("equalizerPreamp")).setValue(-6);
    EXPECT_NEAR(HeardDecibels(dry), -6.0, 0.2);

    auto& presets = Find<QComboBox>(QStringLiteral("equalizerPreset"));
    const int bassBoost = presets.findText(QStringLiteral("bass boost"));
    ASSERT_GE(bassBoost, 0);
    presets.setCurrentIndex(bassBoost);
    emit presets.activated(bassBoost);
    EXPECT_EQ(Band(0).value(), 7);
    EXPECT_NEAR(HeardDecibels(dry), -4.0, 0.5) << "the preset's preamp";
    Press("okButton");
    EXPECT_EQ(h.StoredSetting("<EnableEqualizer>"), " 1 ");
    const std::string stored = ReadWholeFile(h.Dir().File("Equalizer.DVC"));
    EXPECT_NE(stored.find("<Preamp>\r\n -4 \r\n<Band 31Hz>\r\n 7 \r\n"), std::string::npos);

    h.Restart({h.WriteTone("again.wav", kToneHz, 30.0)});
    EXPECT_NEAR(HeardDecibels(dry), -4.0, 0.5) << "the levels come back at start-up";
    OpenThePage();
    EXPECT_EQ(Band(0).value(), 7);
    Find<QCheckBox>(QStringLiteral("equalizer")).setChecked(false);
    EXPECT_NEAR(HeardDecibels(dry), 0.0, 0.01) << "unticked, the sound is untouched";
}

TEST_F(EqualizerPageTest, PresetsSaveAndOpenAndADamagedOneChangesNothing) {
    h.Start({h.WriteTone("tone.wav", kToneHz, 30.0)});
    const double dry = Heard();
    OpenThePage();
    Find<QCheckBox>(QStringLiteral("equalizer")).setChecked(true);
    Band(kBand1k).setValue(5);
    const std::string preset = h.Dir().File("mine.dvc");
    h.AnswerFileDialog(preset);
    Press("equalizerSave");
    Band(kBand1k).setValue(-8);

    h.AnswerFileDialog(preset);
    Press("equalizerOpen");
    EXPECT_EQ(Band(kBand1k).value(), 5);
    EXPECT_NEAR(HeardDecibels(dry), 5.0, 0.5);

    h.AnswerFileDialog(h.Dir().Write("broken.dvc", "<Preamp>\r\n 3 \r\n<Band 31Hz>\r\n loud \r\n"));
    Press("equalizerOpen");
    ASSERT_EQ(h.Messages().size(), 1u);
    EXPECT_NE(h.Messages()[0].text.find("<Band 31Hz>"), std::string::npos);
    EXPECT_EQ(Band(kBand1k).value(), 5);
    EXPECT_EQ(Find<QSlider>(QStringLiteral("equalizerPreamp")).value(), 0);
    EXPECT_NEAR(HeardDecibels(dry), 5.0, 0.5);
}

TEST_F(EqualizerPageTest, CancelOrClosingPutsBackTheSoundAndTheLevelsTheWindowOpenedWith) {
    h.Start({h.WriteTone("tone.wav", kToneHz, 30.0)});
    const double dry = Heard();
    OpenThePage();
    Find<QCheckBox>(QStringLiteral("equalizer")).setChecked(true);
    Band(kBand1k).setValue(6);
    Press("okButton");
    ASSERT_NEAR(HeardDecibels(dry), 6.0, 0.5);

    OpenThePage();
    Band(kBand1k).setValue(-6);
    ASSERT_NEAR(HeardDecibels(dry), -6.0, 0.5) << "the move is heard before it is applied";
    Press("cancelButton");
    EXPECT_NEAR(HeardDecibels(dry), 6.0, 0.5);

    OpenThePage();
    EXPECT_EQ(Band(kBand1k).value(), 6);
    Find<QCheckBox>(QStringLiteral("equalizer")).setChecked(false);
    Band(0).setValue(12);
    ASSERT_NEAR(HeardDecibels(dry), 0.0, 0.01);
    Band(0).window()->close();
    EXPECT_NEAR(HeardDecibels(dry), 6.0, 0.5) << "closing the window is a cancel too";

    // Applying the window again saves the levels it shows, which are the kept ones.
    OpenThePage();
    Press("okButton");
    const std::string stored = ReadWholeFile(h.Dir().File("Equalizer.DVC"));
    EXPECT_NE(stored.find("<Band 31Hz>\r\n 0 \r\n"), std::string::npos) << stored;
    EXPECT_NE(stored.find("<Band 1kHz>\r\n 6 \r\n"), std::string::npos) << stored;
    EXPECT_EQ(h.StoredSetting("<EnableEqualizer>"), " 1 ");
    EXPECT_NEAR(HeardDecibels(dry), 6.0, 0.5);
}

} // namespace
} // namespace vantor::test
