#include "playlist/AddFiles.h"

#include "PlaylistFixture.h"

namespace vantor::test {
namespace {

class AddFilesTest : public PlaylistFixture {
protected:
    void SetUp() override {
        settings.RecentSongFileFolder = "/start/";
        settings.GetTagInterval = 30;
    }
};

TEST_F(AddFilesTest, DialogUsesTheTitlesFilterAndStartFolder) {
    AddFiles(context, kOpenMode, AddSource::Dialog);
    AddFiles(context, kAddMode, AddSource::Dialog);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0].kind, "open-multiple");
    EXPECT_EQ(dialogs.asked[0].title, "ファイルを開く");
    EXPECT_EQ(dialogs.asked[1].title, "ファイルをリストに追加");
    EXPECT_EQ(dialogs.asked[0].initialFolder, "/start/");
    const auto& filter = dialogs.asked[0].filter;
    EXPECT_TRUE(
        filter.starts_with("All song types (*.MOD;*.S3M;*.XM;*.IT;*.MID;*.RMI;*.SGT;*.WAV;"
                           "*.MP2;*.MP3;*.OGG;*.WMA;*.ASF;*.AIF;*.AIFF;*.ZIP;*.DVL;*.M3U;"
                           "*.FLAC;*.OPUS;*.M4A;*.MP4;*.AAC;*.WV;*.OGA;*.M3U8;*.PLS;*.XSPF)|"));
    const std::vector<std::string> order{
        "|WAVE (*.WAV)|*.WAV|",
        "|MP2/MP3 (*.MP3 *.MP2)|*.MP2;*.MP3|",
        "|Ogg Vorbis (*.OGG)|",
        "|Windows Media Format (*.WMA *.ASF)|*.WMA;*.ASF|",
        "|MIDI/DirectMusic Files (*.MID,*.RMI,*.SGT)|",
        "|Impulse Tracker (*.IT)|",
        "|FastTracker2 (*.XM)|",
        "|ScreamTracker 3 (*.S3M)|",
        "|Protracker/FastTracker (*.MOD)|",
        "|Audio Interchange File Format (*.AIF;*.AIFF)|*.AIF;*.AIFF|",
        "|ZipArchiveFile (*.ZIP)|",
        "|FLAC/Opus/AAC/ALAC/WavPack (*.FLAC;*.OPUS;*.M4A;*.MP4;*.AAC;*.WV;*.OGA)|",
        "|PlayListFile (*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF)|*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF|"};
    std::size_t at = 0;
    for (const auto& part : order) {
        const auto found = filter.find(part, at);
        ASSERT_NE(found, std::string::npos) << part;
        at = found + 1;
    }
    EXPECT_TRUE(filter.ends_with("|All Files (*.*)|*.*|"));
}

TEST_F(AddFilesTest, CancelledDialogChangesNothing) {
    MakeEntries(2);
    AddFiles(context, kOpenMode, AddSource::Dialog);
    EXPECT_EQ(state.Playlist.size(), 2u);
    EXPECT_TRUE(playback.calls.empty());
    EXPECT_EQ(view.redraws, 0);
}

TEST_F(AddFilesTest, OpenReplacesTheListAndPlaysOnlyWithAutoPlay) {
    MakeEntries(3);
    const auto a = dir.Write("a.mp3", "x");
    const auto b = dir.Write("b.XM", "x");
    dialogs.openResult = {a, b};
    settings.AutoPlay = 1;
    AddFiles(context, kOpenMode, AddSource::Dialog);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"StopTrack", "CloseTrack", "OpenTrack(0)", "PlayTrack"}));
    EXPECT_EQ(settings.RecentSongFileFolder, dir.Path());
    EXPECT_EQ(view.trackCount, 2);
    EXPECT_EQ(view.currentTrack, 1);
    EXPECT_EQ(state.TagCursor, 0);
    EXPECT_EQ(view.tagInterval, 30);
    EXPECT_EQ(state.VisibleRows, 1);

    playback.calls.clear();
    settings.AutoPlay = 0;
    AddFiles(context, kOpenMode, AddSource::Dialog);
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"StopTrack", "CloseTrack", "OpenTrack(0)"}));
    EXPECT_TRUE(view.Called("DrawSongInfo"));
}

TEST_F(AddFilesTest, AddingToAnEmptyListOpensButNeverPlays) {
    const auto a = dir.Write("a.mp3", "x");
    settings.AutoPlay = 1;
    playback.slotA = 7;
    AddFiles(context, kAddMode, AddSource::CommandLine, {a});
    EXPECT_EQ(Paths(), std::vector<std::string>{a});
    EXPECT_EQ(playback.slotA, 0);
    EXPECT_EQ(playback.calls, std::vector<std::string>{"OpenTrack(0)"});
    EXPECT_TRUE(view.Called("DrawSongInfo"));
}

TEST_F(AddFilesTest, AddAppendsAndStartsTheTagReaderAtTheFirstNewEntry) {
    MakeEntries(2);
    settings.GetTagInterval = 0;
    const auto a = dir.Write("a.wav", "x");
    AddFiles(context, kAddMode, AddSource::Drop, {a, dir.File("notes.txt")});
    ASSERT_EQ(state.Playlist.size(), 3u);
    EXPECT_EQ(state.Playlist[2].Path, a);
    EXPECT_EQ(state.TagCursor, 2);
    EXPECT_EQ(view.tagInterval, 50);
    EXPECT_TRUE(playback.calls.empty());
    EXPECT_EQ(view.trackCount, 3);
}

TEST_F(AddFilesTest, NothingAddedKeepsOnlyTheSpareAndClearsTheSongText) {
    AddFiles(context, kOpenMode, AddSource::CommandLine, {dir.File("missing.txt")});
    EXPECT_EQ(state.HasEntries, 0);
    EXPECT_EQ(state.Playlist.size(), 1u);
    EXPECT_EQ(state.EntryCount(), 0);
    EXPECT_TRUE(view.Called("ClearSongInfoText"));
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(settings.RecentSongFileFolder, "/start/");
}

TEST_F(AddFilesTest, PlaylistFilesAreReadAndFoldersScannedFromCommandLineOrDrop) {
    const auto a = dir.Write("music/a.mp3", "x");
    const auto b = dir.Write("music/sub/b.mp3", "x");
    const auto list = dir.Write("list.M3U", "#VantorExt:1000,Title A\r\nmusic/a.mp3\r\n");
    settings.SearchSubFolder = 1;
    AddFiles(context, kAddMode, AddSource::CommandLine, {list, dir.Path() + "music"});
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, a, b}));
    EXPECT_EQ(state.Playlist[0].Title, "Title A");

    // A folder chosen in the open dialog is not scanned.
    dialogs.openResult = {dir.Path() + "music"};
    AddFiles(context, kOpenMode, AddSource::Dialog);
    EXPECT_EQ(state.HasEntries, 0);
}

TEST_F(AddFilesTest, SongZipMp3IsProbedAndAddedAsAFile) {
    const auto file = dir.Write("song.zip.mp3", "ID3");
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_EQ(Paths(), std::vector<std::string>{file});
}

TEST_F(AddFilesTest, DroppedSkinIsAppliedInstead) {
    MakeEntries(1);
    AddFiles(context, kAddMode, AddSource::Drop, {"/skins/My.DVK", dir.File("a.mp3")});
    EXPECT_TRUE(view.Called("ApplySkinFile:/skins/My.DVK"));
    EXPECT_EQ(state.Playlist.size(), 1u);
    // Only a drop applies skins.
    view.calls.clear();
    AddFiles(context, kAddMode, AddSource::CommandLine, {"/skins/My.dvk"});
    EXPECT_FALSE(view.Called("ApplySkinFile:/skins/My.dvk"));
    EXPECT_EQ(state.Playlist.size(), 1u);
}

class ContinuationTest : public AddFilesTest {
protected:
    void SetUp() override {
        AddFilesTest::SetUp();
        settings.NonStopMegaMix = 1;
        MakeEntries(3);
        file = dir.Write("new.mp3", "x");
    }
    std::string file;
};

TEST_F(ContinuationTest, SoundingLastEntryPreparesTheNewOne) {
    playback.activeSlot = 1;
    playback.slotA = 2;
    playback.slotB = 0;
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(2)", "OpenSlot(B)"}));
    EXPECT_EQ(playback.slotB, 3);
}

TEST_F(ContinuationTest, SlotBSoundingPreparesSlotA) {
    playback.activeSlot = 2;
    playback.slotA = 0;
    playback.slotB = 2;
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(1)", "OpenSlot(A)"}));
    EXPECT_EQ(playback.slotA, 3);
}

TEST_F(ContinuationTest, BeforeTheFirstOverlapTheSoundingSlotAIsLeftAlone) {
    // The mix has not switched slots yet: A sounds the last entry and B
    // holds the wrapped-round first one.
    playback.activeSlot = 0;
    playback.slotA = 2;
    playback.slotB = 0;
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(2)", "OpenSlot(B)"}));
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(playback.slotB, 3);
}

TEST_F(ContinuationTest, NotTheLastEntryOrMixOffDoesNothing) {
    playback.activeSlot = 1;
    playback.slotA = 1;
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_TRUE(playback.calls.empty());

    settings.NonStopMegaMix = 0;
    playback.slotA = 3;
    AddFiles(context, kAddMode, AddSource::Drop, {dir.Write("other.mp3", "x")});
    EXPECT_TRUE(playback.calls.empty());
}

TEST_F(ContinuationTest, RandomModeCountsUnplayedEntries) {
    settings.PlayRandomMode = 1;
    playback.activeSlot = 1;
    playback.slotA = 0;
    playback.randomPick = 3;
    state.Playlist[0].Played = kFlagOn;
    state.Playlist[1].Played = kFlagOn;
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"PickRandomIndex(0)", "CloseSlot(2)", "OpenSlot(B)"}));
    EXPECT_EQ(playback.slotB, 3);

    playback.calls.clear();
    for (auto& entry : state.Playlist)
        entry.Played = kFlagOff;
    AddFiles(context, kAddMode, AddSource::Drop, {file});
    EXPECT_TRUE(playback.calls.empty());
}

class AddFolderTest : public AddFilesTest {};

TEST_F(AddFolderTest, MissingFolderAndRootAreRefused) {
    MakeEntries(1);
    AddFolder(context, dir.Path() + "none", true, kOpenMode);
    AddFolder(context, "/", true, kAddMode);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0],
              (ShownMessage{"Error : SubFindFile", "エラーメッセージを報告してください",
                            MessageIcon::Critical}));
    EXPECT_EQ(state.Playlist.size(), 1u);
    EXPECT_TRUE(playback.calls.empty());
}

TEST_F(AddFolderTest, OpenReplacesAndRemembersTheLastEntrysFolder) {
    MakeEntries(2);
    dir.Write("f/a.mp3", "x");
    const auto b = dir.Write("f/sub/b.mp3", "x");
    dir.Write("f/.hidden.mp3", "x");
    settings.AutoPlay = 0;
    AddFolder(context, dir.Path() + "f", true, kOpenMode);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{".hidden.mp3", "a.mp3", "b.mp3"}));
    EXPECT_EQ(settings.RecentSongFileFolder, dir.Path() + "f/sub/");
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseTrack", "OpenTrack(0)"}));
    EXPECT_EQ(state.Playlist.back().Path, b);

    AddFolder(context, dir.Path() + "f/", false, kOpenMode);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"a.mp3"});
}

TEST_F(AddFolderTest, AddWithContinuationIgnoresRandomMode) {
    MakeEntries(2);
    dir.Write("f/a.mp3", "x");
    settings.NonStopMegaMix = 1;
    settings.PlayRandomMode = 1;
    playback.activeSlot = 2;
    playback.slotB = 1;
    AddFolder(context, dir.Path() + "f", false, kAddMode);
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(1)", "OpenSlot(A)"}));
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(state.TagCursor, 2);
}

} // namespace
} // namespace vantor::test
