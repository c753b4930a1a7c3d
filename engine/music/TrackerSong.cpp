#include "engine/music/TrackerSong.h"

#include "base/ByteReader.h"
#include "engine/music/OpenMptLibrary.h"
#include "engine/music/SongGain.h"

#include <algorithm>
#include <cmath>
#include <string>

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

// A song plays once and stops dead at its end, so its length is exact. A
// seek into the middle of a pattern also starts the notes that would be
// sounding there, instead of silence until the next ones.
constexpr openmpt_module_initial_ctl kLoadControls[] = {
    {"play.at_end", "stop"}, {"seek.sync_samples", "1"}, {nullptr, nullptr}};

// A metadata text of the module; libopenmpt hands out its own copy.
std::string Metadata(const OpenMptApi& mpt, openmpt_module* module, const char* key) {
    const char* text = mpt.openmpt_module_get_metadata(module, key);
    std::string value = text != nullptr ? text : "";
    mpt.openmpt_free_string(text);
    return value;
}

} // namespace

std::unique_ptr<TrackerSong> TrackerSong::Load(std::span<const std::uint8_t> bytes,
                                               int sampleRate) {
    if (bytes.empty() || sampleRate <= 0)
        return nullptr;
    const OpenMptApi* mpt = OpenMpt();
    if (mpt == nullptr)
        return nullptr;
    // Building a module is costly even for junk; the header probe is cheap.
    // Failures come back as results; libopenmpt's own log stays quiet.
    if (mpt->openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_MODULES, bytes.data(),
                                       bytes.size(), bytes.size(), mpt->openmpt_log_func_silent,
                                       nullptr, mpt->openmpt_error_func_ignore, nullptr, nullptr,
                                       nullptr) == OPENMPT_PROBE_FILE_HEADER_RESULT_FAILURE)
        return nullptr;
    openmpt_module* module = mpt->openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), mpt->openmpt_log_func_silent, nullptr,
        mpt->openmpt_error_func_ignore, nullptr, nullptr, nullptr, kLoadControls);
    if (module == nullptr)
        return nullptr;
    std::unique_ptr<TrackerSong> song(new TrackerSong(*mpt, module, sampleRate));
    song->m_type = TypeFromTag(Metadata(*mpt, module, "type"));
    song->m_name = Metadata(*mpt, module, "title");
    mpt->openmpt_module_set_repeat_count(module, 0);
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

TrackerSong::TrackerSong(const OpenMptApi& mpt, openmpt_module* module, int sampleRate)
    : m_mpt(mpt), m_module(module), m_sampleRate(sampleRate) {}

TrackerSong::~TrackerSong() {
    m_mpt.openmpt_module_destroy(m_module);
}

int TrackerSong::NumOrders() const {
    return m_mpt.openmpt_module_get_num_orders(m_module);
}

int TrackerSong::Order() const {
    return std::max(0, m_mpt.openmpt_module_get_current_order(m_module));
}

void TrackerSong::SetOrder(int order) {
    if (order >= NumOrders()) {
        m_finished = true;
        return;
    }
    m_mpt.openmpt_module_set_position_order_row(m_module, std::max(order, 0), 0);
    m_finished = false;
}

void TrackerSong::SetTimeMs(std::int64_t ms) {
    if (ms >= LengthMs()) {
        m_finished = true;
        return;
    }
    m_mpt.openmpt_module_set_position_seconds(
        m_module, static_cast<double>(std::max<std::int64_t>(ms, 0)) / 1000.0);
    m_finished = false;
}

std::int64_t TrackerSong::TimeMs() const {
    return std::llround(m_mpt.openmpt_module_get_position_seconds(m_module) * 1000.0);
}

std::int64_t TrackerSong::LengthMs() const {
    return std::llround(m_mpt.openmpt_module_get_duration_seconds(m_module) * 1000.0);
}

void TrackerSong::SetPanSeparation(float separation) {
    const auto percent = std::lround(std::clamp(separation, 0.0f, 2.0f) * 100.0f);
    m_mpt.openmpt_module_set_render_param(m_module, OPENMPT_MODULE_RENDER_STEREOSEPARATION_PERCENT,
                                          static_cast<std::int32_t>(percent));
}

void TrackerSong::SetMasterVolume(int volume) {
    m_volume = ClampMasterVolume(volume);
}

std::size_t TrackerSong::Render(float* stereo, std::size_t frames) {
    std::size_t produced = 0;
    while (!m_finished && produced < frames) {
        const std::size_t count = m_mpt.openmpt_module_read_interleaved_float_stereo(
            m_module, m_sampleRate, frames - produced, stereo + produced * 2);
        if (count == 0)
            m_finished = true;
        produced += count;
    }
    FinishBlock(stereo, produced, frames, m_volume);
    return produced;
}

} // namespace vantor::engine
