// The running player: every record of its state and every service, owned in
// one place and wired together once. Main creates exactly one; the bridges
// in this folder connect it to the windows, the shell and the subsystems.
// UI thread only.
#pragma once

#include "app/CommandBridge.h"
#include "app/MainWindowBridge.h"
#include "app/MprisBridge.h"
#include "app/PlaylistWindowBridge.h"
#include "app/SettingsBridge.h"
#include "app/ShellBridge.h"
#include "app/SkinBrowserBridge.h"
#include "app/StartupBridge.h"
#include "core/MediaTrackGainProbe.h"
#include "core/MediaVbrProbe.h"
#include "core/PlaybackBarControls.h"
#include "core/PlaybackContext.h"
#include "core/PlaybackCore.h"
#include "core/RandomSource.h"
#include "core/SoundSetup.h"
#include "core/Startup.h"
#include "core/StepPacer.h"
#include "core/VolumeAnimation.h"
#include "engine/EffectRack.h"
#include "engine/Equalizer.h"
#include "engine/PitchShifter.h"
#include "engine/SoundEngine.h"
#include "media/TrackDescription.h"
#include "playlist/MediaLayerProbe.h"
#include "playlist/PlaylistContext.h"
#include "playlist/PlaylistWindow.h"
#include "settings/Settings.h"
#include "shell/XdgFileAssociations.h"
#include "skin/FontNameResolver.h"
#include "skin/MainPointer.h"
#include "skin/PictureLoader.h"
#include "skin/PixwellLibrary.h"
#include "skin/SkinApplication.h"
#include "skin/SkinBars.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinFileReader.h"
#include "skin/SkinSurfaces.h"
#include "skin/TextFieldPainter.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtInstalledFonts.h"
#include "ui/QtMessageBoxes.h"
#include "ui/QtPictureReader.h"
#include "ui/QtTextPainter.h"
#include "ui/SkinWidget.h"
#include "visual/MainWindowVisuals.h"
#include "visual/OscilloscopeCapture.h"

#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace vantor {

// The playback tick follows the position, the time and the end of a track
// at the analyzer's frame rate, within these bounds: not faster than a
// display shows frames, and often enough for a moving seek bar without the
// analyzer. The end of a track gets a wake of its own.
inline constexpr int kShortestTickMs = 15;
inline constexpr int kLongestTickMs = 30;

class Player {
public:
    // `output` chooses where the sound goes: the sound device for the
    // desktop, the null or pull outputs for tests and tools.
    Player(std::string appFolder, std::vector<std::string> args, engine::EngineOptions output = {});
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Start-up after the single-instance decision.
    void Start();
    // Files handed over by another instance ("/add" appends). False, taking
    // nothing, once the player is ending: its playlist is saved already.
    bool ReceiveHandOver(const std::string& argumentString);
    // Ends the player: mode 0 saves, mode 1 leaves the files as they are.
    void Exit(int mode);
    // One playback tick: the position and time, the analyzer frames and
    // song-information steps that fell due, then one showing of the windows.
    // When nothing sounds and the analyzer stands still, the player rests:
    // its timer then wakes only for the song information's steps.
    void Tick();
    // The time the next Tick() stands for, in milliseconds.
    int TickMs() const { return m_tickMs; }
    // Shows the composed surfaces in the windows, after something the user
    // or the desktop did; a resting player ticks again.
    void Present();
    // Shows them with the next playback tick, which comes within a display
    // frame: the timers that draw between ticks would otherwise each compare
    // and send the windows again.
    void PresentSoon();
    // The playback tick runs again at its display rate (the main window's
    // focus or minimised state changed, or anything was drawn).
    void Wake();
    bool Resting() const { return m_resting; }
    // Re-applies the analyzer's and the song information's intervals from
    // the settings.
    void ApplyTimerIntervals();

    // --- state
    std::string appFolder;
    // Where relative skin paths and the default skin are found: AppFolder,
    // else the program's folder, else the installed data folder.
    std::string skinRoot;
    std::vector<std::string> args;
    Settings settings;
    PlaylistState playlist;
    PlayerState player;
    StartupState startup;
    SoundSetupState soundSetup;
    SkinDefinition skin;
    SkinSurfaces surfaces;
    VolumeAnimation volumeAnimation;
    // The equaliser's levels, kept in "Equalizer.DVC"; its switch is a setting.
    EqualizerLevels equalizerLevels;
    // The loudness correction chosen, kept in "ReplayGain.DVC".
    ReplayGainChoice replayGain;
    bool exiting = false;

    // --- services
    engine::SoundEngine sound;
    engine::EffectRack effects;
    engine::PitchShifter pitch;
    engine::Equalizer equalizer;
    OscilloscopeCapture capture;
    QtMessageBoxes messages;
    QtFileDialogs dialogs;
    QtTextPainter painter;
    QtTextMeasurer playlistMeasurer;
    QtInstalledFonts installedFonts;
    FontNameResolver fonts;
    PixwellLibrary pixwell;
    QtPictureReader pictureReader;
    PictureLoader pictures;
    ClockSeededRandom random;
    SongTextContext songTexts;
    SkinFileReader skinReader;
    // The association page's file types, on the desktop's database.
    XdgFileAssociations fileAssociations;

    // --- bridges and the subsystems' objects that hold references
    StartupBridge startupBridge;
    CommandBridge commands;
    ShellBridge shell;
    MainWindowBridge mainWindow;
    PlaylistWindowBridge playlistWindowBridge;
    SoundSystem soundSystem;
    MediaVbrProbe vbr;
    MediaTrackGainProbe trackGain;
    PlaybackContext playbackContext;
    PlaybackCore playback;
    PlaybackBarControls barControls;
    MediaLayerProbe media;
    PlaylistContext playlistContext;
    PlaylistWindow playlistWindow;
    TextFieldPainter texts;
    SkinBars bars;
    MainWindowVisuals visuals;
    MainPointer pointer;
    SkinApplication skinApplication;
    SkinBrowserBridge skinBrowser;
    // The desktop's media keys and playback controls (MPRIS 2).
    MprisBridge mpris;

    // --- timers
    QTimer tickTimer;
    // The analyzer and the song information step with the tick rather than
    // waking the player on timers of their own.
    StepPacer analyzerSteps{kShortestTickMs};
    StepPacer songInfoSteps{kShortestTickMs};
    QTimer tagReaderTimer;
    QTimer repeatTimer;
    QTimer volumeTimer;

    // Last, so that the settings window goes before what it works on.
    SettingsBridge settingsWindow{*this};

private:
    void OnTickTimer();
    // The tick's interval while awake: the analyzer's frame interval within
    // the tick's bounds.
    int FrameIntervalMs() const;
    // Sets the timer for the next tick: a frame away, or sooner when the
    // sounding track turns before that.
    void ScheduleTick();
    void Rest();
    void ShowSurfaces();
    // Texts leave marks for sharp drawing while some screen has a pixel
    // ratio above 1; when such a screen comes, the shown texts are drawn
    // again so that they leave theirs.
    void FollowPixelRatio(bool redraw);

    bool m_resting = false;
    int m_tickMs = kShortestTickMs;
    bool m_analyzerFrameOwed = true;
};

} // namespace vantor
