// Stands in for media inspection and the sound library: titles are made
// from the style and the file name, play times and stream lengths are
// looked up in maps the test fills.
#pragma once

#include "playlist/MediaProbe.h"

#include <map>
#include <string>

namespace vantor::test {

class FakeMediaProbe : public MediaProbe {
public:
    std::string BuildSongText(const std::string& style, PlaylistEntry& entry) override {
        entry.LengthMs = songLengths[entry.Path];
        return style + ":" + entry.Path.substr(entry.Path.find_last_of('/') + 1);
    }
    FileInfoText BuildFileInfoText(const PlaylistEntry& entry) override {
        return {"heading", "artist", "info of " + entry.Path};
    }
    std::optional<Fixed4> PlayLengthMs(const PlaylistEntry& entry) override {
        ++streamOpens;
        const auto found = streamLengths.find(entry.Path);
        if (found == streamLengths.end())
            return std::nullopt;
        return found->second;
    }

    std::map<std::string, Fixed4> songLengths;
    std::map<std::string, Fixed4> streamLengths;
    int streamOpens = 0;
};

} // namespace vantor::test
