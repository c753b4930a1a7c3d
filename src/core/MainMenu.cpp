#include "core/MainMenu.h"

#include "base/ShownText.h"

namespace vantor {

namespace {

using Kind = MenuItemKind;

MenuItem Item(std::string_view name, std::string_view caption, Kind kind = Kind::Command,
              char shortcut = 0) {
    return MenuItem{name, -1, caption, shortcut, kind, {}};
}

MenuItem Indexed(std::string_view name, std::int32_t index, std::string_view caption,
                 char shortcut = 0, Kind kind = Kind::Command) {
    return MenuItem{name, index, caption, shortcut, kind, {}};
}

MenuItem Separator() {
    return MenuItem{"", -1, "", 0, Kind::Separator, {}};
}

MenuItem Submenu(std::string_view name, std::string_view caption, std::vector<MenuItem> items) {
    return MenuItem{name, -1, caption, 0, Kind::Submenu, std::move(items)};
}

MenuItem FileMenu() {
    return Submenu("Mnu_File_Root", VANTOR_TEXT("ファイル(&F)"),
                   {Item("Mnu_File_New", VANTOR_TEXT("新たに開く(&N)")),
                    Item("Mnu_File_Add", VANTOR_TEXT("リストに追加する(&A)")),
                    Item("Mnu_OpenFolder", VANTOR_TEXT("フォルダを開く(&R)")),
                    Item("Mnu_AddFolder", VANTOR_TEXT("フォルダを追加する(&P)")), Separator(),
                    Item("Mnu_AutoPlay", VANTOR_TEXT("開いたファイルを自動再生(&D)"), Kind::Check),
                    Item("Mnu_SearchSubDir", VANTOR_TEXT("サブフォルダも検索(&S)"), Kind::Check),
                    Item("Mnu_CD", VANTOR_TEXT("Audio CDを開く(&C)"))});
}

MenuItem PlayMenu() {
    return Submenu("Mnu_Play_Root", VANTOR_TEXT("演奏制御(&P)"),
                   {Indexed("Mnu_Play", 0, VANTOR_TEXT("前の曲へ(&R)"), 'Z'),
                    Indexed("Mnu_Play", 1, VANTOR_TEXT("再生(&P)"), 'X'),
                    Indexed("Mnu_Play", 2, VANTOR_TEXT("一時停止(&A)"), 'C'),
                    Indexed("Mnu_Play", 3, VANTOR_TEXT("停止(&S)"), 'V'),
                    Indexed("Mnu_Play", 4, VANTOR_TEXT("次の曲へ(&N)"), 'B')});
}

MenuItem PlayModeMenu() {
    return Submenu(
        "Mnu_PlayMode", VANTOR_TEXT("PlayMode(&M)"),
        {Item("Mnu_Loop", VANTOR_TEXT("Loop(&L)"), Kind::Check, 'L'),
         Item("Mnu_Random", VANTOR_TEXT("Random(&R)"), Kind::Check, 'R'), Separator(),
         Item("Mnu_NonStop", VANTOR_TEXT("Non-Stop MegaMix Mode(&N)"), Kind::Check, 'N')});
}

MenuItem IndexedMenu(std::string_view root, std::string_view rootCaption, std::string_view name,
                     std::vector<std::string_view> captions) {
    std::vector<MenuItem> items;
    for (std::size_t i = 0; i < captions.size(); ++i)
        items.push_back(Indexed(name, static_cast<std::int32_t>(i), captions[i]));
    return Submenu(root, rootCaption, std::move(items));
}

MenuItem OptionMenu() {
    return Submenu("Mnu_Option_Root", VANTOR_TEXT("オプション(&O)"),
                   {Item("Mnu_Config", VANTOR_TEXT("設定(&C)")),
                    Item("Mnu_Skin", VANTOR_TEXT("Skinを変更する(&S)")),
                    Item("Mnu_SkinB", VANTOR_TEXT("スキンブラウザー(&B)")), Separator(),
                    Item("Mnu_AlwaysTop", VANTOR_TEXT("常に手前に表示(&A)"), Kind::Check)});
}

MenuItem AnalyzerMenu() {
    static constexpr std::string_view kPatternCaptions[] = {"1", "2", "3",  "4",  "5",  "6", "7",
                                                            "8", "9", "10", "11", "12", "13"};
    std::vector<MenuItem> patterns;
    for (std::int32_t i = 0; i < 13; ++i)
        patterns.push_back(Indexed("Mnu_Analyzer_Patturn", i, kPatternCaptions[i], 0, Kind::Radio));
    return Submenu("Mnu_Analyzer_Root", VANTOR_TEXT("アナライザー(&U)"),
                   {Submenu("Mnu_FFT", VANTOR_TEXT("FFTアナライザー"), std::move(patterns)),
                    Item("Mnu_Oscillo", VANTOR_TEXT("オシロスコープ"), Kind::Check), Separator(),
                    Item("Mnu_LevAmp2", VANTOR_TEXT("レベル増幅を有効にする"), Kind::Check)});
}

MenuItem BuildMainPopup() {
    return Submenu(
        "Mnu_pop", "",
        {FileMenu(), Separator(), PlayMenu(), PlayModeMenu(),
         IndexedMenu("Mnu_Balance_Root", VANTOR_TEXT("PanControl(&C)"), "Mnu_Balance",
                     {VANTOR_TEXT("左(&L)"), VANTOR_TEXT("中央(&C)"), VANTOR_TEXT("右(&R)")}),
         IndexedMenu("Mnu_Pitch_Root", VANTOR_TEXT("PitchControl(&P)"), "Mnu_Pitch",
                     {"×0.5", "×1.0", "×1.25", "×1.5", "×1.75", "×2.0"}),
         IndexedMenu("Mnu_Volume_Root", VANTOR_TEXT("VolumeControl(&V)"), "Mnu_Volume",
                     {"100%", "75%", "50%", "25%", "0%"}),
         Separator(), Item("Mnu_MainWindow", VANTOR_TEXT("メインウィンドウ(&W)"), Kind::Check),
         Item("Mnu_PlayListWindow", VANTOR_TEXT("プレイリストエディター(&E)"), Kind::Check),
         Item("Mnu_TagWindow", VANTOR_TEXT("タグエディター(&T)"), Kind::Check), Separator(),
         OptionMenu(), AnalyzerMenu(),
         Item("Mnu_RedrawList", VANTOR_TEXT("プレイリストを再描画(&R)")),
         Item("Mnu_ListLink", VANTOR_TEXT("プレイリストをリンクする(&L)")), Separator(),
         Item("Mnu_About", VANTOR_TEXT("About(&A)")), Item("Mnu_End", VANTOR_TEXT("終了(&E)"))});
}

} // namespace

const MenuItem& MainPopupMenu() {
    static const MenuItem menu = BuildMainPopup();
    return menu;
}

const MenuItem& AnalyzerPopupMenu() {
    static const MenuItem menu = Submenu(
        "Mnu_Pop2", "", {Item("Mnu_LevAmp", VANTOR_TEXT("レベル増幅を有効にする"), Kind::Check)});
    return menu;
}

const MenuItem& SongInfoPopupMenu() {
    static const MenuItem menu =
        Submenu("Mnu_Pop3", "", {Item("Mnu_ChFont", VANTOR_TEXT("フォントを変更する(&F)"))});
    return menu;
}

const MenuItem* FindMenuItem(const MenuItem& menu, std::string_view name, std::int32_t index) {
    if (menu.name == name && menu.index == index)
        return &menu;
    for (const MenuItem& child : menu.children) {
        if (const MenuItem* found = FindMenuItem(child, name, index))
            return found;
    }
    return nullptr;
}

} // namespace vantor
