// The playback core run without windows on the real sound engine: a
// playlist of files, the playback tick driven by the caller's clock, and
// the mixed sound handed out tick by tick. vantor-tool play and the
// end-to-end tests use it. Owns everything; one thread.
#pragma once

#include "core/MediaTrackGainProbe.h"
#include "core/MediaVbrProbe.h"
#include "core/PlaybackContext.h"
#include "core/PlaybackCore.h"
#include "engine/PitchShifter.h"
#include "engine/SoundEngine.h"
#include "platform/DesktopWindows.h"
#include "playlist/HeadlessPlaylist.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace vantor::tool {

struct PlayOptions {
    bool mix = false;
    std::int32_t gapMs = 500;
    bool random = false;
    bool loop = false;
    // The playback tick's interval, as the player's timer runs it.
    std::int32_t tickMs = 10;
    std::int32_t rate = 44100;
    // A bound on the run whatever the modes say.
    std::int64_t limitMs = 4 * 3600 * 1000;
};

// A track that started, and when, on the rendered time line.
struct TrackStart {
    std::int64_t timeMs = 0;
    std::int32_t index = 0;
    std::string path;
};

// What the tick draws, reduced to the track starts; the window is never
// minimised and never dragged.
class HeadlessPlayerView : public PlayerView {
public:
    std::function<void()> onTrackStart;

    void ClearSeekFill() override {}
    void DrawIdleSeekBar() override {}
    void DrawSeekBar(double) override {}
    bool SeekBarDragging() const override { return false; }
    void DrawTimeText(const std::string& text) override { timeText = text; }
    void DrawTrackNumbers(std::int32_t, std::int32_t) override {}
    void RedrawPlaylist() override {}
    void ResetAnalyzerPeaks() override {}
    void DrawSongInfo() override {
        if (onTrackStart)
            onTrackStart();
    }
    void ApplyFace(Face) override {}
    void DrawModeButton(ModeButton, bool) override {}
    void RepaintMainWindow() override {}
    bool MainWindowMinimised() const override { return false; }
    std::string MainWindowTitle() const override { return "Vantor"; }
    void SetMainWindowTitle(const std::string&) override {}
    std::optional<DockPoint> SkinDockPoint() const override { return std::nullopt; }

    std::string timeText;
};

// A desktop where the player's window always has the focus.
class HeadlessDesktop : public DesktopWindows {
public:
    bool MainWindowIsForeground() const override { return true; }
    ForegroundWindow Foreground() const override { return {}; }
    void MoveMainWindow(std::int32_t, std::int32_t) override {}
};

class HeadlessPlayer {
public:
    HeadlessPlayer(const PlayOptions& options, std::ostream& messages);
    ~HeadlessPlayer();
    HeadlessPlayer(const HeadlessPlayer&) = delete;
    HeadlessPlayer& operator=(const HeadlessPlayer&) = delete;

    // False when the sound library does not start.
    bool Start();
    // Replaces the playlist with `files` as the command line does and starts
    // the first entry.
    void Open(const std::vector<std::string>& files);
    // Ticks and renders until playback stops (after one round when looping,
    // or at the limit); `sink` receives each tick's stereo frames.
    void Run(const std::function<void(std::span<const float>)>& sink);
    // One tick followed by one tick's worth of sound.
    void Step(const std::function<void(std::span<const float>)>& sink);

    std::int64_t NowMs() const { return m_nowMs; }
    const std::vector<TrackStart>& Starts() const { return m_starts; }
    PlaybackContext& Context() { return m_context; }
    PlayerState& Player() { return m_player; }
    PlaylistState& Playlist() { return m_playlist; }
    Settings& PlayerSettings() { return m_settings; }
    engine::SoundEngine& Engine() { return m_engine; }

private:
    bool RoundComplete() const;
    void RenderTick(const std::function<void(std::span<const float>)>& sink);
    void RecordStart();

    PlayOptions m_options;
    std::int64_t m_nowMs = 0;
    std::vector<TrackStart> m_starts;
    engine::SoundEngine m_engine;
    engine::PitchShifter m_pitch;
    StreamMessages m_messages;
    HeadlessPlayerView m_view;
    HeadlessDesktop m_desktop;
    ClockSeededRandom m_random;
    PlayerState m_player;
    PlaylistState m_playlist;
    Settings m_settings;
    MediaVbrProbe m_vbr{m_settings};
    // No loudness correction: tracks play as decoded.
    ReplayGainChoice m_replayGain;
    MediaTrackGainProbe m_trackGain{m_replayGain};
    PlaybackContext m_context{m_player,   m_playlist, m_settings, m_engine, m_pitch,
                              m_messages, m_view,     m_random,   m_vbr,    m_trackGain};
    PlaybackCore m_core{m_context};
    HeadlessPlaylistView m_playlistView;
    HeadlessMedia m_media;
    NoDialogs m_dialogs;
    PlaylistContext m_playlistContext{m_playlist, m_settings, m_core,   m_playlistView,
                                      m_media,    m_messages, m_dialogs};
    std::vector<float> m_block;
};

} // namespace vantor::tool
