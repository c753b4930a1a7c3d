#include "playlist/TagReadAhead.h"

#include "media/SongText.h"

#include <utility>

namespace vantor {

namespace {

// The texts of the track from its bytes alone; nothing when they need the
// sound library or a drive, which only the UI thread may use.
std::optional<TagReadAhead::Result> ReadFromBytes(const std::string& style, const SongTrack& track,
                                                  const InspectOptions& inspect) {
    bool needsPlayer = false;
    SongTextContext texts;
    texts.inspect = inspect;
    texts.moduleTitle = [&needsPlayer](const std::string&) {
        needsPlayer = true;
        return std::string();
    };
    texts.playLengthMs = [&needsPlayer](const SongTrack&) {
        needsPlayer = true;
        return std::optional<Fixed4>();
    };
    texts.cdTrackText = [&needsPlayer](const std::string&, std::int32_t) {
        needsPlayer = true;
        return CdTrackText();
    };
    SongText text = BuildSongText(style, track, SongTextMode::Playlist, texts);
    if (needsPlayer)
        return std::nullopt;
    return TagReadAhead::Result{std::move(text.Text), text.Description.PlayTimeMs};
}

} // namespace

TagReadAhead::~TagReadAhead() {
    m_thread.request_stop();
    m_wake.notify_all();
}

std::string TagReadAhead::KeyOf(const SongTrack& track) {
    return track.Path + '\0' + track.MemberName + '\0' + std::to_string(track.MemberStart) + '\0' +
           std::to_string(track.MemberEnd);
}

std::optional<TagReadAhead::Stamp> TagReadAhead::StampOf(const std::string& path) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return Stamp{modified, size};
}

void TagReadAhead::Read(const std::string& style, std::vector<SongTrack> tracks,
                        const InspectOptions& inspect) {
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        if (style != m_style || inspect.mpegAccurate != m_inspect.mpegAccurate)
            m_results.clear();
        m_style = style;
        m_inspect = inspect;
        m_queue.clear();
        m_pending.clear();
        m_done.notify_all();
        std::map<std::string, Kept> kept;
        for (SongTrack& track : tracks) {
            if (track.IsCdTrack)
                continue;
            std::string key = KeyOf(track);
            if (const auto found = m_results.find(key); found != m_results.end()) {
                kept.insert(m_results.extract(found));
            } else if (m_pending.insert(key).second) {
                m_queue.push_back(std::move(track));
            }
        }
        // Results for tracks no longer asked for are of no more use.
        m_results = std::move(kept);
    }
    // The thread comes with the first list, not with the player's start.
    if (!m_thread.joinable())
        m_thread = std::jthread([this](const std::stop_token& stop) { Run(stop); });
    m_wake.notify_all();
}

std::optional<TagReadAhead::Result> TagReadAhead::Take(const std::string& style,
                                                       const SongTrack& track) {
    std::optional<Kept> kept;
    {
        std::lock_guard lock(m_mutex);
        if (style != m_style)
            return std::nullopt;
        const auto found = m_results.find(KeyOf(track));
        if (found == m_results.end())
            return std::nullopt;
        kept = std::move(m_results.extract(found).mapped());
    }
    if (kept->track != track || StampOf(track.Path) != kept->stamp)
        return std::nullopt;
    return std::move(kept->result);
}

bool TagReadAhead::Await(const std::string& style, const SongTrack& track,
                         std::optional<std::chrono::microseconds> patience) {
    const std::string key = KeyOf(track);
    std::unique_lock lock(m_mutex);
    const auto read = [&] { return style != m_style || !m_pending.contains(key); };
    if (patience)
        return m_done.wait_for(lock, *patience, read);
    m_done.wait(lock, read);
    return true;
}

void TagReadAhead::Run(const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        if (!m_wake.wait(lock, stop, [this] { return !m_queue.empty(); }))
            return;
        const SongTrack track = std::move(m_queue.front());
        m_queue.pop_front();
        const std::string style = m_style;
        const InspectOptions inspect = m_inspect;
        const std::uint64_t generation = m_generation;
        lock.unlock();
        // The stamp is taken first: a file written while it is read counts
        // as changed.
        const auto stamp = StampOf(track.Path);
        auto result = stamp ? ReadFromBytes(style, track, inspect) : std::nullopt;
        lock.lock();
        if (generation != m_generation)
            continue;
        std::string key = KeyOf(track);
        m_pending.erase(key);
        if (result)
            m_results.emplace(std::move(key), Kept{track, *stamp, std::move(*result)});
        m_done.notify_all();
    }
}

} // namespace vantor
