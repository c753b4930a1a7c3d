// A playlist context wired to recording fakes, and a temp folder for files.
#pragma once

#include "playlist/PlaylistContext.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMediaProbe.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePlaybackControl.h"
#include "support/FakePlaylistView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

class PlaylistFixture : public ::testing::Test {
protected:
    // Makes a list of `count` ordinary entries named 0.mp3, 1.mp3, ...
    void MakeEntries(int count) {
        state.Playlist.clear();
        for (int i = 0; i < count; ++i) {
            PlaylistEntry entry;
            entry.Path = "/music/" + std::to_string(i) + ".mp3";
            state.Playlist.push_back(entry);
        }
        state.HasEntries = count > 0 ? 1 : 0;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const auto& entry : state.Playlist)
            paths.push_back(entry.Path);
        return paths;
    }
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : state.Playlist)
            names.push_back(entry.Path.substr(entry.Path.find_last_of('/') + 1));
        return names;
    }

    TempDir dir;
    PlaylistState state;
    Settings settings;
    FakePlaybackControl playback;
    FakePlaylistView view;
    FakeMediaProbe media;
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    PlaylistContext context{state, settings, playback, view, media, messages, dialogs};
};

} // namespace vantor::test
