#include "HeadlessPlayer.h"

#include "core/PlaybackTick.h"
#include "core/TrackOpening.h"
#include "playlist/AddFiles.h"

namespace vantor::tool {

namespace {

engine::EngineOptions PullOutput() {
    engine::EngineOptions options;
    options.output = engine::OutputKind::Pull;
    return options;
}

} // namespace

HeadlessPlayer::HeadlessPlayer(const PlayOptions& options, std::ostream& messages)
    : m_options(options), m_engine(PullOutput()), m_pitch(m_engine), m_messages(messages) {
    m_settings.MasterVolume = 255;
    m_settings.AutoPlay = 1;
    m_settings.NonStopMegaMix = options.mix ? 1 : 0;
    m_settings.GapLength = options.gapMs;
    m_settings.PlayRandomMode = options.random ? 1 : 0;
    m_settings.PlayLoopMode = options.loop ? 1 : 0;
    m_view.onTrackStart = [this] { RecordStart(); };
    const auto frames =
        static_cast<std::size_t>(options.rate) * static_cast<std::size_t>(options.tickMs) / 1000;
    m_block.resize(2 * frames);
}

HeadlessPlayer::~HeadlessPlayer() {
    CloseTrack(m_context);
    m_engine.FSOUND_Close();
}

bool HeadlessPlayer::Start() {
    if (!m_engine.FSOUND_Init(m_options.rate, 128, 0))
        return false;
    m_pitch.InitTonalis(m_options.rate);
    return true;
}

void HeadlessPlayer::Open(const std::vector<std::string>& files) {
    AddFiles(m_playlistContext, kOpenMode, AddSource::CommandLine, files);
}

void HeadlessPlayer::RecordStart() {
    const std::int32_t index = m_player.SoundingIndex();
    const PlaylistEntry* entry = m_context.Entry(index);
    m_starts.push_back({m_nowMs, index, entry != nullptr ? entry->Path : std::string()});
}

// One round: every entry started once and the list begins again.
bool HeadlessPlayer::RoundComplete() const {
    return m_options.loop && m_starts.size() > static_cast<std::size_t>(m_playlist.EntryCount());
}

void HeadlessPlayer::RenderTick(const std::function<void(std::span<const float>)>& sink) {
    m_engine.Render(m_block.data(), m_block.size() / 2);
    sink(m_block);
    m_nowMs += m_options.tickMs;
}

void HeadlessPlayer::Step(const std::function<void(std::span<const float>)>& sink) {
    PlaybackTick(m_context, m_desktop);
    RenderTick(sink);
}

void HeadlessPlayer::Run(const std::function<void(std::span<const float>)>& sink) {
    while (m_nowMs < m_options.limitMs) {
        PlaybackTick(m_context, m_desktop);
        if (!m_player.AnyPlaying() || RoundComplete())
            return;
        RenderTick(sink);
    }
}

} // namespace vantor::tool
