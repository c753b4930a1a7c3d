#include "app/PlayerHarness.h"

#include "playlist/PlaylistScroll.h"
#include "playlist/PlaylistWindow.h"
#include "support/MidiWriter.h"
#include "support/ModWriter.h"
#include "support/ToneMeasure.h"
#include "ui/SurfaceImage.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace vantor::test {
namespace {

class PlaylistWiringTest : public ::testing::Test {
protected:
    Player& player() { return harness.player(); }
    QWidget& PlaylistWidget() { return player().playlistWindowBridge.Widget(); }

    // Starts with `files` in the list and shows the playlist window the way
    // a user does, with the main window's playlist button.
    Player& Start(const std::vector<std::string>& files = {""}) {
        harness.Start(files);
        if (!PlaylistWidget().isVisible())
            harness.ClickMainButton(MainButton::PlayList);
        EXPECT_TRUE(PlaylistWidget().isVisible());
        return player();
    }

    // Starts with `count` short tones in the list.
    Player& StartWithTones(int count, double seconds = 0.5) {
        std::vector<std::string> files;
        for (int i = 0; i < count; ++i)
            files.push_back(harness.WriteTone("tone" + std::to_string(i) + ".wav", 440.0, seconds));
        return Start(files);
    }

    // The share of a list row's pixels that differ from the playlist face:
    // the selection box covers the whole row, text only a small part.
    double RowCoverage(int row) {
        const QImage window = harness.PlaylistWindowImage();
        const QImage face = ToImage(player().surfaces.playListFace);
        const SkinRect& list = player().skin.playListTextRect;
        const int height = player().surfaces.playListItemHeight;
        int differing = 0;
        int total = 0;
        for (int y = list.top + row * height + 1; y < list.top + (row + 1) * height - 1; ++y) {
            for (int x = list.left; x < list.right; ++x) {
                ++total;
                if (window.pixel(x, y) != face.pixel(x, y))
                    ++differing;
            }
        }
        return total == 0 ? 0.0 : static_cast<double>(differing) / total;
    }

    // Whether the window shows `picture` (magenta transparent) at `at`.
    static bool Shows(const QImage& window, QPoint at, const gfx::Surface& picture) {
        const QImage image = ToImage(picture);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
                if (pixel != 0xFF00FF && (window.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != pixel)
                    return false;
            }
        }
        return true;
    }

    // Where the thumb belongs for the list's scroll position.
    QPoint ThumbPlace() {
        const SkinRect& field = player().skin.playListScrollField.rect;
        return {field.left,
                field.top +
                    ScrollThumbPosition(player().playlist, player().playlistWindowBridge.Layout())};
    }

    void Press(QPoint at) { QTest::mousePress(&PlaylistWidget(), Qt::LeftButton, {}, at); }
    void MoveHeld(QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, PlaylistWidget().mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&PlaylistWidget(), &move);
    }
    void Release(QPoint at) { QTest::mouseRelease(&PlaylistWidget(), Qt::LeftButton, {}, at); }

    // Lets the tag reader read the whole list, a tick at a time.
    void ReadTags() {
        for (int ticks = 0; ticks < 100 && player().tagReaderTimer.isActive(); ++ticks)
            player().playlistWindow.OnTagReaderTick();
    }

    bool MonoLampLit() {
        const QImage window = harness.MainWindowImage();
        const QImage lit = ToImage(player().surfaces.pressedFace);
        const SkinRect& lamp = player().skin.monoWindowRegions.regions[0].rect;
        return window.copy(lamp.left, lamp.top, lamp.Width(), lamp.Height()) ==
               lit.copy(lamp.left, lamp.top, lamp.Width(), lamp.Height());
    }

    PlayerHarness harness;
};

TEST_F(PlaylistWiringTest, AListSavedWithoutAnExtensionIsSavedAsTheChosenTypeAndLoadsBack) {
    StartWithTones(2);
    const std::string chosen = harness.Dir().File("saved list");
    harness.AnswerFileDialog(chosen);
    harness.ClickPlaylistButton(kButtonSave);
    EXPECT_FALSE(std::filesystem::exists(chosen));
    ASSERT_TRUE(std::filesystem::exists(chosen + ".m3u"));

    harness.ClickPlaylistButton(kButtonClear);
    ASSERT_EQ(player().playlist.HasEntries, 0);
    harness.AnswerFileDialog(chosen + ".m3u");
    harness.ClickPlaylistButton(kButtonLoad);
    ASSERT_EQ(player().playlist.EntryCount(), 2);
    EXPECT_EQ(player().playlist.Playlist[1].Path, harness.Dir().File("tone1.wav"));
    EXPECT_TRUE(harness.Messages().empty());
}

TEST_F(PlaylistWiringTest, ALoadThatReadsNothingSaysSoAndKeepsTheList) {
    StartWithTones(2);
    const std::string tone = harness.Dir().File("tone0.wav");
    // A list saved by an earlier version under a bare name, and a list
    // whose files are all gone.
    const std::string bare = harness.Dir().Write("old list", "#VantorExt:500,Tone\r\n" + tone);
    const std::string stale = harness.Dir().Write("stale.m3u", "gone.wav\r\n");
    for (const std::string& chosen : {bare, stale}) {
        harness.ForgetMessages();
        harness.AnswerFileDialog(chosen);
        harness.ClickPlaylistButton(kButtonLoad);
        ASSERT_EQ(harness.Messages().size(), 1u) << chosen;
        EXPECT_EQ(harness.Messages()[0].title, "Vantor");
        EXPECT_NE(harness.Messages()[0].text.find(chosen), std::string::npos);
        EXPECT_EQ(player().playlist.EntryCount(), 2);
    }
}

TEST_F(PlaylistWiringTest, TheSelectButtonsMoveTheSelectionOneEntryPerClick) {
    StartWithTones(3);
    ASSERT_EQ(player().playlist.SelectedIndex, 0);
    EXPECT_GT(RowCoverage(0), 0.9);
    EXPECT_LT(RowCoverage(1), 0.5);

    harness.ClickPlaylistButton(kButtonDown);
    EXPECT_EQ(player().playlist.SelectedIndex, 1);
    EXPECT_LT(RowCoverage(0), 0.5);
    EXPECT_GT(RowCoverage(1), 0.9);
    harness.ClickPlaylistButton(kButtonDown);
    harness.ClickPlaylistButton(kButtonDown);
    EXPECT_EQ(player().playlist.SelectedIndex, 2);

    harness.ClickPlaylistButton(kButtonUp);
    EXPECT_EQ(player().playlist.SelectedIndex, 1);
    EXPECT_GT(RowCoverage(1), 0.9);
}

TEST_F(PlaylistWiringTest, TheScrollThumbFollowsTheHeldPointerInItsPressedPicture) {
    const std::string tone = harness.WriteTone("tone.wav", 440.0, 0.2);
    Start(std::vector<std::string>(40, tone));
    const SkinRect& field = player().skin.playListScrollField.rect;
    ASSERT_TRUE(player().skin.playListScrollKnobPressed);
    const int x = (field.left + field.right) / 2;

    Press({x, field.top + 1});
    EXPECT_EQ(player().playlist.TopIndex, 0);
    EXPECT_TRUE(Shows(harness.PlaylistWindowImage(), {field.left, field.top},
                      *player().skin.playListScrollKnobPressed));

    MoveHeld({x, field.bottom});
    const std::int32_t lastTop = player().playlist.LastIndex() - player().playlist.VisibleRows;
    EXPECT_EQ(player().playlist.TopIndex, lastTop);
    EXPECT_TRUE(Shows(harness.PlaylistWindowImage(), ThumbPlace(),
                      *player().skin.playListScrollKnobPressed));

    MoveHeld({x, (field.top + field.bottom) / 2});
    EXPECT_GT(player().playlist.TopIndex, 0);
    EXPECT_LT(player().playlist.TopIndex, lastTop);

    Release({x, (field.top + field.bottom) / 2});
    EXPECT_TRUE(
        Shows(harness.PlaylistWindowImage(), ThumbPlace(), *player().skin.playListScrollKnob));
}

TEST_F(PlaylistWiringTest, TheTotalPlayTimeFieldShowsTheLengthOfTheListRead) {
    std::vector<std::string> files{harness.WriteTone("two.wav", 440.0, 2.0),
                                   harness.WriteTone("three.wav", 440.0, 3.0)};
    Start(files);
    ReadTags();
    EXPECT_EQ(harness.FieldImage(TextField::PlayListTotalPlayTime),
              harness.FieldImageShowing(TextField::PlayListTotalPlayTime, "00:05"));
    // A new skin draws the field again on its own face.
    harness.ClickMainButton(MainButton::ChangeSkin);
    ASSERT_NE(player().settings.SkinFilePath.find("Showcase"), std::string::npos);
    EXPECT_EQ(harness.FieldImage(TextField::PlayListTotalPlayTime),
              harness.FieldImageShowing(TextField::PlayListTotalPlayTime, "00:05"));

    harness.ClickPlaylistButton(kButtonClear);
    EXPECT_TRUE(harness.FieldIsBlank(TextField::PlayListTotalPlayTime));
}

TEST_F(PlaylistWiringTest, AFileThatFailsToOpenLeavesTheTechnicalFieldsEmpty) {
    const std::string broken = harness.Dir().Write("broken.mp3", std::string(4000, 'x'));
    Start({broken});
    ASSERT_FALSE(harness.Messages().empty());
    EXPECT_NE(harness.Messages()[0].text.find("Error while opening file"), std::string::npos);
    for (const TextField field :
         {TextField::SongFormat, TextField::SongKbps, TextField::SongKhz, TextField::SongMode})
        EXPECT_TRUE(harness.FieldIsBlank(field)) << static_cast<int>(field);
    EXPECT_FALSE(MonoLampLit());
}

TEST_F(PlaylistWiringTest, DeletingThePlayingEntryShowsTheNextOneInTheMainWindow) {
    const std::string first = harness.WriteTone("first.wav", 440.0, 2.0);
    const std::string second = harness.WriteTone("second.mp3", 440.0, 1.0);
    Start({first, second});
    harness.ClickPlaylistButton(kButtonNext);
    const QImage secondLine = ToImage(player().surfaces.songInfoText);
    const QImage secondFormat = harness.FieldImage(TextField::SongFormat);
    harness.ClickPlaylistButton(kButtonPrevious);
    harness.ClickPlaylistButton(kButtonPlay);
    harness.Listen(1.1);
    ASSERT_EQ(harness.FieldImage(TextField::Time),
              harness.FieldImageShowing(TextField::Time, "00:01 / 00:02"));
    ASSERT_NE(ToImage(player().surfaces.songInfoText), secondLine);

    harness.ClickPlaylistButton(kButtonDeleteTrack);
    harness.Listen(0.05);
    EXPECT_EQ(ToImage(player().surfaces.songInfoText), secondLine);
    EXPECT_EQ(harness.FieldImage(TextField::SongFormat), secondFormat);
    EXPECT_EQ(harness.FieldImage(TextField::Time),
              harness.FieldImageShowing(TextField::Time, "00:00 / 00:00"));
}

// The player wakes for the end of a track rather than noticing it at its
// next frame: the next entry follows as soon as the engine has played the
// last block of the track before, wherever in a frame that falls.
TEST_F(PlaylistWiringTest, TheNextEntryFollowsTheEndOfATrackWithinAMixBlock) {
    std::vector<std::string> tones;
    double seconds = 0.0;
    for (const double length : {0.405, 0.413, 0.421, 0.429, 0.437}) {
        tones.push_back(harness.WriteTone("tone" + std::to_string(tones.size()) + ".wav",
                                          tones.size() % 2 == 0 ? 440.0 : 660.0, length));
        seconds += length;
    }
    Start(tones);
    harness.ClickPlaylistButton(kButtonPlay);
    const std::vector<float> heard = harness.Listen(seconds);
    // The longest stretch of silence after the start, while one tone ends
    // and the next begins.
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t frame = test::kHarnessRate / 10; frame < heard.size() / 2; ++frame) {
        run = std::abs(heard[frame * 2]) < 1e-4F ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    // A mix block is 1024 frames.
    EXPECT_LT(longest, 1100U);
}

TEST_F(PlaylistWiringTest, ClearingTheListShowsTheIdleMainWindow) {
    Start();
    const QImage idleLine = ToImage(player().surfaces.songInfoText);
    const std::string tone = harness.WriteTone("tone.wav", 440.0, 2.0);
    harness.player().playlistWindowBridge.OnFilesDropped({tone});
    harness.ClickPlaylistButton(kButtonPlay);
    harness.Listen(1.1);
    ASSERT_NE(ToImage(player().surfaces.songInfoText), idleLine);
    ASSERT_FALSE(harness.FieldIsBlank(TextField::SongFormat));

    harness.ClickPlaylistButton(kButtonClear);
    harness.Listen(0.05);
    EXPECT_EQ(ToImage(player().surfaces.songInfoText), idleLine);
    for (const TextField field :
         {TextField::SongFormat, TextField::SongKbps, TextField::SongKhz, TextField::SongMode})
        EXPECT_TRUE(harness.FieldIsBlank(field)) << static_cast<int>(field);
    EXPECT_FALSE(MonoLampLit());
    EXPECT_EQ(harness.FieldImage(TextField::Time),
              harness.FieldImageShowing(TextField::Time, "00:00 / 00:00"));
}

TEST_F(PlaylistWiringTest, TheChangeSkinButtonSwitchesToItsRegionsTarget) {
    // A playlist skin whose only change-skin region points at its second
    // target; its first names a skin that does not exist.
    const std::string list = harness.Dir().File("Skin/Default/PL.txt");
    std::string text = ReadWholeFile(list);
    const auto replace = [&text](const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    replace("PlayListSetTargetDVK ../Showcase/Showcase.dvk",
            "PlayListSetTargetDVK ../Missing/Missing.dvk\r\n"
            "PlayListSetTargetDVK ../Showcase/Showcase.dvk");
    replace("Switch to the Showcase skin 0", "Switch to the Showcase skin 1");
    std::ofstream(list, std::ios::binary) << text;

    Start();
    const QSize defaultSize = player().mainWindow.Widget().size();
    harness.ClickPlaylistButton(kButtonChangeSkin);
    EXPECT_TRUE(harness.Messages().empty());
    EXPECT_NE(player().settings.SkinFilePath.find("Showcase.dvk"), std::string::npos);
    EXPECT_NE(player().mainWindow.Widget().size(), defaultSize);
}

TEST_F(PlaylistWiringTest, ModulesAndMidiShowTheLengthTheEngineKnows) {
    // Three orders of 2560 ms, and two seconds of one note.
    const std::string module = harness.Dir().Write("tune.mod", WriteMod(ToneModSpec("Tune", 3)));
    MidiSpec midi;
    midi.notes.push_back({0, 1920});
    const std::string song = harness.Dir().Write("song.mid", WriteMidi(midi));
    Start({module, song});
    player().settings.ShowTrackPlayTime = 1;
    player().settings.SongInfoStyle = "%2";
    ReadTags();
    const auto rows = player().playlistWindow.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].time, "0:08");
    EXPECT_EQ(rows[1].time, "0:02");

    const SkinRect& seek = player().skin.Bar(BarKind::Seek).rect;
    const QRect seekArea(seek.left, seek.top, seek.Width(), seek.Height());
    const QImage seekAtStart = harness.MainWindowImage().copy(seekArea);
    harness.ClickPlaylistButton(kButtonPlay);
    harness.Listen(1.0);
    EXPECT_EQ(harness.FieldImage(TextField::Time),
              harness.FieldImageShowing(TextField::Time, "00:01 / 00:08"));
    EXPECT_EQ(harness.SongLinePicture(), harness.SongLinePictureShowing("Tune (0:08)      "));
    // A second into the first order, the bar has left its start.
    EXPECT_NE(harness.MainWindowImage().copy(seekArea), seekAtStart);

    harness.ClickPlaylistButton(kButtonNext);
    harness.Listen(1.0);
    EXPECT_EQ(harness.FieldImage(TextField::Time),
              harness.FieldImageShowing(TextField::Time, "00:01 / 00:02"));
    EXPECT_EQ(harness.SongLinePicture(), harness.SongLinePictureShowing("song (0:02)      "));
}

// Three orders that break off after their first row, then a whole one: the
// middle of the bar is well inside the last order, not at the third.
TEST_F(PlaylistWiringTest, AClickOnTheSeekBarTakesAModuleToTheTimeTheBarShows) {
    ModSpec spec = ToneModSpec("Uneven", 4);
    spec.orders = {0, 0, 0, 1};
    const int patternBreak = 0xD;
    spec.patterns[0].push_back({0, 1, 0, patternBreak, 0});
    Start({harness.Dir().Write("uneven.mod", WriteMod(spec))});
    harness.Listen(0.05);
    const SongHandle song = player().player.SoundingSlot().musicHandle;
    ASSERT_NE(song, 0);
    const std::int32_t length = player().sound.FMUSIC_GetLengthMs(song);
    ASSERT_NEAR(length, 3 * 40 + kToneModPatternMs, 20);

    harness.ClickMain(Centre(player().skin.Bar(BarKind::Seek).rect));
    harness.Listen(0.1);
    EXPECT_NEAR(player().sound.FMUSIC_GetTime(song), length / 2, length / 8);
}

TEST_F(PlaylistWiringTest, APlaylistWindowClosedByTheDesktopOpensAgainWithOneClick) {
    Start();
    PlaylistWidget().close();
    ASSERT_FALSE(PlaylistWidget().isVisible());
    harness.ClickMainButton(MainButton::PlayList);
    EXPECT_TRUE(PlaylistWidget().isVisible());
}

TEST_F(PlaylistWiringTest, AWindowShownAgainShowsAtOnceWhatChangedWhileItWasHidden) {
    StartWithTones(1);
    harness.ClickMainButton(MainButton::PlayList);
    ASSERT_FALSE(PlaylistWidget().isVisible());
    player().playlistWindowBridge.OnFilesDropped({harness.WriteTone("later.wav", 440.0, 0.5)});
    // Brought back as the tray brings windows back, with no tick between.
    PlaylistWidget().setVisible(true);
    const QImage shown = PlaylistWidget().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, ToImage(player().surfaces.playListWindow));
    const QImage face = ToImage(player().surfaces.playListFace);
    const SkinRect& list = player().skin.playListTextRect;
    const int height = player().surfaces.playListItemHeight;
    EXPECT_NE(shown.copy(list.left, list.top + height, list.right - list.left, height),
              face.copy(list.left, list.top + height, list.right - list.left, height))
        << "the second row is drawn";
}

} // namespace
} // namespace vantor::test
