// The settings window's category tree and its thirteen pages: which node
// shows which page. Data and one rule; no state.
#pragma once

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
    {"一般設定", "100_", "", kPageGeneral},
    {"プレイオプション", "109_", "", kPagePlayOptions},
    {"エフェクト", "101_", "", kPageEffects},
    {"イコライザー", "108_", "", kPageEqualizer},
    {"オーディオ出力", "102_", "", kPageAudioOutput},
    {"表示設定", "103_", "", kNoPage},
    {"本体", "203_", "103_", kPageMainDisplay},
    {"プレイリスト", "204_", "103_", kPagePlaylistDisplay},
    {"プレイリスト", "104_", "", kPagePlaylist},
    {"アナライザー", "105_", "", kPageAnalyzer},
    {"関連付け", "106_", "", kPageAssociations},
    {"その他", "107_", "", kPageOther},
    {"", "300_", "", kNoPage},
    {"スキンブラウザー", "400_", "", kPageSkinBrowser},
    {"設定", "401_", "400_", kPageSkinFolder},
}};

// The page shown after the node `key` was selected while `currentPage` was
// shown: the node's own page, or the current one for a node without a page
// and for a key the tree does not hold.
int PageAfterSelecting(std::string_view key, int currentPage);

// The key of the node that shows `page`, empty when no node does.
std::string_view NodeKeyOfPage(int page);

} // namespace vantor
