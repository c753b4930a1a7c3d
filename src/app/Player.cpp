#include "app/Player.h"

#include "app/ProgramIcon.h"
#include "base/Paths.h"
#include "core/PlaybackTick.h"
#include "core/SingleInstance.h"
#include "core/TrackAdvance.h"
#include "core/TrackControl.h"
#include "media/CdTrackText.h"
#include "media/ModuleTitle.h"
#include "media/PlayLength.h"
#include "playlist/AddFiles.h"
#include "settings/WorkingSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace vantor {

namespace {

// Long enough for the windows to reach the screen before the icon is read.
constexpr std::chrono::milliseconds kIconDelay{200};

// Each tag-reader tick's duration, the processor time the UI thread spent
// in it (the rest is time other programs had the processor), and progress,
// for measuring how fast a list fills:
// QT_LOGGING_RULES="vantor.tagreader.debug=true".
Q_LOGGING_CATEGORY(tagReaderLog, "vantor.tagreader", QtWarningMsg)

double ThreadProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

std::string ChooseSkinRoot(const std::string& appFolder) {
    const std::string program = ProgramFolder();
    for (const std::string& folder : {appFolder, program, program + "../share/vantor/"}) {
        if (FileExists(ResolveStoredPath(kDefaultSkinPath, folder)))
            return folder;
    }
    return appFolder;
}

void SetInterval(StepPacer& steps, bool stopped, int interval) {
    if (stopped)
        steps.Stop();
    else
        steps.Start(interval);
}

} // namespace

Player::Player(std::string folder, std::vector<std::string> arguments, engine::EngineOptions output)
    : appFolder(std::move(folder)), skinRoot(ChooseSkinRoot(appFolder)), args(std::move(arguments)),
      sound(std::move(output)), effects(sound), pitch(sound), equalizer(sound),
      playlistMeasurer(TextFont{}), fonts(installedFonts), pixwell(ProgramFolder()),
      pictures(pixwell, pictureReader),
      fileAssociations(XdgFolders::FromEnvironment(), ProgramPath()), startupBridge(*this),
      commands(*this), shell(*this), mainWindow(*this),
      playlistWindowBridge(*this), soundSystem{sound, effects, pitch}, vbr(settings),
      trackGain(replayGain), playbackContext{player,   playlist,   settings, sound, pitch,
                                             messages, mainWindow, random,   vbr,   trackGain},
      playback(playbackContext), barControls(playbackContext, soundSystem),
      media(sound, songTexts), playlistContext{playlist, settings, playback, playlistWindowBridge,
                                               media,    messages, dialogs},
      playlistWindow(playlistContext, playlistMeasurer), texts(skin, surfaces, painter),
      bars(skin, surfaces, settings, barControls, texts),
      visuals(skin, surfaces, settings, painter, texts),
      pointer(skin, surfaces, settings, bars, mainWindow),
      skinApplication({skin, surfaces, settings, skinReader, bars, painter, commands, skinRoot},
                      SkinServices{messages, pictures, fonts}),
      skinBrowser(*this), mpris(*this) {
    playlist.ResetToSpare();
    songTexts.moduleTitle = [this](const std::string& path) { return ModuleTitle(sound, path); };
    songTexts.cdTrackText = [this](const std::string& drive, std::int32_t track) {
        return ReadCdTrackText(sound, drive, track);
    };
    songTexts.playLengthMs = [this](const SongTrack& track) { return PlayLengthMs(sound, track); };

    QObject::connect(&tickTimer, &QTimer::timeout, [this] { OnTickTimer(); });
    QObject::connect(&tagReaderTimer, &QTimer::timeout, [this] {
        QElapsedTimer took;
        took.start();
        const double processorBefore = ThreadProcessorMs();
        playlistWindow.OnTagReaderTick();
        qCDebug(tagReaderLog, "tick %.3f ms (%.3f ms processor), %d of %d entries read",
                1e-6 * static_cast<double>(took.nsecsElapsed()),
                ThreadProcessorMs() - processorBefore, playlist.TagCursor, playlist.EntryCount());
        PresentSoon();
    });
    repeatTimer.setInterval(kRepeatInterval);
    QObject::connect(&repeatTimer, &QTimer::timeout, [this] {
        playlistWindow.OnRepeatTick();
        PresentSoon();
    });
    QObject::connect(&volumeTimer, &QTimer::timeout, [this] {
        mainWindow.StepVolumeAnimation();
        PresentSoon();
    });
    tickTimer.setInterval(m_tickMs);
}

Player::~Player() = default;

void Player::Start() {
    // Every window, the start-up's messages among them, and the task bar
    // take the program's icon from here. Looking it up in the desktop's icon
    // theme and reading every size costs as much as the rest of the start,
    // so the windows show first; a message shown meanwhile gets it too.
    // The start-up's passing allocations (the skin's decoded pictures, the
    // icon's sizes, the fonts' tables) are over once the icon is set; what
    // they freed goes back to the system then, as after opening a track.
    QTimer::singleShot(kIconDelay, &tickTimer, [this] {
        QGuiApplication::setWindowIcon(ProgramIcon());
        TrimWorkingSet(settings);
    });
    songTexts.inspect.mpegAccurate = settings.MpegAccurate == 1;
    FollowPixelRatio(false);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, [this] { FollowPixelRatio(true); });
    RunStartup(args, settings, startup, startupBridge, messages);
    songTexts.inspect.mpegAccurate = settings.MpegAccurate == 1;
    m_tickMs = FrameIntervalMs();
    tickTimer.start(m_tickMs);
    Present();
    mpris.Connect();
}

bool Player::ReceiveHandOver(const std::string& argumentString) {
    if (exiting)
        return false;
    const TakenArgs taken = vantor::ReceiveHandOver(
        argumentString, [this](const std::vector<std::string>& files, bool openMode) {
            AddFiles(playlistContext, openMode ? kOpenMode : kAddMode, AddSource::CommandLine,
                     files);
        });
    Present();
    // The later start waits for this answer; a message left open would hold
    // it, so the message comes once the answer is on its way.
    if (!taken.skipped.empty()) {
        QTimer::singleShot(0, &tickTimer, [this, skipped = taken.skipped] {
            ReportSkippedArgs(skipped, messages);
        });
    }
    return true;
}

void Player::Exit(int mode) {
    if (exiting)
        return;
    exiting = true;
    for (QTimer* timer : {&tickTimer, &tagReaderTimer, &repeatTimer, &volumeTimer})
        timer->stop();
    ExitPlayer(mode, settings, startup, startupBridge, messages);
    mainWindow.Widget().hide();
    playlistWindowBridge.Widget().hide();
    QCoreApplication::quit();
}

void Player::Tick() {
    PlaybackTick(playbackContext, mainWindow);
    const int analyzerFrames = analyzerSteps.Advance(m_tickMs);
    for (int steps = analyzerFrames; steps > 0; --steps)
        visuals.AnalyzerTick(mainWindow, mainWindow);
    if (analyzerFrames > 0 || !analyzerSteps.IsRunning())
        m_analyzerFrameOwed = false;
    for (int steps = songInfoSteps.Advance(m_tickMs); steps > 0; --steps)
        visuals.SongInfo().SongInfoTick();
    ShowSurfaces();
    if (!m_analyzerFrameOwed && visuals.AnalyzerAtRest() && NothingSounds(playbackContext)) {
        Rest();
    } else {
        mpris.Follow();
        ScheduleTick();
    }
}

int Player::FrameIntervalMs() const {
    if (!analyzerSteps.IsRunning())
        return kLongestTickMs;
    return std::clamp(analyzerSteps.IntervalMs(), kShortestTickMs, kLongestTickMs);
}

void Player::ScheduleTick() {
    int interval = FrameIntervalMs();
    // A turn already due was this tick's to take; one that stays due (a
    // stream that does not move on) is followed at the frame rate.
    if (const auto turn = MsUntilTrackTurn(playbackContext); turn && *turn > 0)
        interval = std::min(interval, *turn);
    if (interval == m_tickMs && tickTimer.isActive())
        return;
    m_tickMs = interval;
    tickTimer.start(interval);
}

void Player::OnTickTimer() {
    if (!m_resting) {
        Tick();
        return;
    }
    for (int steps = songInfoSteps.Advance(tickTimer.interval()); steps > 0; --steps)
        visuals.SongInfo().SongInfoTick();
    ShowSurfaces();
}

// Only the song information can move on its own now; the timer wakes for
// its steps alone, or not at all when it stands still.
void Player::Rest() {
    m_resting = true;
    // Whatever woke the player has changed by now; the desktop hears of it
    // before the ticks stop.
    mpris.Follow(true);
    if (songInfoSteps.IsRunning())
        tickTimer.start(std::max(settings.SongInfoScrollWait, kShortestTickMs));
    else
        tickTimer.stop();
}

void Player::Wake() {
    // Whatever woke the player may have drawn over the analyzer area (a new
    // face, skin or style), so the tick rests again only after a frame.
    m_analyzerFrameOwed = true;
    if (!m_resting || exiting)
        return;
    m_resting = false;
    m_tickMs = FrameIntervalMs();
    tickTimer.start(m_tickMs);
}

void Player::Present() {
    ShowSurfaces();
    Wake();
}

void Player::ShowSurfaces() {
    // What is written while a window is hidden stays on record until it shows.
    if (mainWindow.Widget().isVisible())
        mainWindow.Widget().ShowSurface(surfaces.mainWindow, surfaces.mainWindow.TakeWrittenArea());
    if (playlistWindowBridge.Widget().isVisible())
        playlistWindowBridge.Widget().ShowSurface(surfaces.playListWindow,
                                                  surfaces.playListWindow.TakeWrittenArea());
}

void Player::FollowPixelRatio(bool redraw) {
    const bool sharp = qGuiApp->devicePixelRatio() > 1.0;
    if (sharp == painter.LeavesMarks())
        return;
    painter.SetLeavingMarks(sharp);
    if (!redraw || !sharp)
        return;
    mainWindow.ApplyFace(surfaces.inactiveFaceShown ? Face::Inactive : Face::Normal);
    playlistWindowBridge.RedrawPlaylist();
    Present();
}

void Player::PresentSoon() {
    if (!tickTimer.isActive() || m_resting)
        Present();
}

void Player::ApplyTimerIntervals() {
    SetInterval(analyzerSteps, settings.AnalyzerDisable != 0, settings.AnalyzerPriority);
    SetInterval(songInfoSteps, settings.SongInformationScrollDisable != 0,
                settings.SongInfoScrollWait);
    if (!m_resting && tickTimer.isActive())
        ScheduleTick();
}

} // namespace vantor
