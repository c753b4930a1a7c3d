// The player on a system without FFmpeg: ctest runs this program with a
// library of FFmpeg's name that holds none of its functions ahead of the real
// ones (tests/app/CMakeLists.txt), so the engine's lazy binding finds nothing
// to bind. A FLAC or Opus file then gives the open error every undecodable
// file gives, nothing crashes, and the formats the engine decodes itself go
// on playing. This program links no FFmpeg of its own, so its test files are
// written by hand: only their first bytes matter when nothing can decode them.
#include "app/PlayerHarness.h"

#include "support/AudioEncoder.h"
#include "support/ByteBuilder.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vantor::test {

// The harness encodes its tones through FFmpeg, which this program must not
// link: here only WAV tones, which need no encoder, can be written.
bool EncodeTone(const std::string& path, const ToneSpec&, std::string* error) {
    if (error != nullptr)
        *error = "no encoder without FFmpeg: " + path;
    return false;
}

namespace {

// The FFmpeg libraries mapped into this process, by path.
std::vector<std::string> MappedFfmpeg() {
    std::vector<std::string> paths;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto path = line.find('/');
        if (path != std::string::npos && line.find("libavformat.so", path) != std::string::npos)
            paths.push_back(line.substr(path));
    }
    return paths;
}

// "fLaC" and a STREAMINFO block: one second of 16-bit stereo at 44.1 kHz.
Bytes FlacHead() {
    ByteBuilder b;
    b.Text("fLaC").U8(0x80).U24BE(34);
    b.U16BE(4096).U16BE(4096).U24BE(0).U24BE(0);
    // 44100 Hz (20 bits), 2 channels - 1 (3 bits), 16 bits - 1 (5 bits), 44100 samples (36 bits).
    b.U32BE((44100u << 12) | (1u << 9) | (15u << 4)).U32BE(44100);
    return Concat({b.Get(), Bytes(16, 0)});
}

// The first Ogg page of an Opus stream: its "OpusHead" packet.
Bytes OpusHead() {
    ByteBuilder packet;
    packet.Text("OpusHead").U8(1).U8(2).U16LE(312).U32LE(48000).U16LE(0).U8(0);
    ByteBuilder page;
    page.Text("OggS").U8(0).U8(2).U64LE(0).U32LE(0x1234).U32LE(0).U32LE(0);
    page.U8(1).U8(static_cast<std::uint32_t>(packet.Size()));
    return Concat({page.Get(), packet.Get()});
}

TEST(NoFfmpegTest, FlacAndOpusCannotBeOpenedAndTheEngineGoesOnPlayingWhatItDecodes) {
    PlayerHarness harness;
    const std::string flac = harness.Dir().Write("a.flac", FlacHead());
    const std::string opus = harness.Dir().Write("b.opus", OpusHead());
    const std::string wave = harness.WriteTone("c.wav", 440.0, 2.0);
    harness.Start({flac, opus, wave});
    harness.ClickMainButton(MainButton::PlayList);

    // The FLAC is opened at the start, and each try to play a file that
    // cannot be opened tells so again.
    harness.ClickMainButton(MainButton::Play);
    harness.ClickMainButton(MainButton::NextSong);
    const std::string refused = "Error while opening file\r\nUnknown file format";
    std::string seen;
    for (const auto& message : harness.Messages())
        seen += "[" + message.title + "] " + message.text + "\n";
    ASSERT_EQ(harness.Messages().size(), 3u) << seen;
    for (const auto& message : harness.Messages())
        EXPECT_EQ(message.text, refused);

    harness.ClickMainButton(MainButton::NextSong);
    harness.ClickMainButton(MainButton::Play);
    EXPECT_EQ(harness.Messages().size(), 3u);
    const auto heard = harness.Listen(1.0);
    EXPECT_NEAR(ZeroCrossingFrequency(std::span(heard).subspan(heard.size() / 2), kHarnessRate),
                440.0, 10.0);

    // Only the library without FFmpeg's functions was ever loaded.
    const auto mapped = MappedFfmpeg();
    ASSERT_FALSE(mapped.empty()) << "run through ctest, which puts the empty library first";
    for (const auto& path : mapped)
        EXPECT_TRUE(path.starts_with(VANTOR_NO_FFMPEG_FOLDER)) << path;
}

} // namespace
} // namespace vantor::test
