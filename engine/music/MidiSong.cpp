#include "engine/music/MidiSong.h"

#include "base/ByteReader.h"
#include "base/Paths.h"
#include "engine/music/FluidSynthLibrary.h"
#include "engine/music/GmSoundFont.h"
#include "engine/music/SongGain.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vantor::engine {

namespace {

// Notes still held when the file ends are released; a release that never
// fades (a looped sample held by a pedal) is cut after this long.
constexpr std::int64_t kMaxTailMs = 5000;
// Blocks handed to the synthesiser in one call; its length argument is an int.
constexpr std::size_t kMaxBlockFrames = 1 << 16;

} // namespace

std::unique_ptr<MidiSong> MidiSong::Load(std::span<const std::uint8_t> bytes, std::string name,
                                         int sampleRate) {
    if (sampleRate < kMinSampleRate || sampleRate > kMaxSampleRate)
        return nullptr;
    const auto smf = MidiDataOf(bytes);
    if (!smf)
        return nullptr;
    auto playable = PlayableMidiData(*smf);
    if (!playable)
        return nullptr;
    auto timeline = MidiTimeline::Parse(*playable);
    if (!timeline)
        return nullptr;
    auto font = GmSoundFont::Shared();
    if (!font)
        return nullptr;
    std::unique_ptr<MidiSong> song(new MidiSong(std::move(font), *timeline, sampleRate));
    song->m_smf = std::move(*playable);
    song->m_name = std::move(name);
    if (!song->CreateSynth() || !song->StartPlayerAt(0))
        return nullptr;
    return song;
}

std::unique_ptr<MidiSong> MidiSong::LoadFile(const std::string& path, int sampleRate) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return nullptr;
    return Load(*bytes, FileNameOf(path), sampleRate);
}

MidiSong::MidiSong(std::shared_ptr<GmSoundFont> font, MidiTimeline timeline, int sampleRate)
    : m_font(std::move(font)), m_timeline(std::move(timeline)), m_sampleRate(sampleRate) {}

const FluidSynthApi& MidiSong::Synth() const {
    return m_font->Synth();
}

MidiSong::~MidiSong() {
    StopPlayer();
    if (m_synth != nullptr) {
        // The font is shared: take it back so that deleting the synthesiser
        // does not delete it.
        Synth().fluid_synth_remove_sfont(m_synth, m_font->Font());
        Synth().delete_fluid_synth(m_synth);
    }
    if (m_settings != nullptr)
        Synth().delete_fluid_settings(m_settings);
}

bool MidiSong::CreateSynth() {
    m_settings = Synth().new_fluid_settings();
    if (m_settings == nullptr)
        return false;
    // The player advances with the frames rendered, not with the wall clock:
    // there is no audio driver, the engine pulls blocks when it needs them.
    Synth().fluid_settings_setstr(m_settings, "player.timing-source", "sample");
    Synth().fluid_settings_setnum(m_settings, "synth.sample-rate", m_sampleRate);
    Synth().fluid_settings_setint(m_settings, "synth.threadsafe-api", 0);
    m_synth = Synth().new_fluid_synth(m_settings);
    if (m_synth == nullptr)
        return false;
    return Synth().fluid_synth_add_sfont(m_synth, m_font->Font()) != FLUID_FAILED;
}

void MidiSong::StopPlayer() {
    if (m_player == nullptr)
        return;
    Synth().fluid_player_stop(m_player);
    Synth().delete_fluid_player(m_player);
    m_player = nullptr;
}

bool MidiSong::StartPlayerAt(std::uint64_t tick) {
    StopPlayer();
    Synth().fluid_synth_all_sounds_off(m_synth, -1);
    m_player = Synth().new_fluid_player(m_synth);
    if (m_player == nullptr ||
        Synth().fluid_player_add_mem(m_player, m_smf.data(), m_smf.size()) != FLUID_OK)
        return false;
    // A seek asked for before playing is applied when the file is loaded;
    // the player replays the controller and program changes up to it.
    if (tick > 0)
        Synth().fluid_player_seek(m_player,
                                  static_cast<int>(std::min<std::uint64_t>(tick, INT_MAX)));
    m_tailFrames = 0;
    return Synth().fluid_player_play(m_player) == FLUID_OK;
}

int MidiSong::NumOrders() const {
    const double seconds = std::ceil(m_timeline.LengthMs() / 1000.0);
    return static_cast<int>(std::clamp(seconds, 1.0, static_cast<double>(INT_MAX)));
}

int MidiSong::Order() const {
    return static_cast<int>(std::min<std::int64_t>(TimeMs() / 1000, NumOrders() - 1));
}

void MidiSong::SetOrder(int order) {
    if (order >= NumOrders()) {
        m_finished = true;
        return;
    }
    SetTimeMs(std::int64_t{std::max(order, 0)} * 1000);
}

void MidiSong::SetTimeMs(std::int64_t ms) {
    // The start is always there to go to, even in a song without a note.
    if (ms > 0 && ms >= LengthMs()) {
        m_finished = true;
        return;
    }
    ms = std::max<std::int64_t>(ms, 0);
    m_finished = !StartPlayerAt(m_timeline.MsToTicks(static_cast<double>(ms)));
    m_positionFrames = ms * m_sampleRate / 1000;
}

std::int64_t MidiSong::TimeMs() const {
    return std::min(m_positionFrames * 1000 / m_sampleRate, LengthMs());
}

std::int64_t MidiSong::LengthMs() const {
    return std::llround(m_timeline.LengthMs());
}

void MidiSong::SetMasterVolume(int volume) {
    m_volume = ClampMasterVolume(volume);
}

bool MidiSong::FileHasEnded() const {
    // The player reports itself done only once every voice has fallen
    // silent, which a note never switched off prevents: the file's last tick
    // is the end as well.
    if (Synth().fluid_player_get_status(m_player) == FLUID_PLAYER_DONE)
        return true;
    const int total = Synth().fluid_player_get_total_ticks(m_player);
    return total > 0 && Synth().fluid_player_get_current_tick(m_player) >= total;
}

bool MidiSong::SynthHasEnded() {
    if (!FileHasEnded())
        return false;
    if (m_tailFrames == 0)
        Synth().fluid_synth_all_notes_off(m_synth, -1);
    return Synth().fluid_player_get_status(m_player) == FLUID_PLAYER_DONE ||
           Synth().fluid_synth_get_active_voice_count(m_synth) == 0 ||
           m_tailFrames * 1000 / m_sampleRate >= kMaxTailMs;
}

std::size_t MidiSong::Render(float* stereo, std::size_t frames) {
    std::size_t produced = 0;
    while (!m_finished && produced < frames) {
        const auto count = std::min(frames - produced, kMaxBlockFrames);
        float* block = stereo + produced * 2;
        Synth().fluid_synth_write_float(m_synth, static_cast<int>(count), block, 0, 2, block, 1, 2);
        produced += count;
        m_positionFrames += static_cast<std::int64_t>(count);
        if (SynthHasEnded())
            m_finished = true;
        else if (FileHasEnded())
            m_tailFrames += static_cast<std::int64_t>(count);
    }
    FinishBlock(stereo, produced, frames, m_volume);
    return produced;
}

} // namespace vantor::engine
