// Stands in for media inspection and the sound library: files whose first
// bytes are "PK" count as archives and contribute the members registered
// for them; titles come from the file name; stream lengths are looked up.
#pragma once

#include "playlist/MediaProbe.h"
#include "support/TempDir.h"

#include <map>
#include <string>
#include <vector>

namespace vantor::test {

class FakeMediaProbe : public MediaProbe {
public:
    bool ScanZipArchive(const std::string& path, PlaylistState& playlist) override {
        probed.push_back(path);
        if (!ReadWholeFile(path).starts_with("PK"))
            return false;
        for (const auto& name : members[path]) {
            auto& spare = playlist.Spare();
            spare.Path = path;
            spare.MemberName = name;
            spare.MemberStart = 30;
            spare.MemberEnd = 99;
            playlist.AppendSpare();
        }
        return true;
    }
    std::string BuildSongText(const std::string& style, PlaylistEntry& entry) override {
        entry.LengthMs = songLengths[entry.Path];
        return style + ":" + entry.Path.substr(entry.Path.find_last_of('/') + 1);
    }
    std::string BuildFileInfoText(const PlaylistEntry& entry) override {
        return "info of " + entry.Path;
    }
    std::optional<Fixed4> StreamLengthMs(const PlaylistEntry& entry) override {
        ++streamOpens;
        const auto found = streamLengths.find(entry.Path);
        if (found == streamLengths.end())
            return std::nullopt;
        return found->second;
    }

    std::map<std::string, std::vector<std::string>> members;
    std::map<std::string, Fixed4> songLengths;
    std::map<std::string, Fixed4> streamLengths;
    std::vector<std::string> probed;
    int streamOpens = 0;
};

} // namespace vantor::test
