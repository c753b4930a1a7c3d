// The settings window's category tree and its thirteen pages: which node
// shows which page. Data and one rule; no state.
#pragma once

#include "base/ShownText.h"

#include <array>
#include <string_view>

namespace vantor {

enum SettingsPage : int {
    kPageGeneral = 0,
    kPagePlayOptions = 1,
    kPageEffects = 2,
    kPageEqualizer = 3,
    kPageAudioOutput = 4,
    kPageMainDisplay = 5,
    kPagePlaylistDisplay = 6,
    kPagePlaylist = 7,
    kPageAnalyzer = 8,
    kPageAssociations = 9,
    kPageOther = 10,
    kPageSkinBrowser = 11,
    kPageSkinFolder = 12,
    kPageCount = 13,
};

// A node that shows no page of its own.
inline constexpr int kNoPage = -1;

struct CategoryNode {
    std::string_view text;
    std::string_view key;
    std::string_view parentKey; // empty at the top level
    int page;
};

// In the order the tree shows them.
inline constexpr std::array<CategoryNode, 15> kCategoryNodes{{
    {VANTOR_TEXT("一般設定"), "100_", "", kPageGeneral},
    {VANTOR_TEXT("プレイオプション"), "109_", "", kPagePlayOptions},
    {VANTOR_TEXT("エフェクト"), "101_", "", kPageEffects},
    {VANTOR_TEXT("イコライザー"), "108_", "", kPageEqualizer},
    {VANTOR_TEXT("オーディオ出力"), "102_", "", kPageAudioOutput},
    {VANTOR_TEXT("表示設定"), "103_", "", kNoPage},
    {VANTOR_TEXT("本体"), "203_", "103_", kPageMainDisplay},
    {VANTOR_TEXT("プレイリスト"), "204_", "103_", kPagePlaylistDisplay},
    {VANTOR_TEXT("プレイリスト"), "104_", "", kPagePlaylist},
    {VANTOR_TEXT("アナライザー"), "105_", "", kPageAnalyzer},
    {VANTOR_TEXT("関連付け"), "106_", "", kPageAssociations},
    {VANTOR_TEXT("その他"), "107_", "", kPageOther},
    {"", "300_", "", kNoPage},
    {VANTOR_TEXT("スキンブラウザー"), "400_", "", kPageSkinBrowser},
    {VANTOR_TEXT("設定"), "401_", "400_", kPageSkinFolder},
}};

// The page shown after the node `key` was selected while `currentPage` was
// shown: the node's own page, or the current one for a node without a page
// and for a key the tree does not hold.
int PageAfterSelecting(std::string_view key, int currentPage);

// The key of the node that shows `page`, empty when no node does.
std::string_view NodeKeyOfPage(int page);

} // namespace vantor
