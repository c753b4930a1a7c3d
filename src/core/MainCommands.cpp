#include "core/MainCommands.h"

#include "core/ModeToggles.h"
#include "core/PlaylistLink.h"
#include "core/TrackControl.h"
#include "effects/EffectChain.h"
#include "shell/TrayBehaviour.h"

#include <array>
#include <span>
#include <utility>

namespace vantor {

namespace {

struct NamedCommand {
    std::string_view name;
    MainCommand command;
};

constexpr std::array kMenuCommands{
    NamedCommand{"Mnu_File_New", MainCommand::FileNew},
    NamedCommand{"Mnu_File_Add", MainCommand::FileAdd},
    NamedCommand{"Mnu_OpenFolder", MainCommand::OpenFolder},
    NamedCommand{"Mnu_AddFolder", MainCommand::AddFolder},
    NamedCommand{"Mnu_AutoPlay", MainCommand::AutoPlay},
    NamedCommand{"Mnu_SearchSubDir", MainCommand::SearchSubDir},
    NamedCommand{"Mnu_CD", MainCommand::OpenCd},
    NamedCommand{"Mnu_Loop", MainCommand::Loop},
    NamedCommand{"Mnu_Random", MainCommand::Random},
    NamedCommand{"Mnu_NonStop", MainCommand::NonStop},
    NamedCommand{"Mnu_Balance", MainCommand::Balance},
    NamedCommand{"Mnu_Pitch", MainCommand::Pitch},
    NamedCommand{"Mnu_Volume", MainCommand::Volume},
    NamedCommand{"Mnu_MainWindow", MainCommand::MainWindow},
    NamedCommand{"Mnu_PlayListWindow", MainCommand::PlayListWindow},
    NamedCommand{"Mnu_Config", MainCommand::Config},
    NamedCommand{"Mnu_ChFont", MainCommand::ChangeFont},
    NamedCommand{"Mnu_SkinB", MainCommand::SkinBrowser},
    NamedCommand{"Mnu_Skin", MainCommand::SkinFile},
    NamedCommand{"Mnu_AlwaysTop", MainCommand::AlwaysTop},
    NamedCommand{"Mnu_Analyzer_Patturn", MainCommand::AnalyzerPattern},
    NamedCommand{"Mnu_Oscillo", MainCommand::Oscilloscope},
    NamedCommand{"Mnu_LevAmp", MainCommand::LevelAmplify},
    NamedCommand{"Mnu_LevAmp2", MainCommand::LevelAmplify},
    NamedCommand{"Mnu_RedrawList", MainCommand::RedrawList},
    NamedCommand{"Mnu_ListLink", MainCommand::ListLink},
    NamedCommand{"Mnu_About", MainCommand::About},
    NamedCommand{"Mnu_End", MainCommand::End},
};

// `Mnu_Play` 0 to 4.
constexpr std::array kPlayCommands{MainCommand::Previous, MainCommand::Play, MainCommand::Pause,
                                   MainCommand::Stop, MainCommand::Next};

struct KeyCommand {
    char key;
    MainCommand command;
};

constexpr std::array kCtrlKeys{
    KeyCommand{'A', MainCommand::FileAdd},        KeyCommand{'B', MainCommand::SkinBrowser},
    KeyCommand{'C', MainCommand::Config},         KeyCommand{'D', MainCommand::AddFolder},
    KeyCommand{'E', MainCommand::PlayListWindow}, KeyCommand{'F', MainCommand::OpenFolder},
    KeyCommand{'L', MainCommand::FileNew},        KeyCommand{'O', MainCommand::AlwaysTop},
    KeyCommand{'Q', MainCommand::Quit},           KeyCommand{'W', MainCommand::MainWindow},
};

constexpr std::array kPlainKeys{
    KeyCommand{'Z', MainCommand::Previous}, KeyCommand{'X', MainCommand::Play},
    KeyCommand{'C', MainCommand::Pause},    KeyCommand{'V', MainCommand::Stop},
    KeyCommand{'B', MainCommand::Next},     KeyCommand{'L', MainCommand::Loop},
    KeyCommand{'R', MainCommand::Random},   KeyCommand{'N', MainCommand::NonStop},
    KeyCommand{'S', MainCommand::SkinFile},
};

constexpr std::array kPitchScales{0.5f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f};
constexpr std::array kVolumes{255, 191, 128, 64, 0};

// Add modes of the file and folder commands.
constexpr std::int32_t kReplaceList = 1;
constexpr std::int32_t kAppendFiles = 0;
constexpr std::int32_t kAppendFolder = 2;

// Settings dialog pages.
constexpr std::int32_t kGeneralPage = 1;
constexpr std::int32_t kFontPage = 5;
constexpr std::int32_t kSkinBrowserPage = 11;

// Inverts a switch setting and saves; the menu's tick follows the setting.
bool ToggleSetting(CommandHost& host, std::int32_t& setting) {
    setting = setting != 0 ? 0 : 1;
    host.SaveSettings();
    return setting == 1;
}

void RunPlaybackCommand(CommandContext& ctx, MainCommand command) {
    PlaybackContext& playback = ctx.playback;
    switch (command) {
    case MainCommand::Previous:
        PreviousTrack(playback);
        break;
    case MainCommand::Play:
        PlayCommand(playback);
        break;
    case MainCommand::Pause:
        TogglePause(playback);
        break;
    case MainCommand::Stop:
        StopTrack(playback);
        break;
    case MainCommand::Next:
        NextTrack(playback);
        break;
    case MainCommand::Loop:
        ToggleLoop(playback, ctx.host);
        break;
    case MainCommand::Random:
        ToggleRandom(playback, ctx.host);
        break;
    default:
        ToggleNonStop(playback, ctx.host);
        break;
    }
}

bool IsPlaybackCommand(MainCommand command) {
    return command >= MainCommand::Previous && command <= MainCommand::NonStop;
}

void RunSoundCommand(CommandContext& ctx, const CommandRequest& request) {
    Settings& settings = ctx.playback.settings;
    switch (request.command) {
    case MainCommand::Balance:
        SelectBalance(settings, ctx.host, request.index);
        break;
    case MainCommand::Pitch:
        settings.SoundStretchScale = PitchMenuScale(request.index);
        ctx.host.RedrawPitchBar();
        ctx.host.SaveSettings();
        break;
    default:
        settings.MasterVolume = VolumeMenuValue(request.index);
        ctx.host.RedrawVolumeBar();
        break;
    }
}

void RunWindowCommand(CommandContext& ctx, MainCommand command) {
    Settings& settings = ctx.playback.settings;
    switch (command) {
    case MainCommand::MainWindow:
        ctx.windows.SetMainWindowMinimised(!ToggleSetting(ctx.host, settings.MainWindowVisible));
        break;
    case MainCommand::PlayListWindow:
        ctx.windows.ShowWindow(PlayerWindow::Playlist,
                               ToggleSetting(ctx.host, settings.PlayListVisible));
        break;
    case MainCommand::AlwaysTop:
        ToggleAlwaysOnTop(settings, ctx.windows);
        ctx.host.SaveSettings();
        break;
    default:
        LinkPlaylistWindow(settings, ctx.windows, ctx.host);
        break;
    }
}

void RunAnalyzerCommand(CommandContext& ctx, const CommandRequest& request) {
    switch (request.command) {
    case MainCommand::AnalyzerPattern:
        ctx.host.SelectAnalyzerStyle(request.index);
        break;
    case MainCommand::Oscilloscope:
        ctx.host.SelectOscilloscope();
        break;
    default:
        ToggleSetting(ctx.host, ctx.playback.settings.SpectrumAmplify);
        return;
    }
    ctx.host.SaveSettings();
}

} // namespace

float PitchMenuScale(std::int32_t index) {
    return kPitchScales.at(static_cast<std::size_t>(index));
}

std::int32_t VolumeMenuValue(std::int32_t index) {
    return kVolumes.at(static_cast<std::size_t>(index));
}

std::optional<CommandRequest> CommandForMenuItem(std::string_view name, std::int32_t index) {
    if (name == "Mnu_Play") {
        if (index < 0 || index >= static_cast<std::int32_t>(kPlayCommands.size()))
            return std::nullopt;
        return CommandRequest{kPlayCommands[static_cast<std::size_t>(index)], 0};
    }
    for (const NamedCommand& entry : kMenuCommands) {
        if (entry.name == name)
            return CommandRequest{entry.command, index < 0 ? 0 : index};
    }
    return std::nullopt;
}

std::optional<CommandRequest> CommandForKey(char key, bool ctrl) {
    for (const KeyCommand& entry :
         ctrl ? std::span<const KeyCommand>(kCtrlKeys) : std::span<const KeyCommand>(kPlainKeys)) {
        if (entry.key == key)
            return CommandRequest{entry.command, 0};
    }
    return std::nullopt;
}

void RunMainCommand(CommandContext& ctx, const CommandRequest& request) {
    const MainCommand command = request.command;
    Settings& settings = ctx.playback.settings;
    if (IsPlaybackCommand(command)) {
        RunPlaybackCommand(ctx, command);
        return;
    }
    switch (command) {
    case MainCommand::FileNew:
        return ctx.host.AddFilesFromDialog(kReplaceList);
    case MainCommand::FileAdd:
        return ctx.host.AddFilesFromDialog(kAppendFiles);
    case MainCommand::OpenFolder:
        return ctx.host.AddFolderFromPicker(kReplaceList);
    case MainCommand::AddFolder:
        return ctx.host.AddFolderFromPicker(kAppendFolder);
    case MainCommand::AutoPlay:
        ToggleSetting(ctx.host, settings.AutoPlay);
        return;
    case MainCommand::SearchSubDir:
        ToggleSetting(ctx.host, settings.SearchSubFolder);
        return;
    case MainCommand::OpenCd:
        return ctx.host.ShowCdWindow();
    case MainCommand::Balance:
    case MainCommand::Pitch:
    case MainCommand::Volume:
        return RunSoundCommand(ctx, request);
    case MainCommand::MainWindow:
    case MainCommand::PlayListWindow:
    case MainCommand::AlwaysTop:
    case MainCommand::ListLink:
        return RunWindowCommand(ctx, command);
    case MainCommand::AnalyzerPattern:
    case MainCommand::Oscilloscope:
    case MainCommand::LevelAmplify:
        return RunAnalyzerCommand(ctx, request);
    case MainCommand::Config:
        return ctx.host.ShowSettingsDialog(kGeneralPage);
    case MainCommand::ChangeFont:
        return ctx.host.ShowSettingsDialog(kFontPage);
    case MainCommand::SkinBrowser:
        return ctx.host.ShowSettingsDialog(kSkinBrowserPage);
    case MainCommand::SkinFile:
        return ctx.host.ShowSkinFileDialog();
    case MainCommand::RedrawList:
        return ctx.host.RestartTagReader();
    case MainCommand::About:
        return ctx.host.ShowAbout();
    case MainCommand::End:
        return ctx.host.ExitPlayer(0);
    case MainCommand::Quit:
        return ctx.host.UnloadMainWindow();
    default:
        return;
    }
}

} // namespace vantor
