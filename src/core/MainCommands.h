// The main window's commands: which command a menu item or a key stands
// for, and what each command does. The menus, the keys of both windows and
// the skin buttons all end here. UI thread only.
#pragma once

#include "core/CommandHost.h"
#include "core/PlaybackContext.h"
#include "platform/ShellWindows.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

enum class MainCommand {
    FileNew,
    FileAdd,
    OpenFolder,
    AddFolder,
    AutoPlay,
    SearchSubDir,
    OpenCd,
    Previous,
    Play,
    Pause,
    Stop,
    Next,
    Loop,
    Random,
    NonStop,
    Balance,
    Pitch,
    Volume,
    MainWindow,
    PlayListWindow,
    Config,
    ChangeFont,
    SkinBrowser,
    SkinFile,
    AlwaysTop,
    AnalyzerPattern,
    Oscilloscope,
    LevelAmplify,
    RedrawList,
    ListLink,
    About,
    End,
    Quit,
};

struct CommandRequest {
    MainCommand command;
    // The item's index inside its group (balance, pitch, volume, pattern).
    std::int32_t index = 0;
    bool operator==(const CommandRequest&) const = default;
};

// The command of a menu item; none for items without an action.
std::optional<CommandRequest> CommandForMenuItem(std::string_view name, std::int32_t index = -1);
// The command of a key released in the main or playlist window; none for
// keys without one. `key` is the upper-case letter.
std::optional<CommandRequest> CommandForKey(char key, bool ctrl);

struct CommandContext {
    PlaybackContext& playback;
    CommandHost& host;
    ShellWindows& windows;
};

void RunMainCommand(CommandContext& ctx, const CommandRequest& request);

// The values the pitch and volume menus set, by item index.
float PitchMenuScale(std::int32_t index);
std::int32_t VolumeMenuValue(std::int32_t index);

} // namespace vantor
