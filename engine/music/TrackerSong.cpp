#include "engine/music/TrackerSong.h"

#include "base/ByteReader.h"
#include "engine/music/SongGain.h"

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <map>

namespace vantor::engine {

namespace {

SongType TypeFromTag(const std::string& tag) {
    if (tag == "mod")
        return SongType::Mod;
    if (tag == "s3m")
        return SongType::S3m;
    if (tag == "xm")
        return SongType::Xm;
    if (tag == "it" || tag == "mptm")
        return SongType::It;
    return SongType::None;
}

// A song plays once and stops dead at its end, so its length is exact.
const std::map<std::string, std::string>& LoadControls() {
    // A seek into the middle of a pattern also starts the notes that would
    // be sounding there, instead of silence until the next ones.
    static const std::map<std::string, std::string> controls{{"play.at_end", "stop"},
                                                             {"seek.sync_samples", "1"}};
    return controls;
}

} // namespace

std::unique_ptr<TrackerSong> TrackerSong::Load(std::span<const std::uint8_t> bytes,
                                               int sampleRate) {
    if (bytes.empty() || sampleRate <= 0)
        return nullptr;
    // Building a module is costly even for junk; the header probe is cheap.
    if (openmpt::probe_file_header(openmpt::probe_file_header_flags_modules2, bytes.data(),
                                   bytes.size(),
                                   bytes.size()) == openmpt::probe_file_header_result_failure)
        return nullptr;
    std::unique_ptr<TrackerSong> song(new TrackerSong(sampleRate));
    try {
        song->m_module = std::make_unique<openmpt::module>(bytes.data(), bytes.size(), song->m_log,
                                                           LoadControls());
        song->m_type = TypeFromTag(song->m_module->get_metadata("type"));
        song->m_name = song->m_module->get_metadata("title");
        song->m_module->set_repeat_count(0);
    } catch (const std::exception&) {
        return nullptr;
    }
    if (song->m_type == SongType::None || song->NumOrders() <= 0)
        return nullptr;
    return song;
}

std::unique_ptr<TrackerSong> TrackerSong::LoadFile(const std::string& path, int sampleRate) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return nullptr;
    return Load(*bytes, sampleRate);
}

TrackerSong::TrackerSong(int sampleRate) : m_sampleRate(sampleRate) {}

TrackerSong::~TrackerSong() = default;

int TrackerSong::NumOrders() const {
    return m_module->get_num_orders();
}

int TrackerSong::Order() const {
    return std::max(0, m_module->get_current_order());
}

void TrackerSong::SetOrder(int order) {
    if (order >= NumOrders()) {
        m_finished = true;
        return;
    }
    m_module->set_position_order_row(std::max(order, 0), 0);
    m_finished = false;
}

void TrackerSong::SetTimeMs(std::int64_t ms) {
    if (ms >= LengthMs()) {
        m_finished = true;
        return;
    }
    m_module->set_position_seconds(static_cast<double>(std::max<std::int64_t>(ms, 0)) / 1000.0);
    m_finished = false;
}

std::int64_t TrackerSong::TimeMs() const {
    return std::llround(m_module->get_position_seconds() * 1000.0);
}

std::int64_t TrackerSong::LengthMs() const {
    return std::llround(m_module->get_duration_seconds() * 1000.0);
}

void TrackerSong::SetPanSeparation(float separation) {
    const auto percent = std::lround(std::clamp(separation, 0.0f, 2.0f) * 100.0f);
    m_module->set_render_param(openmpt::module::RENDER_STEREOSEPARATION_PERCENT,
                               static_cast<std::int32_t>(percent));
}

void TrackerSong::SetMasterVolume(int volume) {
    m_volume = ClampMasterVolume(volume);
}

std::size_t TrackerSong::Render(float* stereo, std::size_t frames) {
    std::size_t produced = 0;
    while (!m_finished && produced < frames) {
        const auto count = m_module->read_interleaved_stereo(m_sampleRate, frames - produced,
                                                             stereo + produced * 2);
        if (count == 0)
            m_finished = true;
        produced += count;
    }
    FinishBlock(stereo, produced, frames, m_volume);
    return produced;
}

} // namespace vantor::engine
