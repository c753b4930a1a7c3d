// The audio CD window in the running player: opened from the pop-up menu,
// a CD image picked as the drive, tracks ticked, played or added, and the
// entries kept by the saved playlist. The machine has no drive; images
// written by the tests stand for discs.
#include "app/PlayerHarness.h"

#include "cd/CdListing.h"
#include "engine/cd/CdDevice.h"
#include "support/CdImageWriter.h"
#include "support/ToneMeasure.h"
#include "visual/SongInfoDisplay.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::CdImageTrack;
using test::kHarnessRate;

// Three tracks of two seconds each, told apart by their tones.
const std::vector<CdImageTrack> kDisc = {{150, 440.0}, {150, 660.0}, {150, 990.0}};

class CdWindowTest : public ::testing::Test {
protected:
    // Opens the window from the menu; `use` works it while it is open.
    void UseCdWindow(std::function<void(QDialog&)> use) {
        h.WhenWindowOpens(std::move(use));
        h.ChooseMenuItem("Mnu_CD");
    }

    static void Press(QDialog& window, const char* command) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(command));
        ASSERT_NE(button, nullptr) << command;
        button->click();
    }

    static QTreeWidget& Tracks(QDialog& window) {
        return *window.findChild<QTreeWidget*>(QStringLiteral("tracks"));
    }

    static std::vector<std::string> DriveLines(QDialog& window) {
        std::vector<std::string> lines;
        auto* drives = window.findChild<QComboBox*>(QStringLiteral("drives"));
        for (int i = 0; i < drives->count(); ++i)
            lines.push_back(drives->itemText(i).toStdString());
        return lines;
    }

    static void Tick(QDialog& window, int row) {
        Tracks(window).topLevelItem(row)->setCheckState(0, Qt::Checked);
    }

    // Picks the image through the window's file dialog.
    void OpenImage(QDialog& window, const std::string& image) {
        h.AnswerFileDialog(image);
        Press(window, "openImage");
    }

    void ExpectCdEntry(std::size_t index, const std::string& image, int track) {
        const auto& list = h.player().playlist.Playlist;
        ASSERT_LT(index, list.size());
        EXPECT_EQ(list[index].IsCdTrack, kFlagOn);
        EXPECT_EQ(list[index].CdDrive, image);
        EXPECT_EQ(list[index].Path, image);
        EXPECT_EQ(list[index].CdTrack, track);
    }

    // Lets the tag reader name the whole list, a tick at a time.
    void ReadTags() {
        for (int ticks = 0; ticks < 100 && h.player().tagReaderTimer.isActive(); ++ticks)
            h.player().playlistWindow.OnTagReaderTick();
    }

    // The loudness once the output has let a change through.
    double SettledRms() {
        h.Listen(0.2);
        return test::ChannelRms(h.Listen(0.3), 0);
    }

    double HeardTone(double seconds = 0.5) {
        return test::ZeroCrossingFrequency(h.Listen(seconds), kHarnessRate);
    }

    test::PlayerHarness h;
};

TEST_F(CdWindowTest, WithoutDriveOrImageOnlyTheNoDeviceLineShowsAndEjectDoesNothing) {
    if (!engine::CdDevice::ListDrives().empty())
        GTEST_SKIP() << "this machine has a CD drive";
    h.Start();
    bool seen = false;
    UseCdWindow([&](QDialog& window) {
        seen = true;
        EXPECT_EQ(DriveLines(window), std::vector<std::string>{std::string(kNoCdDevices)});
        EXPECT_EQ(Tracks(window).topLevelItemCount(), 0);
        Press(window, "eject");
        Press(window, "listAgain");
        EXPECT_EQ(Tracks(window).topLevelItemCount(), 0);
        Press(window, "close");
    });
    EXPECT_TRUE(seen);
    EXPECT_TRUE(h.Messages().empty());
}

TEST_F(CdWindowTest, AnImageListsItsTracksAndPlayReplacesTheListWithTheTickedOnes) {
    const std::string image = test::WriteCdImage(h.Dir(), "disc", kDisc);
    h.Start({h.WriteTone("song.wav", 300.0)});
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, image);
        EXPECT_EQ(DriveLines(window).back(), image);
        QTreeWidget& tracks = Tracks(window);
        ASSERT_EQ(tracks.topLevelItemCount(), 3);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(tracks.topLevelItem(row)->text(0).toStdString(),
                      "Track" + std::to_string(row + 1));
            EXPECT_EQ(tracks.topLevelItem(row)->text(1).trimmed().toStdString(), "00:02");
        }
        Press(window, "tickAll");
        Press(window, "untickAll");
        Tick(window, 1);
        Press(window, "play");
        Press(window, "close");
    });
    ASSERT_EQ(h.player().playlist.EntryCount(), 1);
    ExpectCdEntry(0, image, 1);
    // As the playlist shows the length of any track.
    EXPECT_EQ(h.player().playlist.Playlist[0].LengthText, "0:02");
    EXPECT_NEAR(HeardTone(), 660.0, 8.0);
    // An image ejects nothing and says nothing about it.
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, image);
        Press(window, "eject");
        Press(window, "close");
    });
    EXPECT_TRUE(h.Messages().empty());
    // Opening the window stopped the CD track, freeing the drive.
    EXPECT_LT(SettledRms(), 0.001);
}

TEST_F(CdWindowTest, PlayWithNothingTickedEmptiesTheList) {
    const std::string image = test::WriteCdImage(h.Dir(), "disc", kDisc);
    h.Start({h.WriteTone("song.wav", 300.0)});
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, image);
        Press(window, "play");
        Press(window, "close");
    });
    EXPECT_EQ(h.player().playlist.HasEntries, 0);
    EXPECT_LT(SettledRms(), 0.001);
    // The line is back to the words it shows with nothing loaded, twice over.
    const std::string idle = kIdleSongText;
    EXPECT_EQ(h.SongLinePicture(), h.SongLinePictureShowing(idle.substr(0, idle.size() / 2)));
}

TEST_F(CdWindowTest, AddedImageTracksFollowTheListAndComeBackFromTheSavedPlaylist) {
    const std::string image = test::WriteCdImage(h.Dir(), "disc, live", kDisc);
    const std::string song = h.WriteTone("song.wav", 300.0);
    h.Start({song});
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, image);
        Tick(window, 0);
        Tick(window, 2);
        Press(window, "add");
        Press(window, "close");
    });
    ASSERT_EQ(h.player().playlist.EntryCount(), 3);
    EXPECT_EQ(h.player().playlist.Playlist[0].Path, song);
    ExpectCdEntry(1, image, 0);
    ExpectCdEntry(2, image, 2);
    ReadTags();
    EXPECT_EQ(h.player().playlist.Playlist[2].Title, "No Artist - disc, live");

    // The playlist is saved at exit and read at the next start.
    h.Restart();
    ASSERT_EQ(h.player().playlist.EntryCount(), 3);
    ExpectCdEntry(1, image, 0);
    ExpectCdEntry(2, image, 2);
    EXPECT_EQ(h.player().playlist.Playlist[2].LengthMs, Fixed4::FromInteger(2000));
    h.ClickMainButton(MainButton::NextSong);
    h.ClickMainButton(MainButton::NextSong);
    h.ClickMainButton(MainButton::Play);
    EXPECT_NEAR(HeardTone(), 990.0, 8.0);
}

TEST_F(CdWindowTest, CdTextNamesTheRowsTheSongLineAndThePlaylist) {
    const std::string image =
        test::WriteCdImage(h.Dir(), "named", {{150, 440.0, "Opening", "The Band"}, {150, 660.0}});
    h.Start();
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, image);
        ASSERT_EQ(Tracks(window).topLevelItemCount(), 2);
        EXPECT_EQ(Tracks(window).topLevelItem(0)->text(0).toStdString(), "Track1  Opening");
        EXPECT_EQ(Tracks(window).topLevelItem(1)->text(0).toStdString(), "Track2");
        Press(window, "tickAll");
        Press(window, "play");
        Press(window, "close");
    });
    h.Listen(0.2);
    EXPECT_EQ(h.SongLinePicture(), h.SongLinePictureShowing("The Band - Opening (0:02)      "));
    // The tag reader names the entries the playlist shows.
    ReadTags();
    EXPECT_EQ(h.player().playlist.Playlist[0].Title, "The Band - Opening");
    EXPECT_EQ(h.player().playlist.Playlist[1].Title, "No Artist - named");
    h.ClickMainButton(MainButton::NextSong);
    h.Listen(0.2);
    EXPECT_EQ(h.SongLinePicture(), h.SongLinePictureShowing("No Artist - named (0:02)      "));
}

TEST_F(CdWindowTest, ChoosingALineOfTheDriveListListsThatDrivesTracks) {
    const std::string three = test::WriteCdImage(h.Dir(), "three", kDisc);
    const std::string one = test::WriteCdImage(h.Dir(), "one", {{75, 440.0}});
    h.Start();
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, three);
        OpenImage(window, one);
        EXPECT_EQ(DriveLines(window), (std::vector<std::string>{three, one}));
        EXPECT_EQ(Tracks(window).topLevelItemCount(), 1);
        window.findChild<QComboBox*>(QStringLiteral("drives"))->setCurrentIndex(0);
        EXPECT_EQ(Tracks(window).topLevelItemCount(), 3);
        // Opening an image again chooses its line rather than adding one.
        OpenImage(window, one);
        EXPECT_EQ(DriveLines(window).size(), 2u);
        EXPECT_EQ(Tracks(window).topLevelItemCount(), 1);
        Press(window, "close");
    });
}

TEST_F(CdWindowTest, AnImageWhoseAudioIsMissingListsNoTracks) {
    const std::string image = h.Dir().Write("lost.cue", "FILE \"lost.bin\" BINARY\r\n"
                                                        "  TRACK 01 AUDIO\r\n"
                                                        "    INDEX 01 00:00:00\r\n");
    h.Start();
    UseCdWindow([&](QDialog& window) {
        OpenImage(window, image);
        EXPECT_EQ(Tracks(window).topLevelItemCount(), 0);
        Press(window, "close");
    });
}

} // namespace
} // namespace vantor
