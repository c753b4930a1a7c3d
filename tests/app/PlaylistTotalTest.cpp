#include "app/PlayerHarness.h"

#include "playlist/PlaylistWindow.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace vantor::test {
namespace {

using namespace std::chrono_literals;

class PlaylistTotalTest : public ::testing::Test {
protected:
    Player& player() { return harness.player(); }

    // Tones of 1, 2, 4, 8 and 16 seconds in a folder of their own: every set
    // of them has a total of its own, so a row counted twice or missed shows.
    std::string WriteToneFolder() {
        for (int i = 0; i < 5; ++i)
            harness.WriteTone("tones/" + std::to_string(i) + ".wav", 440.0, 1 << i);
        return harness.Dir().File("tones");
    }

    // A ZIP archive holding one tone of `seconds`.
    std::string WriteToneZip(const std::string& name, double seconds) {
        std::ifstream in(harness.WriteTone("member.wav", 440.0, seconds), std::ios::binary);
        const Bytes tone{std::istreambuf_iterator<char>(in), {}};
        return harness.Dir().Write(name, ZipArchive({{.name = "member.wav", .data = tone}}).bytes);
    }

    QPoint RowCentre(int row) {
        const SkinRect& list = player().skin.playListTextRect;
        const int height = player().surfaces.playListItemHeight;
        return {(list.left + list.right) / 2, list.top + row * height + height / 2};
    }
    void Select(int row) { harness.ClickPlaylist(RowCentre(row)); }

    // A tick that reads a single entry, as each tick did before ticks read
    // in portions.
    void ReadOneEntry() { player().playlistWindow.OnTagReaderTick({0us}); }
    // Lets the tag reader read the rest of the list.
    void ReadTags() {
        for (int ticks = 0; ticks < 100 && player().tagReaderTimer.isActive(); ++ticks)
            player().playlistWindow.OnTagReaderTick();
        EXPECT_FALSE(player().tagReaderTimer.isActive());
    }

    // The sum of the play times the rows show, written as the total is.
    std::string SumOfRows() {
        const auto rows = player().playlistWindow.Rows();
        EXPECT_EQ(static_cast<std::int32_t>(rows.size()), player().playlist.EntryCount());
        int seconds = 0;
        for (const RowText& row : rows) {
            const auto colon = row.time.find(':');
            seconds +=
                std::stoi(row.time.substr(0, colon)) * 60 + std::stoi(row.time.substr(colon + 1));
        }
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
        return text;
    }

    // The total field shows `total`, and so does the time field after the
    // sounding entry's time, until a playback tick draws the idle time there
    // (an opened entry that has not started plays nothing).
    void ExpectTotalShown(const std::string& total) {
        EXPECT_EQ(harness.FieldImage(TextField::PlayListTotalPlayTime),
                  harness.FieldImageShowing(TextField::PlayListTotalPlayTime, total))
            << total;
        const auto rows = player().playlistWindow.Rows();
        const auto sounding = static_cast<std::size_t>(player().player.SoundingIndex());
        const std::string playing = sounding < rows.size() ? rows[sounding].time : "";
        const QImage shown = harness.FieldImage(TextField::PlayListTime);
        const bool idle =
            shown == harness.FieldImageShowing(TextField::PlayListTime, "00:00 / 00:00");
        EXPECT_TRUE(idle || shown == harness.FieldImageShowing(TextField::PlayListTime,
                                                               playing + " / " + total))
            << playing << " / " << total;
    }
    void ExpectTotalIsSumOfRows(const std::string& sum) {
        ASSERT_EQ(SumOfRows(), sum);
        ExpectTotalShown(sum);
    }

    PlayerHarness harness;
};

TEST_F(PlaylistTotalTest, EveryEditOfAReadListLeavesTheTotalAtTheSumOfTheRows) {
    harness.Start({WriteToneFolder()});
    harness.ClickMainButton(MainButton::PlayList);
    ReadTags();
    ExpectTotalIsSumOfRows("00:31");

    // The reader has finished, so no later tick would correct the total.
    Select(1);
    harness.ClickPlaylistButton(kButtonDeleteTrack);
    ExpectTotalIsSumOfRows("00:29");
    harness.ChoosePlaylistMenuItem("削除", RowCentre(3));
    ExpectTotalIsSumOfRows("00:13");

    Select(0);
    harness.ClickPlaylistButton(kButtonMoveDown);
    harness.ClickPlaylistButton(kButtonMoveDown);
    ExpectTotalIsSumOfRows("00:13");

    harness.AnswerFileDialog(WriteToneZip("three.zip", 3.0));
    harness.ClickPlaylistButton(kButtonAddTrack);
    ASSERT_EQ(player().playlist.EntryCount(), 4);
    ReadTags();
    ExpectTotalIsSumOfRows("00:16");

    // Playing the last entry, then deleting it, moves the sounding entry.
    Select(3);
    harness.TapKey(Qt::Key_Return, Qt::NoModifier, &player().playlistWindowBridge.Widget());
    harness.ClickPlaylistButton(kButtonDeleteTrack);
    ExpectTotalIsSumOfRows("00:13");

    harness.ClickPlaylistButton(kButtonClear);
    EXPECT_TRUE(harness.FieldIsBlank(TextField::PlayListTotalPlayTime));
    const std::string tones = harness.Dir().File("tones/");
    harness.AnswerFileDialog(
        harness.Dir().Write("two.m3u", tones + "4.wav\r\n" + tones + "2.wav\r\n"));
    harness.ClickPlaylistButton(kButtonLoad);
    ReadTags();
    ExpectTotalIsSumOfRows("00:20");
}

TEST_F(PlaylistTotalTest, EditsWhileTheListIsReadLeaveTheTotalAtTheSumOfTheRows) {
    harness.Start({WriteToneFolder()});
    harness.ClickMainButton(MainButton::PlayList);
    ReadOneEntry();
    ReadOneEntry();
    ExpectTotalShown("00:03");

    // The first entry, read, goes below the reader; the unread third one
    // comes above it and counts nothing yet.
    Select(0);
    for (int i = 0; i < 3; ++i)
        harness.ClickPlaylistButton(kButtonMoveDown);
    ExpectTotalShown("00:02");
    // The unread entry above the reader leaves the list.
    Select(1);
    harness.ClickPlaylistButton(kButtonDeleteTrack);
    ExpectTotalShown("00:02");
    ReadOneEntry();
    ExpectTotalShown("00:10");

    ReadTags();
    ExpectTotalIsSumOfRows("00:27");
}

TEST_F(PlaylistTotalTest, RowsReadInPortionsShowWhatRowsReadOneAtATickShow) {
    const std::string folder = WriteToneFolder();
    harness.Start({folder});
    while (player().tagReaderTimer.isActive())
        ReadOneEntry();
    const auto oneAtATick = player().playlistWindow.Rows();
    ASSERT_EQ(oneAtATick.size(), 5u);

    harness.Restart({folder});
    ReadTags();
    EXPECT_EQ(player().playlistWindow.Rows(), oneAtATick);
}

} // namespace
} // namespace vantor::test
