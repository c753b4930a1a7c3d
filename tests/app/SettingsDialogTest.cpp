#include "app/PlayerHarness.h"

#include "support/ToneMeasure.h"
#include "ui/settings/ColorButton.h"
#include "ui/settings/FontButton.h"
#include "ui/settings/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

class SettingsDialogTest : public ::testing::Test {
protected:
    // The settings window, once it is shown.
    SettingsDialog* Window() {
        return h.ShownControl<SettingsDialog>(QStringLiteral("settingsDialog"));
    }

    template <typename Control>
    Control& Find(const char* name) {
        auto* control = h.ShownControl<Control>(QString::fromLatin1(name));
        if (control == nullptr)
            throw std::runtime_error(std::string("the settings window shows no ") + name);
        return *control;
    }
    void Type(const char* box, const char* text) {
        Find<QLineEdit>(box).setText(QString::fromUtf8(text));
    }
    void Press(const char* button) {
        QTest::mouseClick(&Find<QPushButton>(button), Qt::LeftButton);
    }
    int ShownPage() { return Find<QStackedWidget>("pages").currentIndex(); }
    // Selects the tree node showing `text` (the first one, in tree order).
    void SelectNode(const char* text) {
        auto& tree = Find<QTreeWidget>("categoryTree");
        const auto items =
            tree.findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty()) << text;
        tree.setCurrentItem(items.front());
    }

    PlayerHarness h;
};

TEST_F(SettingsDialogTest, ChangesOnSeveralPagesReachTheFileAndTheRunningPlayer) {
    Player& player = h.Start({h.WriteTone("tone.wav")});
    h.ChooseMenuItem("Mnu_Config");
    ASSERT_NE(Window(), nullptr) << "the menu opened no settings window";
    EXPECT_EQ(ShownPage(), 1) << "the settings open on the play options";

    SelectNode("アナライザー");
    EXPECT_EQ(ShownPage(), 8);
    Find<QComboBox>("analyzerPattern").setCurrentIndex(13);
    Type("oscilloscopeWidth", "3");
    Find<QCheckBox>("ignoreSkinOscilloscope").setChecked(true);
    SelectNode("本体");
    Type("songInfoStyle", "%2");
    Find<QCheckBox>("showTrackNumber").setChecked(false);
    Type("playListStyle", "%2 [%3]");
    Find<QCheckBox>("random").setChecked(true);
    Press("okButton");

    EXPECT_EQ(Window(), nullptr) << "OK closes the window";
    EXPECT_TRUE(h.Messages().empty());
    EXPECT_EQ(h.StoredSetting("<Analyzer Pattern>"), " 14 ");
    EXPECT_EQ(h.StoredSetting("<Oscilliscope DrawWidth>"), " 3 ");
    EXPECT_EQ(h.StoredSetting("<PlayList Style>"), "%2 [%3]");
    EXPECT_EQ(h.StoredSetting("<ShowTrackNumber ON/OFF>"), " 0 ");
    EXPECT_EQ(h.StoredSetting("<PlayRandomMode ON/OFF>"), " 1 ");

    // The running player shows it all without a restart.
    EXPECT_TRUE(h.MenuTicked("Mnu_Oscillo"));
    EXPECT_TRUE(h.MenuTicked("Mnu_Random"));
    EXPECT_EQ(player.visuals.Analyzer().Pen().Width(), 3);
    EXPECT_EQ(h.SongLinePicture(), h.SongLinePictureShowing("tone (0:02)      "));
    for (int ticks = 0; ticks < 100 && player.tagReaderTimer.isActive(); ++ticks)
        player.playlistWindow.OnTagReaderTick();
    EXPECT_EQ(player.playlist.Playlist[0].Title, "tone [No Album]");
    EXPECT_EQ(h.Relaunches(), 0);
}

TEST_F(SettingsDialogTest, KeysAndMenusOpenTheirPagesFilledFromTheSettings) {
    Player& player = h.Start();
    h.TapKey(Qt::Key_C, Qt::ControlModifier);
    ASSERT_NE(Window(), nullptr) << "Ctrl+C opened no settings window";
    EXPECT_EQ(ShownPage(), 1);
    EXPECT_EQ(Find<QTreeWidget>("categoryTree").currentItem()->text(0),
              QStringLiteral("プレイオプション"));
    EXPECT_EQ(Find<QLineEdit>("bufferLength").text(), QStringLiteral("1000"));
    EXPECT_EQ(Find<QLineEdit>("playListStyle").text(), QStringLiteral("%1 - %2"));
    EXPECT_EQ(Find<QComboBox>("rate").currentText(), QStringLiteral("44100Hz"));
    EXPECT_EQ(Find<QComboBox>("output").currentText(), QStringLiteral("PipeWire / PulseAudio"));

    SelectNode("表示設定");
    EXPECT_EQ(ShownPage(), 1) << "the display node has no page of its own";
    SelectNode("一般設定");
    EXPECT_EQ(ShownPage(), 0);
    Press("cancelButton");
    EXPECT_EQ(Window(), nullptr);

    h.TapKey(Qt::Key_B, Qt::ControlModifier);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(ShownPage(), 11);
    h.ChooseMenuItem("Mnu_ChFont", -1, Centre(player.skin.Style(TextField::SongInfo).rect));
    EXPECT_EQ(ShownPage(), 5);
    EXPECT_TRUE(h.Messages().empty());
}

TEST_F(SettingsDialogTest, AZeroWidthIsRefusedAndTheWindowStaysOpenWithNothingSaved) {
    h.Start();
    h.ChooseMenuItem("Mnu_Config");
    Type("oscilloscopeWidth", "0");
    Type("playListStyle", "%5");
    Press("okButton");
    ASSERT_EQ(h.Messages().size(), 1u);
    EXPECT_EQ(h.Messages()[0],
              (SeenMessage{"設定エラー", "オシロスコープの描画幅は1未満に設定できません。"}));
    EXPECT_NE(Window(), nullptr);
    EXPECT_EQ(h.StoredSetting("<PlayList Style>"), std::nullopt) << "nothing was saved yet";

    Type("oscilloscopeWidth", "2");
    Type("bufferLength", "50");
    Press("applyButton");
    ASSERT_EQ(h.Messages().size(), 2u);
    EXPECT_EQ(h.Messages()[1],
              (SeenMessage{"設定エラー", "バッファーサイズは50ms以下は設定できません。"}));
    EXPECT_NE(Window(), nullptr);

    Type("bufferLength", "51");
    Press("applyButton");
    EXPECT_EQ(h.Messages().size(), 2u);
    EXPECT_NE(Window(), nullptr) << "Apply without a restart keeps the window open";
    EXPECT_EQ(h.StoredSetting("<BufferLength>"), " 51 ");
    EXPECT_EQ(h.StoredSetting("<PlayList Style>"), "%5");
}

TEST_F(SettingsDialogTest, AnotherOutputRestartsThePlayerOnIt) {
    h.Start();
    h.ChooseMenuItem("Mnu_Config");
    SelectNode("オーディオ出力");
    EXPECT_EQ(ShownPage(), 4);
    auto& output = Find<QComboBox>("output");
    output.setCurrentIndex(2);
    EXPECT_EQ(output.currentText(), QStringLiteral("JACK"));
    EXPECT_GE(Find<QComboBox>("driver").count(), 1) << "the driver list follows the output";
    Find<QComboBox>("mixer").setCurrentIndex(1);
    Press("applyButton");

    EXPECT_EQ(Window(), nullptr) << "Apply with an output change closes the window";
    ASSERT_EQ(h.Messages().size(), 1u);
    EXPECT_EQ(h.Messages()[0].text, "オーディオ出力の設定が変更されたので再起動します");
    EXPECT_EQ(h.Relaunches(), 1);
    EXPECT_EQ(h.StoredSetting("<OutPut Type>"), " 2 ");
    EXPECT_EQ(h.StoredSetting("<Mixer Type>"), " 5 ");

    // The program started again comes up on the new output.
    Player& again = h.Restart();
    EXPECT_EQ(again.settings.OutputType, 2);
    EXPECT_EQ(again.sound.FSOUND_GetOutput(), FSOUND_OUTPUT_ASIO);
}

TEST_F(SettingsDialogTest, TheBalanceRowMovesTheSoundWhileTheSliderMoves) {
    h.Start({h.WriteTone("tone.wav", 440.0, 4.0)});
    h.ChooseMenuItem("Mnu_Config");
    SelectNode("エフェクト");
    Find<QCheckBox>("balanceEnable").setChecked(true);
    Find<QSlider>("balancePosition").setValue(0);
    h.Listen(0.2); // the mixer follows the pan within a block
    const std::vector<float> heard = h.Listen(0.4);
    EXPECT_GT(ChannelRms(heard, 0), 0.3);
    EXPECT_LT(ChannelRms(heard, 1), 0.01);
    EXPECT_EQ(h.player().settings.PanPosition, 0);

    // Cancel leaves the balance as the slider set it, and it is saved with
    // the next change of any setting.
    Press("cancelButton");
    EXPECT_EQ(h.player().settings.PanEnable, 1);
}

TEST_F(SettingsDialogTest, ChooseButtonsFillTheirBoxesFromTheDesktopsDialogs) {
    h.Start();
    const std::string pattern = h.Dir().Path() + "Skin/Default/Analyzer.bmp";
    h.ChooseMenuItem("Mnu_Config");
    SelectNode("アナライザー");
    h.AnswerFileDialog(pattern);
    Press("analyzerPatternFileButton");
    EXPECT_EQ(Find<QLineEdit>("analyzerPatternFile").text().toStdString(), pattern);

    SelectNode("設定");
    EXPECT_EQ(ShownPage(), 12);
    const std::string folder = h.Dir().Path() + "Skin";
    h.AnswerFileDialog(folder);
    Press("skinFolderButton");
    EXPECT_EQ(Find<QLineEdit>("skinFolder").text().toStdString(), folder + "/");
    Press("okButton");
    EXPECT_EQ(h.StoredSetting("<SkinFileFolder>"), folder + "/");
    EXPECT_EQ(h.StoredSetting("<Analyzer Pattern File>"), pattern);
}

TEST_F(SettingsDialogTest, TheUsersSongFontAndColourShowAtOnceWhenTheSkinsAreIgnored) {
    h.Start({h.WriteTone("tone.wav")});
    const QImage before = h.SongLinePicture();
    h.ChooseMenuItem("Mnu_Config");
    SelectNode("本体");
    Find<QCheckBox>("ignoreSkinFont").setChecked(true);
    Find<FontButton>("songInfoFont").SetFont({"IPAGothic", 16, true, false});
    Find<ColorButton>("songInfoFontColor").SetColorRef(0x0000FF); // red
    Press("okButton");

    const QImage after = h.SongLinePicture();
    EXPECT_GT(after.width(), before.width()) << "the larger font makes a longer line";
    bool red = false;
    for (int y = 0; y < after.height() && !red; ++y) {
        for (int x = 0; x < after.width() && !red; ++x)
            red = (after.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    }
    EXPECT_TRUE(red) << "the line is drawn in the chosen colour";
    EXPECT_EQ(h.StoredSetting("<SongInformation FontSize>"), " 16 ");
    EXPECT_EQ(h.StoredSetting("<SongInformation FontColor>"), " 255 ");
}

TEST_F(SettingsDialogTest, TickedFileGroupsBecomeTheDesktopsAssociations) {
    Player& player = h.Start();
    h.ChooseMenuItem("Mnu_Config");
    SelectNode("関連付け");
    EXPECT_EQ(ShownPage(), 9);
    Find<QCheckBox>("associationGroup6").setChecked(true); // MP2 and MP3
    Press("okButton");
    EXPECT_TRUE(player.fileAssociations.IsAssociated(".MP3"));
    EXPECT_TRUE(player.fileAssociations.IsAssociated(".MP2"));
    EXPECT_FALSE(player.fileAssociations.IsAssociated(".OGG"));

    // The page opens on what the desktop holds; clearing gives the types back.
    h.ChooseMenuItem("Mnu_Config");
    EXPECT_TRUE(Find<QCheckBox>("associationGroup6").isChecked());
    EXPECT_FALSE(Find<QCheckBox>("associationGroup7").isChecked());
    Press("associateNone");
    EXPECT_FALSE(Find<QCheckBox>("associationGroup6").isChecked());
    Press("okButton");
    EXPECT_FALSE(player.fileAssociations.IsAssociated(".MP3"));
}

TEST_F(SettingsDialogTest, CtrlBShowsTheSkinBrowserOnItsPage) {
    h.Start();
    h.TapKey(Qt::Key_B, Qt::ControlModifier);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(ShownPage(), 11);
    const QWidget* page = Find<QStackedWidget>("pages").currentWidget();
    ASSERT_NE(page, nullptr);
    const auto* tree = page->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr) << "the skin tree is on the page";
    EXPECT_EQ(tree->topLevelItem(0)->text(0).toStdString(), h.Dir().Path() + "Skin/");

    // Another skin folder, applied, is what the browser lists.
    SelectNode("設定");
    const std::string folder = h.Dir().Path() + "Skin/Showcase/";
    Type("skinFolder", folder.c_str());
    Press("applyButton");
    SelectNode("スキンブラウザー");
    tree = Find<QStackedWidget>("pages").currentWidget()->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItem(0)->text(0).toStdString(), folder);
}

} // namespace
} // namespace vantor::test
