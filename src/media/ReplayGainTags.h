// The loudness values a track's tags carry for playback at an even level:
// track and album gain in dB and their sample peaks (1.0 = full scale), as
// read from ID3v2 TXXX frames, APE items, Vorbis comments, ASF attributes
// and MP4 freeform atoms. Plain values and pure functions; any thread.
#pragma once

#include <optional>
#include <string_view>

namespace vantor {

struct ReplayGainTags {
    std::optional<double> trackGainDb;
    std::optional<double> albumGainDb;
    std::optional<double> trackPeak;
    std::optional<double> albumPeak;

    bool operator==(const ReplayGainTags&) const = default;
};

// A gain text such as "-6.00 dB", "+3.5dB" or "-6": the number, or none when
// the text is not a finite gain within ±60 dB.
std::optional<double> ParseReplayGainDb(std::string_view text);
// A peak text such as "0.988525": a finite amplitude above 0 and at most 100
// (floating-point masters may peak beyond full scale), or none.
std::optional<double> ParseReplayGainPeak(std::string_view text);

// Takes one tag field when its name (in any letter case) is one of
// REPLAYGAIN_TRACK_GAIN, REPLAYGAIN_ALBUM_GAIN, REPLAYGAIN_TRACK_PEAK or
// REPLAYGAIN_ALBUM_PEAK; returns whether it named one. A value that does not
// parse leaves the field empty.
bool TakeReplayGainField(std::string_view name, std::string_view value, ReplayGainTags& tags);

} // namespace vantor
