#include "app/PlayerHarness.h"

#include "ui/settings/SettingsDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// What a user of one language reads in the player.
struct Language {
    const char* name;
    QStringList uiLanguages;
    std::vector<QString> menu;
    std::vector<QString> settingsPages;
    QString settingsTitle;
    SeenMessage refusedWidth;
    std::string unknownSkinLine;
};

const Language kJapanese{
    "Japanese",
    {QStringLiteral("ja_JP")},
    {QStringLiteral("ファイル(&F)"), QStringLiteral("演奏制御(&P)"), QStringLiteral("PlayMode(&M)"),
     QStringLiteral("PanControl(&C)"), QStringLiteral("PitchControl(&P)"),
     QStringLiteral("VolumeControl(&V)"), QStringLiteral("メインウィンドウ(&W)"),
     QStringLiteral("プレイリストエディター(&E)"), QStringLiteral("タグエディター(&T)"),
     QStringLiteral("オプション(&O)"), QStringLiteral("アナライザー(&U)"),
     QStringLiteral("プレイリストを再描画(&R)"), QStringLiteral("プレイリストをリンクする(&L)"),
     QStringLiteral("About(&A)"), QStringLiteral("終了(&E)")},
    {QStringLiteral("一般設定"), QStringLiteral("プレイオプション"), QStringLiteral("エフェクト"),
     QStringLiteral("イコライザー"), QStringLiteral("オーディオ出力"), QStringLiteral("表示設定"),
     QStringLiteral("プレイリスト"), QStringLiteral("アナライザー"), QStringLiteral("関連付け"),
     QStringLiteral("その他"), QString(), QStringLiteral("スキンブラウザー")},
    QStringLiteral("Vantor 設定"),
    {"設定エラー", "オシロスコープの描画幅は1未満に設定できません。"},
    "Line : 1 「bogus」は有効なコマンドではありません",
};

const Language kEnglish{
    "English",
    {QStringLiteral("en_US")},
    {QStringLiteral("&File"), QStringLiteral("&Playback"), QStringLiteral("Play &Mode"),
     QStringLiteral("Balan&ce"), QStringLiteral("P&itch"), QStringLiteral("&Volume"),
     QStringLiteral("Main &Window"), QStringLiteral("Playlist &Editor"),
     QStringLiteral("&Tag Editor"), QStringLiteral("&Options"), QStringLiteral("Anal&yser"),
     QStringLiteral("Re&draw Playlist"), QStringLiteral("Lin&k Playlist"),
     QStringLiteral("A&bout Vantor"), QStringLiteral("E&xit")},
    {QStringLiteral("General"), QStringLiteral("Playback"), QStringLiteral("Effects"),
     QStringLiteral("Equaliser"), QStringLiteral("Audio Output"), QStringLiteral("Appearance"),
     QStringLiteral("Playlist"), QStringLiteral("Analyser"), QStringLiteral("File Types"),
     QStringLiteral("Other"), QString(), QStringLiteral("Skin Browser")},
    QStringLiteral("Vantor Settings"),
    {"Invalid Setting", "The oscilloscope line width must be at least 1."},
    "Line 1: \"bogus\" is not a valid skin command.",
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.name;
}

class LanguageTest : public ::testing::TestWithParam<Language> {
protected:
    PlayerHarness h{GetParam().uiLanguages};
};

TEST_P(LanguageTest, TheMenuTheSettingsWindowAndMessagesSpeakTheDesktopsLanguage) {
    const Language& language = GetParam();
    Player& player = h.Start();
    EXPECT_EQ(h.MenuCaptions(), language.menu);
    // Items are chosen by what they show, so a tick proves the captions of
    // the submenu lead to the command.
    h.ChooseMenuItem("Mnu_Random");
    EXPECT_TRUE(h.MenuTicked("Mnu_Random"));
    EXPECT_EQ(player.settings.PlayRandomMode, 1);

    h.ChooseMenuItem("Mnu_Config");
    auto* window = h.ShownControl<SettingsDialog>(QStringLiteral("settingsDialog"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), language.settingsTitle);
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("categoryTree"));
    std::vector<QString> pages;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        pages.push_back(tree->topLevelItem(i)->text(0));
    EXPECT_EQ(pages, language.settingsPages);
    window->findChild<QLineEdit*>(QStringLiteral("oscilloscopeWidth"))
        ->setText(QStringLiteral("0"));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    ASSERT_EQ(h.Messages().size(), 1u);
    EXPECT_EQ(h.Messages()[0], language.refusedWidth);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);

    // A message composed around a file name and a line number: the name
    // stays, the rest is translated.
    const std::string skin =
        h.Dir().Write("Skin/Default/Bogus.dvk",
                      "Bogus 1 2\r\n" + ReadWholeFile(h.Dir().File("Skin/Default/Default.dvk")));
    h.ForgetMessages();
    h.AnswerFileDialog(skin);
    h.ChooseMenuItem("Mnu_Skin");
    ASSERT_FALSE(h.Messages().empty());
    EXPECT_EQ(h.Messages()[0],
              (SeenMessage{"Vantor SkinCoreModule", "Bogus.dvk\r\n" + language.unknownSkinLine}));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values(kJapanese, kEnglish),
                         [](const auto& language) { return std::string(language.param.name); });

} // namespace
} // namespace vantor::test
