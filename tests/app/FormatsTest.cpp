// FLAC, Opus, AAC, ALAC and WavPack files through the real player: found by
// folder scans, drops, the open dialog and playlists, played at their pitch
// and length, seekable, and damaged ones refused without harm.
#include "app/PlayerHarness.h"

#include "playlist/PlaylistWindow.h"
#include "support/AudioEncoder.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantor::test {
namespace {

struct Format {
    std::string file;
    std::string encoder;
    std::string container;
    int sampleRate = 44100;
};

std::ostream& operator<<(std::ostream& out, const Format& format) {
    return out << format.file;
}

class FormatsTest : public ::testing::Test {
protected:
    Player& player() { return harness.player(); }

    std::string Encode(const std::string& name, ToneSpec spec) {
        std::string error;
        const std::string path = harness.Dir().File(name);
        EXPECT_TRUE(EncodeTone(path, spec, &error)) << name << ": " << error;
        return path;
    }

    std::string Encode(const Format& format, double seconds, double frequency = 440.0) {
        ToneSpec spec;
        spec.encoder = format.encoder;
        spec.container = format.container;
        spec.sampleRate = format.sampleRate;
        spec.seconds = seconds;
        spec.frequency = frequency;
        return Encode(format.file, spec);
    }

    std::vector<std::string> EntryPaths() {
        std::vector<std::string> paths;
        for (int i = 0; i < player().playlist.EntryCount(); ++i)
            paths.push_back(player().playlist.Playlist[static_cast<std::size_t>(i)].Path);
        return paths;
    }

    bool TimeShows(const std::string& text) {
        return harness.FieldImage(TextField::Time) ==
               harness.FieldImageShowing(TextField::Time, text);
    }

    // The stream's position as the engine reports it.
    std::int32_t StreamTimeMs() {
        return player().sound.FSOUND_Stream_GetTime(player().player.SoundingSlot().streamHandle);
    }

    PlayerHarness harness;
};

class EachFormat : public FormatsTest, public ::testing::WithParamInterface<Format> {};

TEST_P(EachFormat, PlaysItsToneForItsLengthAndSeeks) {
    const std::string path = Encode(GetParam(), 4.0, 660.0);
    harness.Start({path});
    ASSERT_EQ(EntryPaths(), std::vector<std::string>{path});
    harness.ClickMainButton(MainButton::Play);
    const auto heard = harness.Listen(1.2);
    ASSERT_TRUE(harness.Messages().empty()) << harness.Messages()[0].text;
    const auto tail = std::span(heard).subspan(heard.size() / 2);
    EXPECT_NEAR(ZeroCrossingFrequency(tail, kHarnessRate), 660.0, 8.0);
    EXPECT_GT(ChannelRms(tail, 1), 0.1);
    EXPECT_TRUE(TimeShows("00:01 / 00:04"));

    // The middle of the seek bar is two seconds in; the tone goes on there.
    harness.ClickMain(Centre(player().skin.Bar(BarKind::Seek).rect));
    harness.Listen(0.05);
    EXPECT_NEAR(StreamTimeMs(), 2050, 150);
    EXPECT_TRUE(TimeShows("00:02 / 00:04"));
    const auto afterSeek = harness.Listen(0.5);
    EXPECT_NEAR(ZeroCrossingFrequency(afterSeek, kHarnessRate), 660.0, 10.0);
}

INSTANTIATE_TEST_SUITE_P(Formats, EachFormat,
                         ::testing::Values(Format{"tone.flac", "flac", "flac"},
                                           Format{"tone.opus", "libopus", "ogg", 48000},
                                           Format{"tone.m4a", "aac", "ipod"},
                                           Format{"lossless.m4a", "alac", "ipod"},
                                           Format{"tone.aac", "aac", "adts"},
                                           Format{"tone.wv", "wavpack", "wv"},
                                           Format{"tone.oga", "flac", "ogg"}),
                         [](const ::testing::TestParamInfo<Format>& param) {
                             std::string name = param.param.file;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST_F(FormatsTest, HiResAndMonoPlayAtTheirPitchOnBothSides) {
    ToneSpec hiRes;
    hiRes.encoder = "flac";
    hiRes.container = "flac";
    hiRes.sampleRate = 96000;
    hiRes.bitsPerSample = 24;
    hiRes.seconds = 2.0;
    hiRes.frequency = 1000.0;
    ToneSpec mono = hiRes;
    mono.sampleRate = 44100;
    mono.bitsPerSample = 0;
    mono.channels = 1;
    mono.frequency = 500.0;
    harness.Start({Encode("hires.flac", hiRes), Encode("mono.wv", [&] {
                       ToneSpec wv = mono;
                       wv.encoder = "wavpack";
                       wv.container = "wv";
                       return wv;
                   }())});
    harness.ClickMainButton(MainButton::Play);
    auto heard = harness.Listen(1.0);
    ASSERT_TRUE(harness.Messages().empty()) << harness.Messages()[0].text;
    auto tail = std::span(heard).subspan(heard.size() / 2);
    EXPECT_NEAR(ZeroCrossingFrequency(tail, kHarnessRate), 1000.0, 10.0);
    EXPECT_TRUE(TimeShows("00:01 / 00:02"));

    harness.ClickMainButton(MainButton::NextSong);
    heard = harness.Listen(1.0);
    tail = std::span(heard).subspan(heard.size() / 2);
    EXPECT_NEAR(ZeroCrossingFrequency(tail, kHarnessRate, 0), 500.0, 6.0);
    EXPECT_NEAR(ZeroCrossingFrequency(tail, kHarnessRate, 1), 500.0, 6.0);
    EXPECT_NEAR(ChannelRms(tail, 0), ChannelRms(tail, 1), 0.01);
    EXPECT_GT(ChannelRms(tail, 0), 0.1);
}

TEST_F(FormatsTest, AFolderScanTakesTheNewFilesInTheirPlaceBesideTheOldOnes) {
    std::filesystem::create_directory(harness.Dir().File("music"));
    const Format flac{"music/b.flac", "flac", "flac"};
    const Format opus{"music/D.opus", "libopus", "ogg", 48000};
    const Format m4a{"music/e.m4a", "aac", "ipod"};
    const std::vector<std::string> expected{
        harness.WriteTone("music/a.mp3", 440.0, 0.5), Encode(flac, 0.5),
        harness.WriteTone("music/c.wav", 440.0, 0.5), Encode(opus, 0.5), Encode(m4a, 0.5)};
    harness.Dir().Write("music/list.m3u", "a.mp3\r\n");
    harness.Dir().Write("music/notes.txt", "not music");
    harness.Start({harness.Dir().File("music")});
    EXPECT_EQ(EntryPaths(), expected);
    EXPECT_TRUE(harness.Messages().empty());
}

TEST_F(FormatsTest, DropsTheOpenDialogAndPlaylistsAddThem) {
    const std::string flac = Encode(Format{"a.flac", "flac", "flac"}, 0.5);
    const std::string opus = Encode(Format{"b.opus", "libopus", "ogg", 48000}, 0.5);
    const std::string wv = Encode(Format{"c.wv", "wavpack", "wv"}, 0.5);
    harness.Start();
    harness.ClickMainButton(MainButton::PlayList);

    player().playlistWindowBridge.OnFilesDropped({flac});
    EXPECT_EQ(EntryPaths(), (std::vector<std::string>{flac}));

    harness.AnswerFileDialog(opus);
    harness.ClickPlaylistButton(kButtonAddTrack);
    EXPECT_EQ(EntryPaths(), (std::vector<std::string>{flac, opus}));

    const std::string list = harness.Dir().Write("list.m3u", "c.wv\r\na.flac\r\n");
    harness.ClickPlaylistButton(kButtonClear);
    harness.AnswerFileDialog(list);
    harness.ClickPlaylistButton(kButtonLoad);
    EXPECT_EQ(EntryPaths(), (std::vector<std::string>{wv, flac}));
    EXPECT_TRUE(harness.Messages().empty());
}

// Cut short, or with the index of an M4A broken: the player says it cannot
// open the file or plays what is there, and goes on running.
TEST_F(FormatsTest, DamagedFilesAreRefusedOrCutShortWithoutHarm) {
    const auto cut = [this](const Format& format, std::size_t keep) {
        const std::string path = Encode(format, 2.0);
        std::filesystem::resize_file(path, keep);
        return path;
    };
    const std::string m4a = Encode(Format{"moov.m4a", "aac", "ipod"}, 2.0);
    {
        // The MP4 muxer writes the index last; scribble over its box sizes.
        std::fstream file(m4a, std::ios::in | std::ios::out | std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), {});
        const auto moov = bytes.find("moov");
        ASSERT_NE(moov, std::string::npos);
        for (std::size_t at = moov + 4; at < bytes.size(); at += 97)
            bytes[at] = '\xff';
        file.seekp(0);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const std::vector<std::string> damaged{cut(Format{"cut.flac", "flac", "flac"}, 3000),
                                           cut(Format{"cut.opus", "libopus", "ogg", 48000}, 2000),
                                           cut(Format{"cut.m4a", "aac", "ipod"}, 4000),
                                           cut(Format{"head.flac", "flac", "flac"}, 20), m4a};
    harness.Start(damaged);
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        harness.ClickMainButton(MainButton::Play);
        harness.Listen(0.5);
        harness.ClickMainButton(MainButton::NextSong);
    }
    // The 20-byte FLAC at least cannot be opened.
    EXPECT_FALSE(harness.Messages().empty());
    for (const auto& message : harness.Messages())
        EXPECT_NE(message.text.find("Error while opening file"), std::string::npos) << message.text;

    harness.ClickMainButton(MainButton::PlayList);
    harness.ClickPlaylistButton(kButtonClear);
    player().playlistWindowBridge.OnFilesDropped({harness.WriteTone("after.flac", 880.0, 2.0)});
    harness.ClickMainButton(MainButton::Play);
    const auto heard = harness.Listen(1.0);
    EXPECT_NEAR(ZeroCrossingFrequency(std::span(heard).subspan(heard.size() / 2), kHarnessRate),
                880.0, 10.0);
}

} // namespace
} // namespace vantor::test
