// Reads the list titles and play times of playlist entries ahead of the tag
// reader, on a thread of its own, so that the reader's ticks only take the
// results in list order and a long list fills in a few ticks. Only what the
// media layer reads from a file's own bytes is read here: a track whose text
// needs the sound library or a drive (a module's title, a stream's length,
// CD-Text) is left to the tick, as is a file that changed after it was read.
#pragma once

#include "media/TrackDescription.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace vantor {

class TagReadAhead {
public:
    struct Result {
        std::string title;
        std::optional<Fixed4> lengthMs;
    };

    TagReadAhead() = default;
    ~TagReadAhead();
    TagReadAhead(const TagReadAhead&) = delete;
    TagReadAhead& operator=(const TagReadAhead&) = delete;

    // Reads `tracks` in this order with the title template `style`, in place
    // of what was still to be read. UI thread. Results already read for these tracks
    // with this template are kept.
    void Read(const std::string& style, std::vector<SongTrack> tracks,
              const InspectOptions& inspect);
    // The result for `track` with `style`, handed over once; nothing when it
    // was not read here or the file changed since.
    std::optional<Result> Take(const std::string& style, const SongTrack& track);
    // Waits while `track` with `style` is still to be read here, at most
    // `patience` when given; true when it is not (any more).
    bool Await(const std::string& style, const SongTrack& track,
               std::optional<std::chrono::microseconds> patience);

private:
    struct Stamp {
        std::filesystem::file_time_type modified{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Kept {
        SongTrack track;
        Stamp stamp;
        Result result;
    };

    static std::string KeyOf(const SongTrack& track);
    static std::optional<Stamp> StampOf(const std::string& path);
    void Run(const std::stop_token& stop);

    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake; // the thread: more to read
    std::condition_variable_any m_done; // a waiter: a track was read
    std::string m_style;
    InspectOptions m_inspect;
    std::deque<SongTrack> m_queue;
    std::set<std::string> m_pending; // keys of m_queue and of the track being read
    std::map<std::string, Kept> m_results;
    std::uint64_t m_generation = 0;
    std::jthread m_thread; // last: it runs on the members above
};

} // namespace vantor
