// One player's playback state wired to recording fakes and the simulated
// sound library: what the playback, CD and command tests drive.
#pragma once

#include "core/PlaybackContext.h"
#include "core/PlaybackTick.h"
#include "support/FakeDesktopWindows.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePlayerView.h"
#include "support/SimulatedSoundLibrary.h"

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace vantor::test {

// Uniform numbers the test lists; 0 once the list is used up.
class ScriptedRandom : public RandomSource {
public:
    double Uniform() override {
        if (values.empty())
            return 0.0;
        const double value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<double> values;
};

// Entries whose path is listed count as VBR; every question is recorded.
class FakeVbrProbe : public VbrProbe {
public:
    bool IsVbr(const PlaylistEntry& entry) override {
        asked.push_back(entry.Path + entry.MemberName);
        return vbrPaths.count(entry.Path) > 0;
    }
    std::set<std::string> vbrPaths;
    std::vector<std::string> asked;
};

// Every track plays as decoded.
class UnitTrackGain : public TrackGainProbe {
public:
    float GainOf(const PlaylistEntry&) override { return 1.0f; }
};

struct PlaybackHarness {
    CallRecorder recorder;
    SimulatedSoundLibrary sound{recorder};
    FakePitchLibrary pitch{recorder};
    FakeMessageBoxes messages;
    FakePlayerView view;
    ScriptedRandom random;
    FakeVbrProbe vbr;
    UnitTrackGain gain;
    FakeDesktopWindows desktop;
    PlayerState player;
    PlaylistState playlist;
    Settings settings;
    PlaybackContext ctx{player,   playlist, settings, sound, pitch,
                        messages, view,     random,   vbr,   gain};

    PlaybackHarness() { settings.MasterVolume = 200; }

    // A stream entry of `lengthMs` (a song when `isSong`), appended to the list.
    PlaylistEntry& AddFile(const std::string& path, std::int32_t lengthMs, bool isSong = false) {
        sound.media[path] =
            isSong ? SimulatedMedia::Song(lengthMs) : SimulatedMedia::Stream(lengthMs);
        PlaylistEntry entry;
        entry.Path = path;
        return Append(entry);
    }
    PlaylistEntry& AddCdTrack(const std::string& drive, std::int32_t track,
                              std::vector<std::int32_t> tracksMs) {
        sound.media[drive].tracksMs = std::move(tracksMs);
        PlaylistEntry entry;
        entry.Path = drive;
        entry.CdDrive = drive;
        entry.IsCdTrack = kFlagOn;
        entry.CdTrack = track;
        return Append(entry);
    }
    PlaylistEntry& Append(const PlaylistEntry& entry) {
        playlist.Playlist.push_back(entry);
        playlist.HasEntries = 1;
        return playlist.Playlist.back();
    }

    // Ticks every `tickMs` until `untilMs` on the simulated clock.
    void RunUntil(std::int64_t untilMs, std::int64_t tickMs = 10) {
        while (sound.nowMs < untilMs) {
            sound.nowMs += tickMs;
            PlaybackTick(ctx, desktop);
        }
    }
    // The names of what sounded, in the order they started.
    std::vector<std::string> Heard() const {
        std::vector<std::string> names;
        for (const auto& span : sound.Spans())
            names.push_back(span.name);
        return names;
    }
};

} // namespace vantor::test
