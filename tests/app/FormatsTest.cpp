// FLAC, Opus, AAC, ALAC and WavPack files through the real player: found by
// folder scans, drops, the open dialog and playlists, played at their pitch
// and length, seekable, and damaged ones refused without harm.
#include "app/EncodedFormat.h"
#include "app/PlayerHarness.h"

#include "playlist/PlaylistWindow.h"
#include "support/AudioEncoder.h"
#include "support/ToneMeasure.h"
#include "ui/Form4.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantor::test {
namespace {

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

    // Lets the tag reader read the whole list, a tick at a time.
    void ReadTags() {
        for (int ticks = 0; ticks < 100 && player().tagReaderTimer.isActive(); ++ticks)
            player().playlistWindow.OnTagReaderTick();
    }

    bool FieldShows(TextField field, const std::string& text) {
        return harness.FieldImage(field) == harness.FieldImageShowing(field, text);
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

TEST_F(FormatsTest, TagsFillTheListRowsTheSongLineAndTheTechnicalFields) {
    const auto tagged = [this](const Format& format, const std::string& title) {
        ToneSpec spec;
        spec.encoder = format.encoder;
        spec.container = format.container;
        spec.sampleRate = format.sampleRate;
        spec.seconds = 2.0;
        spec.metadata = {{"title", title},
                         {"artist", "Ann"},
                         {"album", "Tones"},
                         {"comment", "quiet"},
                         {"track", "3"}};
        return Encode(format.file, spec);
    };
    const std::vector<std::string> files{tagged(Format{"a.flac", "flac", "flac"}, "Lossless"),
                                         tagged(Format{"b.opus", "libopus", "ogg", 48000}, "Small"),
                                         tagged(Format{"c.m4a", "aac", "ipod"}, "Apple"),
                                         tagged(Format{"d.m4a", "alac", "ipod"}, "Apple lossless"),
                                         tagged(Format{"e.wv", "wavpack", "wv"}, "Packed")};
    // The styles are set before the files arrive, so that no row is titled
    // by the default style whatever the tag reader managed meanwhile.
    harness.Start();
    player().settings.PlayListStyle = "%1 - %2 [%3/%4/%7]";
    player().settings.SongInfoStyle = "%2 by %1";
    player().settings.ShowTrackPlayTime = 1;
    player().playlistWindowBridge.OnFilesDropped(files);
    harness.ClickMainButton(MainButton::PlayList);
    ReadTags();
    const std::vector<std::string> titles{"Lossless", "Small", "Apple", "Apple lossless", "Packed"};
    const auto rows = player().playlistWindow.Rows();
    ASSERT_EQ(rows.size(), titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(rows[i].title, "Ann - " + titles[i] + " [Tones/quiet/3]");
        EXPECT_EQ(rows[i].time, "0:02") << titles[i];
    }

    harness.ClickMainButton(MainButton::Play);
    harness.Listen(0.2);
    EXPECT_EQ(harness.SongLinePicture(),
              harness.SongLinePictureShowing("Lossless by Ann (0:02)      "));
    EXPECT_TRUE(FieldShows(TextField::SongFormat, "FLAC 16bit"));
    EXPECT_TRUE(FieldShows(TextField::SongKhz, "44KHz"));
    EXPECT_TRUE(FieldShows(TextField::SongMode, "Stereo"));
    EXPECT_FALSE(harness.FieldIsBlank(TextField::SongKbps));
    const std::vector<std::string> formats{"Opus", "AAC", "ALAC 16bit", "WavPack 16bit"};
    const std::vector<std::string> rates{"48KHz", "44KHz", "44KHz", "44KHz"};
    for (std::size_t i = 0; i < formats.size(); ++i) {
        harness.ClickMainButton(MainButton::NextSong);
        harness.Listen(0.2);
        EXPECT_TRUE(FieldShows(TextField::SongFormat, formats[i])) << formats[i];
        EXPECT_TRUE(FieldShows(TextField::SongKhz, rates[i])) << formats[i];
        EXPECT_EQ(harness.SongLinePicture(),
                  harness.SongLinePictureShowing(titles[i + 1] + " by Ann (0:02)      "));
    }
    EXPECT_TRUE(harness.Messages().empty());
}

TEST_F(FormatsTest, FileInformationShowsTheFormatsOwnFacts) {
    ToneSpec spec;
    spec.encoder = "flac";
    spec.container = "flac";
    spec.sampleRate = 96000;
    spec.bitsPerSample = 24;
    spec.channels = 1;
    spec.seconds = 3.0;
    spec.metadata = {{"title", "Deep"},
                     {"artist", "Ann"},
                     {"date", "2024"},
                     {"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"}};
    const std::string path = Encode("deep.flac", spec);
    harness.Start({path});
    harness.ClickMainButton(MainButton::PlayList);
    const SkinRect& list = player().skin.playListTextRect;
    harness.ChoosePlaylistMenuItem(
        "ファイル情報",
        {(list.left + list.right) / 2, list.top + player().surfaces.playListItemHeight / 2});
    const auto windows = player().playlistWindowBridge.Widget().findChildren<Form4*>();
    ASSERT_EQ(windows.size(), 1);
    const std::string text = windows.front()->Information().toStdString();
    for (const std::string line :
         {"FileFormat : FLAC 24bit\n", "SampleRate : 96000Hz\n", "Channel : 1ch\n",
          "PlayTime : 0:03\n", "Year : 2024\n", "ReplayGain(Track) : -6.00 dB"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
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
    // A PICTURE block that claims 16 MiB, with a MIME type as long, in a file
    // of a few kilobytes.
    const std::string picture = Encode(Format{"picture.flac", "flac", "flac"}, 2.0);
    {
        std::fstream file(picture, std::ios::in | std::ios::out | std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), {});
        const std::size_t afterStreamInfo = 4 + 4 + 34;
        bytes.insert(afterStreamInfo, std::string("\x06\xff\xff\xff"
                                                  "\0\0\0\x03\x7f\xff\xff\xff",
                                                  12));
        file.seekp(0);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const std::vector<std::string> damaged{cut(Format{"cut.flac", "flac", "flac"}, 3000),
                                           cut(Format{"cut.opus", "libopus", "ogg", 48000}, 2000),
                                           cut(Format{"cut.m4a", "aac", "ipod"}, 4000),
                                           cut(Format{"head.flac", "flac", "flac"}, 20),
                                           m4a,
                                           picture};
    harness.Start(damaged);
    harness.ClickMainButton(MainButton::PlayList);
    ReadTags();
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        harness.ClickMainButton(MainButton::Play);
        harness.Listen(0.5);
        harness.ClickMainButton(MainButton::NextSong);
    }
    // The 20-byte FLAC at least cannot be opened.
    EXPECT_FALSE(harness.Messages().empty());
    for (const auto& message : harness.Messages())
        EXPECT_NE(message.text.find("Error while opening file"), std::string::npos) << message.text;

    harness.ClickPlaylistButton(kButtonClear);
    player().playlistWindowBridge.OnFilesDropped({harness.WriteTone("after.flac", 880.0, 2.0)});
    harness.ClickMainButton(MainButton::Play);
    const auto heard = harness.Listen(1.0);
    EXPECT_NEAR(ZeroCrossingFrequency(std::span(heard).subspan(heard.size() / 2), kHarnessRate),
                880.0, 10.0);
}

} // namespace
} // namespace vantor::test
