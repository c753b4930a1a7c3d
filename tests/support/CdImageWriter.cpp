#include "support/CdImageWriter.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>

namespace vantor::test {

namespace {

constexpr int kFramesPerSector = 588;
constexpr double kRate = 44100.0;

std::string Msf(int sector) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", sector / 75 / 60, sector / 75 % 60,
                  sector % 75);
    return text;
}

void AppendTone(std::string& bin, const CdImageTrack& track) {
    const int frames = track.sectors * kFramesPerSector;
    for (int i = 0; i < frames; ++i) {
        const double value = 16000.0 * std::sin(2.0 * std::numbers::pi * track.toneHz * i / kRate);
        const auto sample = static_cast<std::int16_t>(std::lround(value));
        for (int channel = 0; channel < 2; ++channel) {
            bin.push_back(static_cast<char>(sample & 0xFF));
            bin.push_back(static_cast<char>((sample >> 8) & 0xFF));
        }
    }
}

} // namespace

std::string WriteCdImage(const TempDir& dir, const std::string& name,
                         const std::vector<CdImageTrack>& tracks) {
    std::string bin;
    std::string cue = "FILE \"" + name + ".bin\" BINARY\r\n";
    int sector = 0;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const auto number = std::to_string(100 + i + 1).substr(1);
        cue += "  TRACK " + number + " AUDIO\r\n";
        if (!tracks[i].title.empty())
            cue += "    TITLE \"" + tracks[i].title + "\"\r\n";
        if (!tracks[i].performer.empty())
            cue += "    PERFORMER \"" + tracks[i].performer + "\"\r\n";
        cue += "    INDEX 01 " + Msf(sector) + "\r\n";
        AppendTone(bin, tracks[i]);
        sector += tracks[i].sectors;
    }
    dir.Write(name + ".bin", bin);
    return dir.Write(name + ".cue", cue);
}

} // namespace vantor::test
