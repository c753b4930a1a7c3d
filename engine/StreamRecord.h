// What the engine keeps for one open stream or song: the voice that plays it,
// its channel, and what the queries report. UI thread only.
#pragma once

#include "engine/mix/Voice.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantor::engine {

class CdDevice;
class SongSource;

struct SubStream {
    std::int64_t lengthMs = 0;
    std::int64_t lengthBytes = 0;
};

struct StreamRecord {
    std::unique_ptr<Voice> voice; // null for a drive listing without a playable track
    int channel = -1;
    std::int64_t lengthBytes = 0;
    std::map<std::string, std::string> tags;
    // A CD opened as a stream: one sub-stream per audio track.
    std::shared_ptr<CdDevice> cd;
    std::vector<SubStream> subStreams;
};

struct SongRecord {
    std::unique_ptr<Voice> voice;
    SongSource* source = nullptr; // owned by the voice
    int channel = -1;
    std::int32_t masterVolume = 256;
    bool paused = false;
};

} // namespace vantor::engine
