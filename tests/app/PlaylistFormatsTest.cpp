// Lists of other programs (.m3u8, .pls, .xspf) through the real player:
// dropped, named on the command line and opened with the load button, they
// give their existing files in order, with the lists' titles and lengths in
// the rows until the tags are read, and the tracks play.
#include "app/PlayerHarness.h"

#include "playlist/PlaylistWindow.h"
#include "support/AudioEncoder.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

struct ListKind {
    std::string name;
    // The list naming "a.flac" and "sub/b c.opus" with titles and lengths,
    // and a missing file between them, for a list in `folder`.
    std::function<std::string(const std::string& folder)> text;
};

std::ostream& operator<<(std::ostream& out, const ListKind& kind) {
    return out << kind.name;
}

const ListKind kM3u8{
    "list.m3u8", [](const std::string& folder) {
        return "#EXTM3U\n#EXTINF:2,Listed A\na.flac\n#EXTINF:9,Gone\nmissing.flac\n"
               "#EXTINF:3,Listed B\nfile://" +
               folder + "sub/b%20c.opus\n";
    }};
const ListKind kPls{"list.pls", [](const std::string& folder) {
                        return "[playlist]\nFile3=file://" + folder +
                               "sub/b%20c.opus\nTitle3=Listed B\nLength3=3\n"
                               "File1=a.flac\nTitle1=Listed A\nLength1=2\n"
                               "File2=missing.flac\nTitle2=Gone\nNumberOfEntries=3\nVersion=2\n";
                    }};
const ListKind kXspf{"list.xspf", [](const std::string&) {
                         return std::string(
                             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList>\n"
                             "<track><location>a.flac</location><title>Listed A</title>"
                             "<duration>2000</duration></track>\n"
                             "<track><location>missing.flac</location><title>Gone</title></track>\n"
                             "<track><location>sub/b%20c.opus</location><title>Listed B</title>"
                             "<duration>3000</duration></track>\n"
                             "</trackList></playlist>\n");
                     }};

class PlaylistFormatsTest : public ::testing::TestWithParam<ListKind> {
protected:
    Player& player() { return harness.player(); }

    // Two tagged tracks, and the list of the kind under test naming them.
    std::string WriteListAndTracks() {
        a = Encode("a.flac", "flac", "flac", 44100, "Alpha", 440.0);
        b = Encode("sub/b c.opus", "libopus", "ogg", 48000, "Beta", 880.0);
        return harness.Dir().Write(GetParam().name, GetParam().text(harness.Dir().Path()));
    }

    std::string Encode(const std::string& name, const std::string& encoder,
                       const std::string& container, int sampleRate, const std::string& title,
                       double frequency) {
        ToneSpec spec;
        spec.encoder = encoder;
        spec.container = container;
        spec.sampleRate = sampleRate;
        spec.seconds = 1.0;
        spec.frequency = frequency;
        spec.metadata = {{"title", title}, {"artist", "Ann"}};
        std::string error;
        const std::string path = harness.Dir().File(name);
        EXPECT_TRUE(EncodeTone(path, spec, &error)) << name << ": " << error;
        return path;
    }

    // The tag reader waits far longer than any test runs, so that the rows
    // show what the list gave until ReadTags().
    void HoldTheTagReader() {
        player().settings.GetTagInterval = 100000000;
        player().settings.ShowTrackPlayTime = 1;
        player().settings.PlayListStyle = "%1 / %2";
    }

    void ReadTags() {
        for (int ticks = 0; ticks < 100 && player().tagReaderTimer.isActive(); ++ticks)
            player().playlistWindow.OnTagReaderTick();
    }

    std::vector<std::string> EntryPaths() {
        std::vector<std::string> paths;
        for (int i = 0; i < player().playlist.EntryCount(); ++i)
            paths.push_back(player().playlist.Playlist[static_cast<std::size_t>(i)].Path);
        return paths;
    }

    std::vector<std::string> RowTexts() {
        std::vector<std::string> rows;
        for (const auto& row : player().playlistWindow.Rows())
            rows.push_back(row.title + " | " + row.time);
        return rows;
    }

    void ExpectListedRowsThenTaggedOnes() {
        EXPECT_EQ(EntryPaths(), (std::vector<std::string>{a, b}));
        EXPECT_EQ(RowTexts(), (std::vector<std::string>{"Listed A | 0:02", "Listed B | 0:03"}));
        ReadTags();
        EXPECT_EQ(RowTexts(),
                  (std::vector<std::string>{"Ann / Alpha | 0:01", "Ann / Beta | 0:01"}));
        EXPECT_TRUE(harness.Messages().empty());
    }

    PlayerHarness harness;
    std::string a;
    std::string b;
};

TEST_P(PlaylistFormatsTest, ADroppedListGivesItsFilesWithItsTitlesUntilTheTagsAreRead) {
    const std::string list = WriteListAndTracks();
    harness.Start();
    HoldTheTagReader();
    harness.ClickMainButton(MainButton::PlayList);
    player().playlistWindowBridge.OnFilesDropped({list});
    ExpectListedRowsThenTaggedOnes();
}

TEST_P(PlaylistFormatsTest, TheLoadButtonOffersAndOpensTheList) {
    const std::string list = WriteListAndTracks();
    harness.Start();
    HoldTheTagReader();
    harness.ClickMainButton(MainButton::PlayList);
    harness.AnswerFileDialog(list);
    harness.ClickPlaylistButton(kButtonLoad);
    ExpectListedRowsThenTaggedOnes();

    // Its tracks play: the first at its own pitch.
    harness.ClickMainButton(MainButton::Play);
    EXPECT_NEAR(ZeroCrossingFrequency(harness.Listen(0.5), 44100), 440.0, 10.0);
}

TEST_P(PlaylistFormatsTest, AListNamedOnTheCommandLineOpensItsFiles) {
    const std::string list = WriteListAndTracks();
    harness.Start({list});
    EXPECT_EQ(EntryPaths(), (std::vector<std::string>{a, b}));
    ReadTags();
    EXPECT_EQ(player().playlistWindow.Rows().at(1).title, "Ann - Beta");
    EXPECT_TRUE(harness.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Lists, PlaylistFormatsTest, ::testing::Values(kM3u8, kPls, kXspf),
                         [](const auto& kind) {
                             return kind.param.name.substr(kind.param.name.find('.') + 1);
                         });

class BadListsTest : public ::testing::Test {
protected:
    PlayerHarness harness;
};

// A list whose files are all missing, or whose XML breaks before its first
// track, gives the load button's "nothing could be read" message and keeps
// the list as it was.
TEST_F(BadListsTest, AListThatGivesNothingIsReportedAndChangesNothing) {
    const std::string kept = harness.WriteTone("kept.wav", 440.0, 1.0);
    harness.Start({kept});
    harness.ClickMainButton(MainButton::PlayList);
    const std::vector<std::pair<std::string, std::string>> lists{
        {"gone.m3u8", "#EXTINF:5,Gone\nmissing.flac\n"},
        {"gone.pls", "[playlist]\nFile1=missing.flac\nNumberOfEntries=1\n"},
        {"broken.xspf", "<playlist><trackList><track><location>kept.wav</loc"},
        {"utf16.xspf", std::string("\xFF\xFE<\0p\0>\0", 8)}};
    for (const auto& [name, text] : lists) {
        const std::string list = harness.Dir().Write(name, text);
        harness.ForgetMessages();
        harness.AnswerFileDialog(list);
        harness.ClickPlaylistButton(kButtonLoad);
        ASSERT_EQ(harness.Messages().size(), 1u) << name;
        EXPECT_EQ(harness.Messages()[0].text,
                  list + "\r\nこのファイルからは曲を読み込めませんでした。")
            << name;
        EXPECT_EQ(harness.player().playlist.EntryCount(), 1) << name;
        EXPECT_EQ(harness.player().playlist.Playlist[0].Path, kept) << name;
    }
}

} // namespace
} // namespace vantor::test
