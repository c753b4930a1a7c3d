// Loudness correction through the real player: a tagged track plays at the
// level its gain asks for under the choice made on the settings window's
// "その他" page, in every format that carries the values, and the choice is
// kept in a file of its own beside the settings.
#include "app/PlayerHarness.h"

#include "support/AudioEncoder.h"
#include "support/ByteBuilder.h"
#include "support/SpectrumMeasure.h"
#include "support/ToneMeasure.h"
#include "support/ZipWriter.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <taglib/mp4file.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace vantor::test {
namespace {

constexpr double kToneAmplitude = 0.3;
// The level of the encoded tone as decoded without correction.
const double kToneRms = kToneAmplitude / std::sqrt(2.0);

enum Mode { kOff = 0, kTrack = 1, kAlbum = 2 };

using Metadata = std::map<std::string, std::string>;

// An APE tag (version 2, footer only) of text items, as MP3 gain scanners
// append it.
Bytes ApeTag(const Metadata& items) {
    ByteBuilder body;
    for (const auto& [key, value] : items)
        body.U32LE(static_cast<std::uint32_t>(value.size())).U32LE(0).Text(key).U8(0).Text(value);
    ByteBuilder tag;
    tag.Append(body.Get()).Text("APETAGEX").U32LE(2000);
    tag.U32LE(static_cast<std::uint32_t>(body.Size() + 32))
        .U32LE(static_cast<std::uint32_t>(items.size()));
    tag.U32LE(0).Fill(8);
    return tag.Take();
}

class ReplayGainTest : public ::testing::Test {
protected:
    std::string Encode(const std::string& name, const Metadata& metadata,
                       const std::string& encoder = "flac", const std::string& container = "flac",
                       int sampleRate = 44100, double frequency = 440.0) {
        ToneSpec spec;
        spec.sampleRate = sampleRate;
        spec.frequency = frequency;
        spec.encoder = encoder;
        spec.container = container;
        spec.amplitude = kToneAmplitude;
        spec.seconds = 3.0;
        spec.metadata = metadata;
        std::string error;
        const std::string path = h.Dir().File(name);
        EXPECT_TRUE(EncodeTone(path, spec, &error)) << name << ": " << error;
        return path;
    }

    template <typename Control>
    Control& Find(const char* name) {
        auto* control = h.ShownControl<Control>(QString::fromLatin1(name));
        if (control == nullptr)
            throw std::runtime_error(std::string("the settings window shows no ") + name);
        return *control;
    }

    // Opens the settings window on its "その他" page.
    void OpenOtherPage() {
        h.ChooseMenuItem("Mnu_Config");
        auto& tree = Find<QTreeWidget>("categoryTree");
        const auto items =
            tree.findItems(QStringLiteral("その他"), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty());
        tree.setCurrentItem(items.front());
    }

    // Makes the choice on the page and closes the window with `button`.
    void Choose(Mode mode, double preampDb, const char* button = "okButton") {
        OpenOtherPage();
        Find<QComboBox>("replayGainMode").setCurrentIndex(mode);
        Find<QDoubleSpinBox>("replayGainPreamp").setValue(preampDb);
        QTest::mouseClick(&Find<QPushButton>(button), Qt::LeftButton);
    }

    // Starts the current track afresh and tells how loud it sounds, in dB
    // against the tone as encoded.
    double StartedLevelDb() {
        h.ClickMainButton(MainButton::Stop);
        h.ClickMainButton(MainButton::Play);
        h.Listen(0.2);
        return 20.0 * std::log10(ChannelRms(h.Listen(0.5), 0) / kToneRms);
    }

    // The key lines of Vantor.DVC, in order.
    std::vector<std::string> StoredKeys() const {
        std::ifstream file(h.Dir().File("Vantor.DVC"));
        std::vector<std::string> keys;
        for (std::string line; std::getline(file, line);) {
            if (line.starts_with('<'))
                keys.push_back(line);
        }
        return keys;
    }

    std::string StoredChoice() const { return ReadWholeFile(h.Dir().File("ReplayGain.DVC")); }

    PlayerHarness h;
};

TEST_F(ReplayGainTest, TheChosenGainAndPreampSetTheLevelATrackStartsAt) {
    h.Start({Encode("tagged.flac", {{"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"},
                                    {"REPLAYGAIN_ALBUM_GAIN", "-9.50 dB"}})});
    EXPECT_NEAR(StartedLevelDb(), 0.0, 0.1) << "off is the default: the tag changes nothing";

    Choose(kTrack, 0.0);
    EXPECT_NEAR(StartedLevelDb(), -6.0, 0.1);
    Choose(kAlbum, 0.0);
    EXPECT_NEAR(StartedLevelDb(), -9.5, 0.1);
    Choose(kTrack, 2.5);
    EXPECT_NEAR(StartedLevelDb(), -3.5, 0.1) << "the pre-amp adds to the tagged gain";

    Choose(kOff, 0.0, "cancelButton");
    EXPECT_NEAR(StartedLevelDb(), -3.5, 0.1) << "cancel keeps the choice as it was";
    Choose(kOff, 6.0, "applyButton");
    QTest::mouseClick(&Find<QPushButton>("cancelButton"), Qt::LeftButton);
    EXPECT_NEAR(StartedLevelDb(), 0.0, 0.1) << "off ignores the tag and the pre-amp";
    EXPECT_TRUE(h.Messages().empty());
}

TEST_F(ReplayGainTest, AlbumModeFallsBackToTheTrackGainAndUntaggedTracksStayAsTheyAre) {
    h.Start({Encode("track-only.flac", {{"REPLAYGAIN_TRACK_GAIN", "-4 dB"}}),
             Encode("untagged.flac", {}), Encode("bad.flac", {{"REPLAYGAIN_TRACK_GAIN", "loud"}})});
    Choose(kAlbum, 3.0);
    EXPECT_NEAR(StartedLevelDb(), -1.0, 0.1);
    h.ClickMainButton(MainButton::NextSong);
    EXPECT_NEAR(StartedLevelDb(), 0.0, 0.1) << "a track without a gain gets no pre-amp either";
    h.ClickMainButton(MainButton::NextSong);
    EXPECT_NEAR(StartedLevelDb(), 0.0, 0.1) << "a gain text that is no number is no gain";
}

TEST_F(ReplayGainTest, ClippingPreventionHoldsAGainBelowWhatThePeakAllows) {
    h.Start({Encode("peaked.flac",
                    {{"REPLAYGAIN_TRACK_GAIN", "+10.00 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.5"}}),
             Encode("unknown-peak.flac", {{"REPLAYGAIN_TRACK_GAIN", "+8.00 dB"}}),
             Encode("album-peak.flac", {{"REPLAYGAIN_TRACK_GAIN", "-3 dB"},
                                        {"REPLAYGAIN_TRACK_PEAK", "0.9"},
                                        {"REPLAYGAIN_ALBUM_GAIN", "+8 dB"},
                                        {"REPLAYGAIN_ALBUM_PEAK", "0.5"}})});
    Choose(kTrack, 0.0);
    // A peak of one half allows twice the level (+6.02 dB), not +10 dB.
    EXPECT_NEAR(StartedLevelDb(), 6.02, 0.1);
    h.ClickMainButton(MainButton::NextSong);
    EXPECT_NEAR(StartedLevelDb(), 8.0, 0.1) << "without a peak the gain is taken as it is";
    h.ClickMainButton(MainButton::NextSong);
    Choose(kAlbum, 0.0);
    EXPECT_NEAR(StartedLevelDb(), 6.02, 0.1) << "the album gain is held by the album's peak";
}

TEST_F(ReplayGainTest, EveryFormatThatCarriesTheValuesIsCorrected) {
    const Metadata minusSix{{"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"}};
    std::vector<std::string> files{
        // FFmpeg writes a TXXX frame named as given: any letter case counts.
        Encode("txxx.mp3", {{"replaygain_track_gain", "-6.00 dB"}}, "libmp3lame", "mp3"),
        Encode("comment.ogg", minusSix, "libvorbis", "ogg"),
        Encode("attribute.wma", minusSix, "wmav2", "asf"),
        Encode("comment.opus", minusSix, "libopus", "ogg", 48000),
        Encode("ape.wv", minusSix, "wavpack", "wv"),
        Encode("freeform.m4a", {}, "aac", "ipod"),
    };
    // MP3 gain scanners append an APE tag instead.
    const std::string ape = Encode("ape.mp3", {}, "libmp3lame", "mp3");
    {
        std::ofstream out(ape, std::ios::binary | std::ios::app);
        const Bytes tag = ApeTag(minusSix);
        out.write(reinterpret_cast<const char*>(tag.data()),
                  static_cast<std::streamsize>(tag.size()));
    }
    files.push_back(ape);
    {
        TagLib::MP4::File m4a(files[5].c_str());
        ASSERT_TRUE(m4a.isValid());
        m4a.tag()->setItem("----:com.apple.iTunes:replaygain_track_gain",
                           TagLib::MP4::Item(TagLib::StringList("-6.00 dB")));
        ASSERT_TRUE(m4a.save());
    }
    h.Start(files);
    Choose(kTrack, 0.0);
    for (const std::string& file : files) {
        // Lossy codecs may change the tone's level slightly.
        EXPECT_NEAR(StartedLevelDb(), -6.0, 0.5) << file;
        h.ClickMainButton(MainButton::NextSong);
    }
    EXPECT_TRUE(h.Messages().empty());
}

// Taggers put a cover picture into the comment header as one long comment,
// which spreads the header over many pages; the gain may come after it.
TEST_F(ReplayGainTest, AnOggGainAfterAnEmbeddedCoverPictureIsHeard) {
    h.Start({Encode("pictured.ogg",
                    {{"METADATA_BLOCK_PICTURE", std::string(200000, 'Q')},
                     {"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"}},
                    "libvorbis", "ogg")});
    Choose(kTrack, 0.0);
    EXPECT_NEAR(StartedLevelDb(), -6.0, 0.5);
}

TEST_F(ReplayGainTest, EachTrackOfANonStopOverlapSoundsWithItsOwnGain) {
    h.Start({Encode("first.flac", {{"REPLAYGAIN_TRACK_GAIN", "-6 dB"}}, "flac", "flac", 44100, 440),
             Encode("second.flac", {{"REPLAYGAIN_TRACK_GAIN", "-12 dB"}}, "flac", "flac", 44100,
                    1000)});
    Choose(kTrack, 0.0);
    h.ClickMainButton(MainButton::NonStopMegaMix);
    h.ClickMainButton(MainButton::Play);
    // The second track starts half a second before the first one ends.
    h.Listen(2.6);
    const Spectrum overlap(h.Listen(0.3), kHarnessRate);
    const double toneDb = 20.0 * std::log10(kToneAmplitude);
    EXPECT_NEAR(overlap.LevelDb(440), toneDb - 6.0, 0.3);
    EXPECT_NEAR(overlap.LevelDb(1000), toneDb - 12.0, 0.3);
}

TEST_F(ReplayGainTest, AZipMemberIsCorrectedByItsOwnTag) {
    const std::string mp3 =
        Encode("member.mp3", {{"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"}}, "libmp3lame", "mp3");
    const std::string bytes = ReadWholeFile(mp3);
    const ZipBuild zip = ZipArchive({{"member.mp3", Bytes(bytes.begin(), bytes.end())}});
    h.Start({h.Dir().Write("pack.zip", zip.bytes)});
    ASSERT_EQ(h.player().playlist.EntryCount(), 1);
    Choose(kTrack, 0.0);
    EXPECT_NEAR(StartedLevelDb(), -6.0, 0.5);
}

TEST_F(ReplayGainTest, TheChoiceIsKeptBesideTheSettingsAndADamagedFileMeansOff) {
    const std::string track = Encode("tagged.flac", {{"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"}});
    h.Start({track});
    h.Restart();
    const std::vector<std::string> keysBefore = StoredKeys();
    ASSERT_FALSE(keysBefore.empty());

    Choose(kAlbum, -2.5);
    EXPECT_EQ(StoredChoice(), "<Mode>\r\n album \r\n<Preamp>\r\n -2.5 \r\n");
    EXPECT_EQ(StoredKeys(), keysBefore) << "Vantor.DVC keeps its own keys only";

    h.Restart({track});
    OpenOtherPage();
    EXPECT_EQ(Find<QComboBox>("replayGainMode").currentIndex(), kAlbum);
    EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("replayGainPreamp").value(), -2.5);
    QTest::mouseClick(&Find<QPushButton>("cancelButton"), Qt::LeftButton);
    EXPECT_NEAR(StartedLevelDb(), -8.5, 0.1) << "album mode with the track's gain, and the pre-amp";

    const std::vector<std::string> damagedFiles{"<Mode>\r\n loud \r\n<Preamp>\r\n 0 \r\n",
                                                "<Mode>\r\n track \r\n<Preamp>\r\n 99 \r\n",
                                                "<Mode>\r\n track \r\n", std::string(5000, 'x')};
    for (const std::string& damaged : damagedFiles) {
        h.Exit(1);
        h.Dir().Write("ReplayGain.DVC", damaged);
        h.Start({track});
        EXPECT_NEAR(StartedLevelDb(), 0.0, 0.1) << damaged.substr(0, 40);
        OpenOtherPage();
        EXPECT_EQ(Find<QComboBox>("replayGainMode").currentIndex(), kOff);
        QTest::mouseClick(&Find<QPushButton>("cancelButton"), Qt::LeftButton);
    }
    EXPECT_TRUE(h.Messages().empty());
}

} // namespace
} // namespace vantor::test
