#include "media/ZipMembers.h"

#include "MediaTestUtil.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using namespace vantor::test;

class ZipMembersTest : public ::testing::Test {
protected:
    ZipScan Scan(const Bytes& bytes) {
        return ScanZipArchive(bytes, "/music/pack.zip", m_messages);
    }

    FakeMessageBoxes m_messages;
};

TEST_F(ZipMembersTest, StoredPlayableMembersWithTheirByteRanges) {
    const ZipBuild zip = ZipArchive({{"readme.txt", BytesOf("hello"), false, false},
                                     {"music/a/song.MP3", Bytes(1000, 0xAA), false, false},
                                     {"b.ogg", Bytes(300, 0xBB), false, false},
                                     {"c.Wav", Bytes(10, 0xCC), false, false},
                                     {"d.wma", Bytes(11, 1), false, false},
                                     {"e.mp2", Bytes(12, 2), false, false}});
    const ZipScan scan = Scan(zip.bytes);
    EXPECT_EQ(scan.Result, 1);
    ASSERT_EQ(scan.Members.size(), 5u);
    EXPECT_EQ(scan.Members[0].MemberName, "song.MP3");
    EXPECT_EQ(scan.Members[0].MemberStart, static_cast<std::int32_t>(zip.dataStarts[1]));
    EXPECT_EQ(scan.Members[0].MemberEnd, static_cast<std::int32_t>(zip.dataStarts[1] + 1000 - 1));
    EXPECT_EQ(scan.Members[1].MemberName, "b.ogg");
    EXPECT_EQ(scan.Members[4].MemberName, "e.mp2");
    EXPECT_EQ(zip.bytes[static_cast<std::size_t>(scan.Members[1].MemberStart)], 0xBB);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ZipMembersTest, ArchiveOfTextFilesAppendsNothingButIsAnArchive) {
    const ZipBuild zip =
        ZipArchive({{"a.txt", BytesOf("a"), false, false}, {"b.txt", BytesOf("b"), true, false}});
    const ZipScan scan = Scan(zip.bytes);
    EXPECT_EQ(scan.Result, 1);
    EXPECT_TRUE(scan.Members.empty());
}

TEST_F(ZipMembersTest, NotAnArchive) {
    EXPECT_EQ(Scan(BytesOf("ID3\x03 not a zip")).Result, 0);
    EXPECT_EQ(Scan({}).Result, 0);
}

TEST_F(ZipMembersTest, DeflatedPlayableMemberStopsTheWalkWithAMessage) {
    const ZipBuild zip = ZipArchive({{"first.mp3", Bytes(200, 0x11), false, false},
                                     {"second.mp3", Bytes(5000, 0x22), true, false},
                                     {"third.mp3", Bytes(200, 0x33), false, false}});
    const ZipScan scan = Scan(zip.bytes);
    EXPECT_EQ(scan.Result, 1);
    ASSERT_EQ(scan.Members.size(), 1u);
    EXPECT_EQ(scan.Members[0].MemberName, "first.mp3");
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0],
              (ShownMessage{"/music/pack.zipは無圧縮Zipではないので、処理できません。", "Vantor",
                            MessageIcon::Information}));
}

TEST_F(ZipMembersTest, DataDescriptorEndsTheWalkAsNotAnArchive) {
    const ZipBuild zip =
        ZipArchive({{"a.mp3", Bytes(50, 1), false, true}, {"b.mp3", Bytes(50, 2), false, false}});
    const ZipScan scan = Scan(zip.bytes);
    EXPECT_EQ(scan.Result, 0);
    // Its size is known only after the data, so it names no playable range.
    EXPECT_TRUE(scan.Members.empty());
}

TEST_F(ZipMembersTest, ArchiveWithoutCentralDirectoryKeepsItsMembers) {
    const ZipBuild zip = ZipArchive({{"a.mp3", Bytes(50, 1), false, false}}, false);
    const ZipScan scan = Scan(zip.bytes);
    EXPECT_EQ(scan.Result, 1);
    EXPECT_EQ(scan.Members.size(), 1u);
}

TEST_F(ZipMembersTest, MemberRunningPastTheEndIsNotAppended) {
    ZipBuild zip = ZipArchive(
        {{"a.mp3", Bytes(50, 1), false, false}, {"b.mp3", Bytes(50, 2), false, false}}, false);
    zip.bytes.resize(zip.bytes.size() - 10);
    const ZipScan scan = Scan(zip.bytes);
    EXPECT_EQ(scan.Result, 1);
    ASSERT_EQ(scan.Members.size(), 1u);
    EXPECT_EQ(scan.Members[0].MemberName, "a.mp3");
}

TEST_F(ZipMembersTest, NamesInTheLegacyCodePage) {
    const ScopedCodePage japanese(932);
    const ZipBuild zip = ZipArchive({{"\x89\xb9\x8a\x79/\x8b\xc8.mp3", Bytes(5, 1), false, false}});
    const ZipScan scan = Scan(zip.bytes);
    ASSERT_EQ(scan.Members.size(), 1u);
    EXPECT_EQ(scan.Members[0].MemberName, "曲.mp3");
}

TEST_F(ZipMembersTest, ReadsFromAFile) {
    TempDir dir;
    const std::string path =
        dir.Write("x.zip", ZipArchive({{"x.mp3", Bytes(9, 1), false, false}}).bytes);
    EXPECT_EQ(ScanZipArchive(path, m_messages).Members.size(), 1u);
    EXPECT_EQ(ScanZipArchive(dir.File("missing.zip"), m_messages).Result, 0);
}

TEST(MemberFileNameTest, PartAfterTheLastSlash) {
    EXPECT_EQ(MemberFileName("music/a/song.MP3"), "song.MP3");
    EXPECT_EQ(MemberFileName("plain.mp3"), "plain.mp3");
    EXPECT_EQ(MemberFileName("folder/"), "");
    EXPECT_TRUE(IsPlayableMemberName("X.MP2"));
    EXPECT_FALSE(IsPlayableMemberName("x.mp3.txt"));
    EXPECT_FALSE(IsPlayableMemberName("mp3"));
}

} // namespace
} // namespace vantor
