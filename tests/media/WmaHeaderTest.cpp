#include "media/WmaHeader.h"

#include "MediaTestUtil.h"
#include "support/AsfWriter.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using namespace vantor::test;

TEST(WmaHeaderTest, ContentDescriptionStreamAndCodec) {
    AsfSpec spec;
    spec.title = "Wma Title";
    spec.author = "Wma Author";
    spec.copyright = "(c)";
    spec.description = "Wma Description";
    spec.channels = 1;
    spec.sampleRate = 22050;
    spec.avgBytesPerSec = 4000;
    spec.maxBitrate = 33000;
    const WmaInfo w = ReadWmaHeader(AsfHeader(spec));
    EXPECT_EQ(w.Title, "Wma Title");
    EXPECT_EQ(w.Author, "Wma Author");
    EXPECT_EQ(w.Description, "Wma Description");
    EXPECT_EQ(w.Channels, 1);
    EXPECT_EQ(w.SampleRate, 22050);
    EXPECT_EQ(w.AvgBytesPerSec, 4000u);
    EXPECT_EQ(w.MaxBitrate, 33000u);
    EXPECT_EQ(w.CodecName, "Windows Media Audio V2");
    EXPECT_EQ(WmaChannelName(w.Channels), "Mono");
    EXPECT_EQ(WmaChannelName(2), "Stereo");
    EXPECT_EQ(WmaChannelName(6), "Unknown");
}

TEST(WmaHeaderTest, ExtendedAttributesByNameInAnyCase) {
    AsfSpec spec;
    spec.title = "Plain";
    spec.attributes = {{"WM/AlbumTitle", 0, "The Album", 0},
                       {"wm/genre", 0, "Genre", 0},
                       {"WM/Year", 0, "1999", 0},
                       {"WM/TrackNumber", 3, "", 12},
                       {"WM/Title", 0, "Extended", 0},
                       {"WM/Other", 3, "", 99}};
    const WmaInfo w = ReadWmaHeader(AsfHeader(spec));
    EXPECT_EQ(w.Album, "The Album");
    EXPECT_EQ(w.Genre, "Genre");
    EXPECT_EQ(w.Year, "1999");
    EXPECT_EQ(w.Track, "12");
    EXPECT_EQ(w.Title, "Extended");
}

TEST(WmaHeaderTest, LongTextsAreCutTo500Bytes) {
    AsfSpec spec;
    spec.title = std::string(400, 'T');
    spec.author = "After";
    spec.attributes = {{"WM/AlbumTitle", 0, std::string(300, 'A'), 0}, {"WM/Genre", 0, "Next", 0}};
    const WmaInfo w = ReadWmaHeader(AsfHeader(spec));
    EXPECT_EQ(w.Title, std::string(250, 'T'));
    EXPECT_EQ(w.Author, "After");
    EXPECT_EQ(w.Album, std::string(250, 'A'));
    EXPECT_EQ(w.Genre, "Next");
}

TEST(WmaHeaderTest, NotAsfAndDamagedHeaders) {
    EXPECT_EQ(ReadWmaHeader(BytesOf("OggS and more bytes than a GUID")).Title, "");
    AsfSpec spec;
    spec.title = "Cut";
    const Bytes header = AsfHeader(spec);
    for (std::size_t size = 0; size < header.size(); size += 7) {
        const Bytes cut(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(size));
        const WmaInfo w = ReadWmaHeader(cut);
        EXPECT_TRUE(w.Title.empty() || w.Title == "Cut");
    }
    // An object that claims to be larger than the header ends the walk.
    Bytes lying = header;
    lying[30 + 16] = 0xFF;
    lying[30 + 17] = 0xFF;
    EXPECT_EQ(ReadWmaHeader(lying).MaxBitrate, 0u);
}

} // namespace
} // namespace vantor
