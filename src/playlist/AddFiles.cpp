#include "playlist/AddFiles.h"

#include "base/Paths.h"
#include "base/ShownText.h"
#include "base/StringUtil.h"
#include "playlist/FolderScan.h"
#include "playlist/NonStopContinuation.h"
#include "playlist/PlayableExtensions.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistScroll.h"
#include "playlist/TagReader.h"

namespace vantor {

// The names are marked for translation inside the list the dialog takes.
// clang-format off
const std::string_view kSongFileFilter =
    VANTOR_TEXT("All song types") " "
    "(*.MOD;*.S3M;*.XM;*.IT;*.MID;*.RMI;*.SGT;*.WAV;*.MP2;*.MP3;*.OGG;*.WMA;*.ASF;*.AIF;*.AIFF;*."
    "ZIP;*.DVL;*.M3U;*.FLAC;*.OPUS;*.M4A;*.MP4;*.AAC;*.WV;*.OGA;*.M3U8;*.PLS;*.XSPF)|*.MOD;*.S3M;"
    "*.XM;*.IT;*.MID;*.RMI;*.SGT;*.WAV;*.MP2;*.MP3;*.OGG;*.WMA;*.ASF;*.AIF;*.AIFF;*.ZIP;*.DVL;*."
    "M3U;*.FLAC;*.OPUS;*.M4A;*.MP4;*.AAC;*.WV;*.OGA;*.M3U8;*.PLS;*.XSPF|"
    "WAVE (*.WAV)|*.WAV|"
    "MP2/MP3 (*.MP3 *.MP2)|*.MP2;*.MP3|"
    "Ogg Vorbis (*.OGG)|*.OGG|"
    "Windows Media Format (*.WMA *.ASF)|*.WMA;*.ASF|"
    "MIDI/DirectMusic Files (*.MID,*.RMI,*.SGT)|*.MID;*.RMI;*.SGT|"
    "Impulse Tracker (*.IT)|*.IT|"
    "FastTracker2 (*.XM)|*.XM|"
    "ScreamTracker 3 (*.S3M)|*.S3M|"
    "Protracker/FastTracker (*.MOD)|*.MOD|"
    "Audio Interchange File Format (*.AIF;*.AIFF)|*.AIF;*.AIFF|"
    VANTOR_TEXT("ZipArchiveFile") " (*.ZIP)|*.ZIP|"
    "FLAC/Opus/AAC/ALAC/WavPack (*.FLAC;*.OPUS;*.M4A;*.MP4;*.AAC;*.WV;*.OGA)|"
    "*.FLAC;*.OPUS;*.M4A;*.MP4;*.AAC;*.WV;*.OGA|"
    VANTOR_TEXT("PlayListFile") " (*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF)|*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF|"
    VANTOR_TEXT("All Files") " (*.*)|*.*|";
// clang-format on

namespace {

// What an add remembers between preparing the list and showing the result.
struct AddRun {
    bool open = false;
    bool wasEmpty = false;
    bool continuation = false;
    RandomForm randomForm = RandomForm::Used;
    std::int32_t firstNew = 0;
};

// Open mode: the list becomes the spare element alone (the caller has
// released playback).
void BeginOpen(PlaylistContext& context, AddRun& run) {
    run.open = true;
    run.wasEmpty = true;
    context.state.ResetToSpare();
}

// Add mode: a spare element after the entries, or a fresh list when empty.
void BeginAppend(PlaylistContext& context, AddRun& run) {
    auto& state = context.state;
    if (state.HasEntries == 1) {
        run.continuation = ContinuationHolds(context, state.LastIndex(), run.randomForm);
        run.firstNew = static_cast<std::int32_t>(state.Playlist.size());
        state.GrowSpare();
    } else {
        state.ResetToSpare();
        SetCurrentIndex(context.playback, 0);
        run.wasEmpty = true;
    }
}

// Ends an add that found nothing; false in that case. Otherwise drops the
// spare element.
bool KeepAdded(PlaylistContext& context) {
    if (context.state.HasEntries != 1) {
        context.view.RedrawPlaylist();
        context.view.ClearSongInfoText();
        return false;
    }
    context.state.TrimSpare();
    return true;
}

void ShowAdded(PlaylistContext& context, const AddRun& run) {
    auto& state = context.state;
    auto& view = context.view;
    auto& playback = context.playback;
    RecomputeVisibleRows(state, view.Layout());
    view.ShowTrackCount(state.EntryCount());
    if (run.open) {
        view.ShowCurrentTrack(1);
        state.TopIndex = 0;
        state.SelectedIndex = 0;
        SetCurrentIndex(playback, 0);
        StartTagReader(context, 0);
        view.RedrawPlaylist();
        playback.OpenTrack(0);
        if (context.settings.AutoPlay != 0)
            playback.PlayTrack();
        else
            view.DrawSongInfo();
        return;
    }
    UpdateScrollThumb(state, view);
    StartTagReader(context, run.firstNew);
    view.RedrawPlaylist();
    if (run.continuation)
        PrepareNextEntry(context, run.randomForm);
    if (run.wasEmpty) {
        playback.OpenTrack(0);
        view.DrawSongInfo();
    }
}

void AddOneFile(PlaylistContext& context, const std::string& file, AddSource source) {
    const int index = MatchPlayableExtension(file);
    if (IsPlaylistExtension(index))
        LoadPlaylistFile(file, context.state);
    else if (index != kNoExtensionMatch)
        ProbeAndAppend(file, context.state, context.messages);
    else if (source != AddSource::Dialog && DirectoryExists(file))
        ScanFolder(file, context.settings.SearchSubFolder != 0, context.state, context.messages);
}

std::vector<std::string> ChosenFiles(PlaylistContext& context, bool open) {
    const auto title = open ? kOpenFilesTitle : kAddFilesTitle;
    return context.dialogs.OpenFiles(std::string(title), std::string(kSongFileFilter),
                                     context.settings.RecentSongFileFolder, true);
}

// The folder holding `path`, with its trailing separator; a folder named
// with a trailing separator counts as the path itself.
std::string ParentFolder(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return FolderOf(path);
}

bool IsRootFolder(const std::string& folder) {
    return folder.find_first_not_of('/') == std::string::npos;
}

} // namespace

bool NamesSomethingToAdd(const std::string& path) {
    if (DirectoryExists(path))
        return true;
    return FileExists(path) && MatchPlayableExtension(path) != kNoExtensionMatch;
}

void AddFiles(PlaylistContext& context, std::int32_t mode, AddSource source,
              const std::vector<std::string>& files) {
    const bool open = mode == kOpenMode;
    const auto names = source == AddSource::Dialog ? ChosenFiles(context, open) : files;
    if (names.empty())
        return;
    if (source == AddSource::Drop && EndsWithIgnoreCase(names.front(), ".dvk")) {
        context.view.ApplySkinFile(names.front());
        return;
    }
    AddRun run;
    if (open) {
        context.playback.StopTrack();
        context.playback.CloseTrack();
        BeginOpen(context, run);
    } else {
        BeginAppend(context, run);
    }
    for (const auto& name : names)
        AddOneFile(context, name, source);
    if (!KeepAdded(context))
        return;
    context.settings.RecentSongFileFolder = ParentFolder(names.front());
    ShowAdded(context, run);
}

void AddFolder(PlaylistContext& context, const std::string& folder, bool recurse,
               std::int32_t mode) {
    const auto path = EnsureTrailingSlash(folder);
    if (IsRootFolder(path) || !DirectoryExists(path)) {
        context.messages.Show(VANTOR_TEXT("Error : SubFindFile"),
                              VANTOR_TEXT("エラーメッセージを報告してください"),
                              MessageIcon::Critical);
        return;
    }
    AddRun run;
    run.randomForm = RandomForm::NotUsed;
    if (mode == kOpenMode) {
        context.playback.CloseTrack();
        BeginOpen(context, run);
        SetCurrentIndex(context.playback, 0);
    } else {
        BeginAppend(context, run);
    }
    ScanFolder(path, recurse, context.state, context.messages,
               recurse ? FolderFiles::All : FolderFiles::NormalOnly);
    if (!KeepAdded(context))
        return;
    context.settings.RecentSongFileFolder = FolderOf(context.state.Playlist.back().Path);
    ShowAdded(context, run);
}

} // namespace vantor
