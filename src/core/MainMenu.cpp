#include "core/MainMenu.h"

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
    return Submenu("Mnu_File_Root", "ファイル(&F)",
                   {Item("Mnu_File_New", "新たに開く(&N)"),
                    Item("Mnu_File_Add", "リストに追加する(&A)"),
                    Item("Mnu_OpenFolder", "フォルダを開く(&R)"),
                    Item("Mnu_AddFolder", "フォルダを追加する(&P)"), Separator(),
                    Item("Mnu_AutoPlay", "開いたファイルを自動再生(&D)", Kind::Check),
                    Item("Mnu_SearchSubDir", "サブフォルダも検索(&S)", Kind::Check),
                    Item("Mnu_CD", "Audio CDを開く(&C)")});
}

MenuItem PlayMenu() {
    return Submenu(
        "Mnu_Play_Root", "演奏制御(&P)",
        {Indexed("Mnu_Play", 0, "前の曲へ(&R)", 'Z'), Indexed("Mnu_Play", 1, "再生(&P)", 'X'),
         Indexed("Mnu_Play", 2, "一時停止(&A)", 'C'), Indexed("Mnu_Play", 3, "停止(&S)", 'V'),
         Indexed("Mnu_Play", 4, "次の曲へ(&N)", 'B')});
}

MenuItem PlayModeMenu() {
    return Submenu("Mnu_PlayMode", "PlayMode(&M)",
                   {Item("Mnu_Loop", "Loop(&L)", Kind::Check, 'L'),
                    Item("Mnu_Random", "Random(&R)", Kind::Check, 'R'), Separator(),
                    Item("Mnu_NonStop", "Non-Stop MegaMix Mode(&N)", Kind::Check, 'N')});
}

MenuItem IndexedMenu(std::string_view root, std::string_view rootCaption, std::string_view name,
                     std::vector<std::string_view> captions) {
    std::vector<MenuItem> items;
    for (std::size_t i = 0; i < captions.size(); ++i)
        items.push_back(Indexed(name, static_cast<std::int32_t>(i), captions[i]));
    return Submenu(root, rootCaption, std::move(items));
}

MenuItem OptionMenu() {
    return Submenu("Mnu_Option_Root", "オプション(&O)",
                   {Item("Mnu_Config", "設定(&C)"), Item("Mnu_Skin", "Skinを変更する(&S)"),
                    Item("Mnu_SkinB", "スキンブラウザー(&B)"), Separator(),
                    Item("Mnu_AlwaysTop", "常に手前に表示(&A)", Kind::Check)});
}

MenuItem AnalyzerMenu() {
    static constexpr std::string_view kPatternCaptions[] = {"1", "2", "3",  "4",  "5",  "6", "7",
                                                            "8", "9", "10", "11", "12", "13"};
    std::vector<MenuItem> patterns;
    for (std::int32_t i = 0; i < 13; ++i)
        patterns.push_back(Indexed("Mnu_Analyzer_Patturn", i, kPatternCaptions[i], 0, Kind::Radio));
    return Submenu("Mnu_Analyzer_Root", "アナライザー(&U)",
                   {Submenu("Mnu_FFT", "FFTアナライザー", std::move(patterns)),
                    Item("Mnu_Oscillo", "オシロスコープ", Kind::Check), Separator(),
                    Item("Mnu_LevAmp2", "レベル増幅を有効にする", Kind::Check)});
}

MenuItem BuildMainPopup() {
    return Submenu("Mnu_pop", "",
                   {FileMenu(), Separator(), PlayMenu(), PlayModeMenu(),
                    IndexedMenu("Mnu_Balance_Root", "PanControl(&C)", "Mnu_Balance",
                                {"左(&L)", "中央(&C)", "右(&R)"}),
                    IndexedMenu("Mnu_Pitch_Root", "PitchControl(&P)", "Mnu_Pitch",
                                {"×0.5", "×1.0", "×1.25", "×1.5", "×1.75", "×2.0"}),
                    IndexedMenu("Mnu_Volume_Root", "VolumeControl(&V)", "Mnu_Volume",
                                {"100%", "75%", "50%", "25%", "0%"}),
                    Separator(), Item("Mnu_MainWindow", "メインウィンドウ(&W)", Kind::Check),
                    Item("Mnu_PlayListWindow", "プレイリストエディター(&E)", Kind::Check),
                    Item("Mnu_TagWindow", "タグエディター(&T)", Kind::Check), Separator(),
                    OptionMenu(), AnalyzerMenu(),
                    Item("Mnu_RedrawList", "プレイリストを再描画(&R)"),
                    Item("Mnu_ListLink", "プレイリストをリンクする(&L)"), Separator(),
                    Item("Mnu_About", "About(&A)"), Item("Mnu_End", "終了(&E)")});
}

} // namespace

const MenuItem& MainPopupMenu() {
    static const MenuItem menu = BuildMainPopup();
    return menu;
}

const MenuItem& AnalyzerPopupMenu() {
    static const MenuItem menu =
        Submenu("Mnu_Pop2", "", {Item("Mnu_LevAmp", "レベル増幅を有効にする", Kind::Check)});
    return menu;
}

const MenuItem& SongInfoPopupMenu() {
    static const MenuItem menu =
        Submenu("Mnu_Pop3", "", {Item("Mnu_ChFont", "フォントを変更する(&F)")});
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
