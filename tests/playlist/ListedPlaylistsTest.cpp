// Lists other programs write: ".m3u8", ".pls" and ".xspf", read into the
// playlist with their titles and lengths pending until the tags are read,
// their locations resolved against the list's folder, and damaged or hostile
// files ending in a clear result.
#include "base/TextEncoding.h"
#include "playlist/PlaylistFile.h"
#include "playlist/XmlPullReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::TempDir;

class ListedPlaylistsTest : public ::testing::Test {
protected:
    void SetUp() override { playlist.ResetToSpare(); }

    // Loads `text` as a list in the temp folder and trims the spare element
    // the way an add does.
    bool Load(std::string_view name, std::string_view text) {
        if (playlist.HasEntries == 1)
            playlist.GrowSpare();
        const bool ok = LoadPlaylistFile(dir.Write(name, text), playlist);
        playlist.TrimSpare();
        return ok;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (std::int32_t i = 0; i < playlist.EntryCount(); ++i)
            paths.push_back(playlist.Playlist[static_cast<std::size_t>(i)].Path);
        return paths;
    }
    const PlaylistEntry& At(std::size_t i) const { return playlist.Playlist.at(i); }

    TempDir dir;
    PlaylistState playlist;
};

TEST_F(ListedPlaylistsTest, M3u8TakesExtinfTitlesAndLengthsForTheNextLocationOnly) {
    const auto a = dir.Write("a.flac", "x");
    const auto b = dir.Write("sub/b c.opus", "x");
    ASSERT_TRUE(Load("list.m3u8", "\xEF\xBB\xBF#EXTM3U\r\n"
                                  "#EXTINF:215,Ann - First\r\n"
                                  "a.flac\r\n"
                                  "#EXTINF:61,Gone - Missing\r\n"
                                  "missing.flac\r\n"
                                  "sub/b c.opus\n"
                                  "#EXTINF:-1 tvg-name=\"x,y\",Ann - Third\n" +
                                      std::string(a) + "\n"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, b, a}));
    EXPECT_EQ(At(0).PendingTitle, "Ann - First");
    EXPECT_EQ(At(0).LengthText, "3:35");
    // The missing file's facts are not passed on to the track after it.
    EXPECT_EQ(At(1).PendingTitle, "");
    EXPECT_EQ(At(1).LengthText, "");
    EXPECT_EQ(At(2).PendingTitle, "Ann - Third");
    EXPECT_EQ(At(2).LengthText, "");
    // The record's own fields stay for the tag reader to fill.
    EXPECT_EQ(At(0).Title, "");
    EXPECT_EQ(At(0).LengthMs, Fixed4{});
}

TEST_F(ListedPlaylistsTest, M3u8IsUtf8WhateverTheLocaleAndBadBytesBecomeReplacements) {
    SetLegacyCodePage(932);
    const auto song = dir.Write("曲.flac", "x");
    ASSERT_TRUE(Load("list.m3u8", "#EXTINF:10,曲 \x8B\xC8!\n曲.flac\n\x8B\xC8.flac\n"));
    // A Shift-JIS name is not taken for the UTF-8 one, as an ".m3u" would.
    EXPECT_EQ(Paths(), std::vector<std::string>{song});
    EXPECT_EQ(At(0).PendingTitle, "曲 \xEF\xBF\xBD\xEF\xBF\xBD!");
    SetLegacyCodePage(1252);
}

TEST_F(ListedPlaylistsTest, FileUrisArePercentDecodedAndOtherSchemesSkipped) {
    const auto song = dir.Write("My Music/a+b é.flac", "x");
    std::string uri = "file://" + dir.Path() + "My%20Music/a+b%20%C3%A9.flac";
    ASSERT_TRUE(Load("list.m3u8", uri + "\nfile://localhost" + dir.Path() +
                                      "My%20Music/a+b%20%c3%a9.flac\n"
                                      "file://elsewhere/My%20Music/a.flac\n"
                                      "http://radio.example/stream.mp3\n"
                                      "My Music/a+b é.flac\n"
                                      "My%20Music/a+b%20%C3%A9.flac\n"));
    // A plain path in an M3U8 line is taken as it is written.
    EXPECT_EQ(Paths(), (std::vector<std::string>{song, song, song}));
}

TEST_F(ListedPlaylistsTest, PlsTakesFilesInTheOrderOfTheirNumbersWithTitlesAndLengths) {
    const auto a = dir.Write("a.flac", "x");
    const auto b = dir.Write("music/b.m4a", "x");
    ASSERT_TRUE(Load("list.pls", "[playlist]\r\n"
                                 "NumberOfEntries=1\r\n"
                                 "File10=" +
                                     std::string("file://") + dir.Path() +
                                     "a.flac\r\n"
                                     "Title10=Ann - Ten\r\n"
                                     "Length10=-1\r\n"
                                     "file2 = music/b.m4a\r\n"
                                     "Title2=Ann - Two\r\n"
                                     "Length2=125\r\n"
                                     "File3=missing.flac\r\n"
                                     "Title3=Never\r\n"
                                     "[other]\r\n"
                                     "File1=a.flac\r\n"
                                     "Version=2\r\n"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(At(0).PendingTitle, "Ann - Two");
    EXPECT_EQ(At(0).LengthText, "2:05");
    EXPECT_EQ(At(1).PendingTitle, "Ann - Ten");
    EXPECT_EQ(At(1).LengthText, "");
}

TEST_F(ListedPlaylistsTest, XspfTakesUrisRelativeLocationsTitlesAndDurations) {
    const auto a = dir.Write("a b.flac", "x");
    const auto b = dir.Write("sub/c&d.opus", "x");
    ASSERT_TRUE(
        Load("list.xspf", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!-- made elsewhere -->\n"
                          "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">\n"
                          " <title>Not a track</title>\n"
                          " <trackList>\n"
                          "  <track>\n"
                          "   <location>file://" +
                              dir.Path() +
                              "a%20b.flac</location>\n"
                              "   <title>Ann &amp; Bo &#x2013; <![CDATA[<One>]]></title>\n"
                              "   <duration>215000</duration>\n"
                              "  </track>\n"
                              "  <track><location>http://radio.example/x.mp3</location>"
                              "<title>Radio</title></track>\n"
                              "  <track>\n"
                              "   <location> sub/c%26d.opus </location>\n"
                              "   <location>missing.flac</location>\n"
                              "   <extension application=\"x\"><title>Inner</title></extension>\n"
                              "  </track>\n"
                              "  <track><title>No location</title></track>\n"
                              " </trackList>\n"
                              "</playlist>\n"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, b}));
    ASSERT_EQ(playlist.EntryCount(), 2);
    EXPECT_EQ(At(0).PendingTitle, "Ann & Bo \xE2\x80\x93 <One>");
    EXPECT_EQ(At(0).LengthText, "3:35");
    // A title inside an extension is not the track's.
    EXPECT_EQ(At(1).PendingTitle, "");
}

TEST_F(ListedPlaylistsTest, BrokenXmlKeepsTheTracksBeforeTheBreak) {
    const auto a = dir.Write("a.flac", "x");
    const std::string head = "<playlist><trackList><track><location>a.flac</location></track>";
    EXPECT_FALSE(Load("cut.xspf", head + "<track><location>a.fl"));
    EXPECT_FALSE(Load("crossed.xspf", head + "<track><title>x</track></title>"));
    EXPECT_FALSE(Load("attribute.xspf", head + "<track a=\"1></track>"));
    EXPECT_TRUE(Load("whole.xspf", head + "</trackList></playlist>"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, a, a, a}));
}

TEST_F(ListedPlaylistsTest, HostileXmlCostsNoMoreThanItsSize) {
    const auto a = dir.Write("a.flac", "x");
    // Entities are never declared into the text: the "laughs" stay unread.
    const std::string bomb = "<!DOCTYPE p [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
                             "<playlist><trackList><track><location>a.flac</location>"
                             "<title>&b;&#0;&#x110000;&#xD800;&unknown;</title>"
                             "</track></trackList></playlist>";
    ASSERT_TRUE(Load("bomb.xspf", bomb));
    ASSERT_EQ(playlist.EntryCount(), 1);
    EXPECT_EQ(At(0).PendingTitle, "&b;\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD&unknown;");

    std::string deep;
    for (std::size_t i = 0; i <= kMaxXmlDepth; ++i)
        deep += "<a>";
    XmlPullReader reader(deep);
    std::size_t starts = 0;
    while (reader.Next() == XmlPullReader::Event::StartElement)
        ++starts;
    EXPECT_EQ(starts, kMaxXmlDepth);
    EXPECT_EQ(reader.Next(), XmlPullReader::Event::Error);
    EXPECT_FALSE(Load("deep.xspf", deep));
}

TEST_F(ListedPlaylistsTest, AListTooLargeToBeAListIsRefusedWhole) {
    const auto a = dir.Write("a.flac", "x");
    constexpr std::size_t kLargest = 16 * 1024 * 1024;
    std::string huge = "a.flac\n#";
    huge.resize(kLargest + 1, 'x');
    EXPECT_FALSE(Load("huge.m3u8", huge));
    EXPECT_EQ(playlist.EntryCount(), 0);
    huge.resize(kLargest);
    EXPECT_TRUE(Load("large.m3u8", huge));
    EXPECT_EQ(Paths(), std::vector<std::string>{a});
}
} // namespace
} // namespace vantor
