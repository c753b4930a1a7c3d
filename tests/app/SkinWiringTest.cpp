#include "app/PlayerHarness.h"

#include "playlist/TagReader.h"
#include "support/AudioEncoder.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

class SkinWiringTest : public ::testing::Test {
protected:
    PlayerHarness harness;
};

// oggenc and FFmpeg write their field names in lower case.
TEST_F(SkinWiringTest, AnOggFileWithLowerCaseFieldNamesShowsItsTitleAndArtist) {
    const std::string path = harness.Dir().File("lower.ogg");
    std::string error;
    ASSERT_TRUE(EncodeTone(path,
                           {.encoder = "libvorbis",
                            .container = "ogg",
                            .vbrQuality = 3,
                            .seconds = 2.0,
                            .metadata = {{"title", "Quiet Song"}, {"artist", "Small Band"}}},
                           &error))
        << error;
    Player& player = harness.Start({path});
    harness.ClickMainButton(MainButton::Play);
    harness.Listen(0.2);
    EXPECT_EQ(player.player.TitleText, "Quiet Song");
    while (!TagReaderTick(player.playlistContext).empty()) {
    }
    EXPECT_EQ(player.playlist.Playlist.at(0).Title, "Small Band - Quiet Song");
}

} // namespace
} // namespace vantor::test
