// The playback loudness choice and "ReplayGain.DVC" beside "Vantor.DVC",
// which keeps it between runs: a key line "<Mode>" with a value line
// (" off ", " track " or " album ") and a key line "<Preamp>" with the
// pre-amplification in dB (" 0 "); UTF-8, CR LF. Plain values and pure
// functions, except the two file operations; UI thread.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kReplayGainFileName = "ReplayGain.DVC";
inline constexpr double kReplayGainMaxPreampDb = 15.0;

enum class ReplayGainMode { Off = 0, Track = 1, Album = 2 };

struct ReplayGainChoice {
    ReplayGainMode mode = ReplayGainMode::Off;
    // -15 .. +15 dB, added to a tagged track's gain.
    double preampDb = 0.0;

    bool operator==(const ReplayGainChoice&) const = default;
};

std::string WriteReplayGainText(const ReplayGainChoice& choice);
// Both lines must be there with a known mode and a pre-amp within ±15 dB;
// any other text gives the default choice (off).
ReplayGainChoice ReadReplayGainText(std::string_view text);

// A missing, unreadable or damaged file gives the default choice.
ReplayGainChoice LoadReplayGainFile(const std::string& path);
// Written atomically; false when it could not be written.
bool SaveReplayGainFile(const std::string& path, const ReplayGainChoice& choice);

} // namespace vantor
