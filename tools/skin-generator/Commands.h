// The commands a skin places as buttons, with their pictogram and tooltip,
// so that both skins and both windows name them the same way.
// Tooltips use "[\n]" for a line break, as skin files do.
#pragma once

#include "Icons.h"

#include <QString>

namespace skingen {

struct Command {
    const char* name; // the keyword without "PlayList" and "Button"
    Icon icon;
    const char* toolTip;
};

namespace commands {
inline constexpr Command kClose{"Close", Icon::Close, "終了[\\n]Quit Vantor"};
inline constexpr Command kMinimize{"Minimize", Icon::Minimize, "最小化[\\n]Minimise"};
inline constexpr Command kStop{"Stop", Icon::Stop, "停止[\\n]Stop"};
inline constexpr Command kPause{"Pause", Icon::Pause, "一時停止[\\n]Pause"};
inline constexpr Command kNext{"NextSong", Icon::Next, "次の曲[\\n]Next track"};
inline constexpr Command kPrevious{"PreviousSong", Icon::Previous, "前の曲[\\n]Previous track"};
inline constexpr Command kPlay{"Play", Icon::Play, "再生[\\n]Play"};
inline constexpr Command kOpen{"Open", Icon::Open, "ファイルを開く[\\n]Open files"};
inline constexpr Command kPlayList{"PlayList", Icon::PlayList,
                                   "プレイリスト[\\n]Show or hide the playlist"};
inline constexpr Command kAbout{"About", Icon::About, "バージョン情報[\\n]About Vantor"};
inline constexpr Command kConfig{"Config", Icon::Config, "設定[\\n]Settings"};
inline constexpr Command kLoop{"Loop", Icon::Loop, "ループ再生[\\n]Repeat the playlist"};
inline constexpr Command kRandom{"Random", Icon::Random, "ランダム再生[\\n]Shuffle"};
inline constexpr Command kMix{"Non-StopMegaMix", Icon::Mix,
                              "ノンストップミックス[\\n]Overlap consecutive tracks"};
inline constexpr Command kChangeSkin{"ChangeSkin", Icon::ChangeSkin,
                                     "スキン切り替え[\\n]Switch skin"};
inline constexpr Command kListClose{"Close", Icon::Close, "閉じる[\\n]Hide the playlist"};
inline constexpr Command kAdd{"AddTrack", Icon::Add, "曲を追加[\\n]Add tracks"};
inline constexpr Command kDelete{"DeleteTrack", Icon::Delete,
                                 "選択した曲を削除[\\n]Remove the selected track"};
inline constexpr Command kClear{"Clear", Icon::Clear,
                                "プレイリストを空にする[\\n]Clear the playlist"};
inline constexpr Command kLoad{"Load", Icon::Load, "プレイリストを開く[\\n]Load a playlist"};
inline constexpr Command kSave{"Save", Icon::Save, "プレイリストを保存[\\n]Save the playlist"};
inline constexpr Command kUp{"Up", Icon::Up, "選択を上へ[\\n]Select the entry above"};
inline constexpr Command kDown{"Down", Icon::Down, "選択を下へ[\\n]Select the entry below"};
inline constexpr Command kMoveUp{"MoveUp", Icon::MoveUp, "曲を上へ移動[\\n]Move the track up"};
inline constexpr Command kMoveDown{"MoveDown", Icon::MoveDown,
                                   "曲を下へ移動[\\n]Move the track down"};
inline constexpr Command kLink{"Link", Icon::Link,
                               "メインウィンドウに連結[\\n]Follow the main window"};
} // namespace commands

inline QString MainKeyword(const Command& command) {
    return QString::fromLatin1(command.name) + QStringLiteral("Button");
}

inline QString PlayListKeyword(const Command& command) {
    return QStringLiteral("PlayList") + QString::fromLatin1(command.name) +
           QStringLiteral("Button");
}

inline QString ToolTip(const Command& command) {
    return QString::fromUtf8(command.toolTip);
}

} // namespace skingen
