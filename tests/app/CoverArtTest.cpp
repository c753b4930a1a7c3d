// Cover pictures in the file-information window of the real player: the
// front cover embedded in each format's tags, else a picture beside the
// file, drawn beside the facts with its shape kept; pictures that are
// broken or too large show nothing and harm nothing.
#include "app/EncodedFormat.h"
#include "app/PlayerHarness.h"
#include "media/TagLibLibrary.h"
#include "media/TaggedFormat.h"

#include "support/AudioEncoder.h"
#include "support/CoverWriter.h"
#include "support/MappedLibraries.h"
#include "support/PngWriter.h"
#include "ui/Form4.h"

#include <QColor>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantor::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

// A picture twice as wide as high: its left half one colour, its right half another.
std::vector<std::uint8_t> HalvesPng(QColor left, QColor right) {
    constexpr std::uint32_t kWidth = 16;
    constexpr std::uint32_t kHeight = 8;
    std::vector<std::uint8_t> rgb;
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        for (std::uint32_t x = 0; x < kWidth; ++x) {
            const QColor& c = x < kWidth / 2 ? left : right;
            rgb.insert(rgb.end(),
                       {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                        static_cast<std::uint8_t>(c.blue())});
        }
    }
    return MakeTruecolourPng(kWidth, kHeight, rgb).Bytes();
}

// Where the window shows pixels close to `colour` (JPEG shifts them a little).
QRect AreaOf(const QImage& image, QColor colour) {
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 &&
                std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

const Format kFlac{"tone.flac", "flac", "flac"};

class CoverArtTest : public ::testing::Test {
protected:
    Player& player() { return harness.player(); }

    std::string Encode(const Format& format) {
        ToneSpec spec;
        spec.encoder = format.encoder;
        spec.container = format.container;
        spec.sampleRate = format.sampleRate;
        spec.seconds = 0.5;
        std::string error;
        const std::string path = harness.Dir().File(format.file);
        EXPECT_TRUE(EncodeTone(path, spec, &error)) << format.file << ": " << error;
        return path;
    }

    std::string EncodeWithCover(const Format& format, const std::vector<std::uint8_t>& picture) {
        const std::string path = Encode(format);
        EXPECT_TRUE(EmbedPicture(path, picture, "image/png")) << format.file;
        return path;
    }

    // Opens the file information of list row `row` and returns the window.
    Form4& InformationOf(int row) {
        const SkinRect& list = player().skin.playListTextRect;
        const int height = player().surfaces.playListItemHeight;
        harness.ChoosePlaylistMenuItem(
            "ファイル情報", {(list.left + list.right) / 2, list.top + row * height + height / 2});
        const auto windows = player().playlistWindowBridge.Widget().findChildren<Form4*>();
        EXPECT_EQ(windows.size(), 1);
        return *windows.front();
    }

    // Whether the window shows a picture of the two halves side by side,
    // large enough to see and twice as wide as high, as the file's picture is.
    static testing::AssertionResult ShowsHalves(Form4& window, QColor left, QColor right) {
        const QImage image = window.grab().toImage();
        const QRect leftArea = AreaOf(image, left);
        const QRect rightArea = AreaOf(image, right);
        if (leftArea.isEmpty() || rightArea.isEmpty())
            return testing::AssertionFailure() << "the picture's colours are not shown";
        const QRect whole = leftArea | rightArea;
        if (leftArea.right() >= rightArea.left() || leftArea.height() != rightArea.height() ||
            whole.height() < 64 || std::abs(whole.width() - 2 * whole.height()) > 4)
            return testing::AssertionFailure()
                   << "left half at " << leftArea.x() << "," << leftArea.y() << " "
                   << leftArea.width() << "x" << leftArea.height() << ", right half at "
                   << rightArea.x() << "," << rightArea.y() << " " << rightArea.width() << "x"
                   << rightArea.height();
        // Beside the facts, not over them.
        if (whole.intersects(window.findChild<QPlainTextEdit*>()->geometry()))
            return testing::AssertionFailure() << "the picture covers the information lines";
        return testing::AssertionSuccess();
    }

    static bool ShowsNoCover(Form4& window) {
        const QImage image = window.grab().toImage();
        return !window.findChild<QLabel*>(QStringLiteral("cover"))->isVisible() &&
               AreaOf(image, kRed).isEmpty() && AreaOf(image, kBlue).isEmpty();
    }

    PlayerHarness harness;
};

class EachCoverFormat : public CoverArtTest, public ::testing::WithParamInterface<Format> {};

TEST_P(EachCoverFormat, TheEmbeddedCoverStandsBesideTheFacts) {
    harness.Start({EncodeWithCover(GetParam(), HalvesPng(kRed, kBlue))});
    harness.ClickMainButton(MainButton::PlayList);
    Form4& window = InformationOf(0);
    EXPECT_TRUE(ShowsHalves(window, kRed, kBlue));
    EXPECT_FALSE(window.Information().isEmpty());
    EXPECT_TRUE(harness.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, EachCoverFormat,
                         ::testing::Values(kFlac, Format{"tone.mp3", "libmp3lame", "mp3"},
                                           Format{"tone.m4a", "aac", "ipod"},
                                           Format{"tone.opus", "libopus", "ogg", 48000},
                                           Format{"tone.wv", "wavpack", "wv"},
                                           Format{"tone.wma", "wmav2", "asf"}),
                         [](const ::testing::TestParamInfo<Format>& param) {
                             std::string name = param.param.file;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST_F(CoverArtTest, AnMp3WithoutAPictureShowsNoneAndLeavesTagLibUnloaded) {
    harness.Start({Encode(Format{"plain.mp3", "libmp3lame", "mp3"})});
    harness.ClickMainButton(MainButton::PlayList);
    EXPECT_TRUE(ShowsNoCover(InformationOf(0)));
    EXPECT_FALSE(LibraryMapped(kTagLibLibraryName));
    // A FLAC file's tags need it.
    EXPECT_TRUE(ReadTaggedFormat(Encode(kFlac), "FLAC").Readable);
    EXPECT_TRUE(LibraryMapped(kTagLibLibraryName));
}

TEST_F(CoverArtTest, AnMp3KeepsItsCoverInAnApeTagToo) {
    const std::string path = Encode(Format{"ape.mp3", "libmp3lame", "mp3"});
    ASSERT_TRUE(EmbedApeFrontCover(path, HalvesPng(kRed, kBlue)));
    harness.Start({path});
    harness.ClickMainButton(MainButton::PlayList);
    EXPECT_TRUE(ShowsHalves(InformationOf(0), kRed, kBlue));
}

TEST_F(CoverArtTest, TheFrontCoverIsChosenAmongSeveral) {
    const std::string path = Encode(kFlac);
    ASSERT_TRUE(EmbedPicture(path, HalvesPng(kGreen, kYellow), "image/png", kBackCover));
    ASSERT_TRUE(EmbedPicture(path, HalvesPng(kRed, kBlue), "image/png", kFrontCover));
    harness.Start({path});
    harness.ClickMainButton(MainButton::PlayList);
    EXPECT_TRUE(ShowsHalves(InformationOf(0), kRed, kBlue));
}

// A folder's picture serves the files without one of their own, or whose
// tag holds only a link to a picture; one with its own keeps it. The next
// file's window has no picture left over.
TEST_F(CoverArtTest, APictureBesideTheFileServesWhenItHasNoneOfItsOwn) {
    std::filesystem::create_directories(harness.Dir().File("album"));
    std::filesystem::create_directories(harness.Dir().File("other"));
    QImage folderPicture(160, 80, QImage::Format_RGB32);
    folderPicture.fill(kRed);
    for (int y = 0; y < 80; ++y) {
        for (int x = 80; x < 160; ++x)
            folderPicture.setPixelColor(x, y, kBlue);
    }
    ASSERT_TRUE(folderPicture.save(QString::fromStdString(harness.Dir().File("album/Folder.JPG")),
                                   "JPG", 100));
    const std::string plain = Encode(Format{"album/a.flac", "flac", "flac"});
    const std::string own =
        EncodeWithCover(Format{"album/b.flac", "flac", "flac"}, HalvesPng(kGreen, kYellow));
    const std::string link = Encode(Format{"album/d.mp3", "libmp3lame", "mp3"});
    const std::string address = "http://example.com/cover.jpg";
    ASSERT_TRUE(EmbedPicture(
        link, {reinterpret_cast<const std::uint8_t*>(address.data()), address.size()}, "-->"));
    const std::string none = Encode(Format{"other/c.flac", "flac", "flac"});
    harness.Start({plain, own, link, none});
    harness.ClickMainButton(MainButton::PlayList);
    EXPECT_TRUE(ShowsHalves(InformationOf(0), kRed, kBlue));
    EXPECT_TRUE(ShowsHalves(InformationOf(1), kGreen, kYellow));
    EXPECT_TRUE(ShowsHalves(InformationOf(2), kRed, kBlue));
    EXPECT_TRUE(ShowsNoCover(InformationOf(3)));
}

// Bytes that are no picture; a PICTURE block claiming 16 MiB in a file of a
// few kilobytes; a picture (valid, with junk after it) beyond the size limit.
TEST_F(CoverArtTest, BrokenOrHugePicturesShowNoCoverAndHarmNothing) {
    const std::string garbage = Encode(Format{"garbage.flac", "flac", "flac"});
    std::vector<std::uint8_t> notPicture = HalvesPng(kRed, kBlue);
    std::fill(notPicture.begin() + 8, notPicture.end(), std::uint8_t{0x5a});
    ASSERT_TRUE(EmbedPicture(garbage, notPicture, "image/png"));

    const std::string claims = Encode(Format{"claims.flac", "flac", "flac"});
    {
        std::fstream file(claims, std::ios::in | std::ios::out | std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), {});
        const std::size_t afterStreamInfo = 4 + 4 + 34;
        bytes.insert(afterStreamInfo, std::string("\x06\xff\xff\xff"
                                                  "\0\0\0\x03\x7f\xff\xff\xff",
                                                  12));
        file.seekp(0);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    const std::string huge = Encode(Format{"huge.mp3", "libmp3lame", "mp3"});
    std::vector<std::uint8_t> oversized = HalvesPng(kRed, kBlue);
    oversized.resize((std::size_t{16} << 20) + 1024, 0);
    ASSERT_TRUE(EmbedPicture(huge, oversized, "image/png"));

    harness.Start({garbage, claims, huge});
    harness.ClickMainButton(MainButton::PlayList);
    for (int row = 0; row < 3; ++row) {
        Form4& window = InformationOf(row);
        EXPECT_TRUE(ShowsNoCover(window)) << row;
        EXPECT_FALSE(window.Information().isEmpty()) << row;
    }
    EXPECT_TRUE(harness.Messages().empty());
}

} // namespace
} // namespace vantor::test
