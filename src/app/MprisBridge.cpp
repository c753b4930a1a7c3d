#include "app/MprisBridge.h"

#include "app/Player.h"
#include "base/Paths.h"
#include "core/CommandLine.h"
#include "media/CoverArt.h"
#include "playlist/MediaLayerProbe.h"
#include "shell/AssociationMimeTypes.h"
#include "shell/TrayBehaviour.h"
#include "skin/BarMapping.h"
#include "ui/CoverCache.h"

#include <QDBusConnection>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

constexpr double kFullVolume = 255.0;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void MprisBridge::Connect() {
    m_service.Register(QDBusConnection::sessionBus());
}

const TrackDescription& MprisBridge::Describe(std::int32_t index) {
    const PlaylistEntry* entry = m_player.playbackContext.Entry(index);
    if (entry == nullptr) {
        m_describedPath.clear();
        m_description = {};
        m_artUrl.clear();
    } else if (entry->Path != m_describedPath || entry->MemberName != m_describedMember) {
        m_describedPath = entry->Path;
        m_describedMember = entry->MemberName;
        const SongTrack track = SongTrackOf(*entry);
        m_description = DescribeTrack(track, m_player.songTexts);
        // Only the tags are read, never the audio, so this stays quick
        // however long the track.
        m_artUrl = CoverArtUrl(FindCoverArt(track), CoverCacheFolder());
    }
    return m_description;
}

MprisState MprisBridge::State() {
    MprisState state;
    const Settings& settings = m_player.settings;
    const PlayerState& player = m_player.player;
    SoundLibrary& sound = m_player.sound;
    const PlaybackSlot& slot = player.SoundingSlot();

    state.hasEntries = m_player.playlist.HasEntries == 1;
    state.volume = settings.MasterVolume / kFullVolume;
    state.rate = settings.SoundStretchScale;
    state.minimumRate = kPitchMinimum;
    state.maximumRate = kPitchMaximum;
    state.loop = settings.PlayLoopMode == 1;
    state.shuffle = settings.PlayRandomMode == 1;

    const PlaylistEntry* entry = m_player.playbackContext.Entry(slot.entryIndex);
    if (!state.hasEntries || entry == nullptr || slot.Kind() == TrackKind::None)
        return state;
    state.trackIndex = slot.entryIndex;
    qint64 lengthMs = 0;
    qint64 timeMs = 0;
    bool paused = false;
    if (slot.streamHandle != 0) {
        lengthMs = sound.FSOUND_Stream_GetLengthMs(slot.streamHandle);
        timeMs = sound.FSOUND_Stream_GetTime(slot.streamHandle);
        paused = slot.IsPlaying() && sound.FSOUND_GetPaused(slot.channel);
    } else {
        lengthMs = sound.FMUSIC_GetLengthMs(slot.musicHandle);
        timeMs = sound.FMUSIC_GetTime(slot.musicHandle);
        paused = slot.IsPlaying() && sound.FMUSIC_GetPaused(slot.musicHandle);
    }
    state.status = !slot.IsPlaying() ? MprisStatus::Stopped
                   : paused          ? MprisStatus::Paused
                                     : MprisStatus::Playing;
    state.lengthUs = std::max<qint64>(0, lengthMs) * 1000;
    state.positionUs = slot.IsPlaying() ? std::max<qint64>(0, timeMs) * 1000 : 0;

    const TrackDescription& description = Describe(slot.entryIndex);
    // Without a title tag the desktop shows the file's name, not the list's
    // text, which puts "No Artist" before it.
    state.title = FromUtf8(!description.Title.empty() ? description.Title
                           : entry->IsZipMember()     ? FileTitleOf(entry->MemberName)
                                                      : FileTitleOf(entry->Path));
    state.artist = FromUtf8(description.Artist);
    state.album = FromUtf8(description.Album);
    if (entry->IsCdTrack != kFlagOn)
        state.url = QString::fromUtf8(QUrl::fromLocalFile(FromUtf8(entry->Path)).toEncoded());
    state.artUrl = m_artUrl;
    return state;
}

QStringList MprisBridge::SupportedMimeTypes() const {
    QStringList types;
    for (const auto type : AllAssociationMimeTypes())
        types << QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size()));
    return types;
}

void MprisBridge::Run(MainCommand command) {
    m_player.commands.RunCommand({command, 0});
}

void MprisBridge::Raise() {
    // A player in the tray comes back as a click on its icon brings it.
    if (!m_player.shell.IsWindowVisible(PlayerWindow::Main)) {
        HandleTrayEvent(m_player.settings, m_player.shell, kTrayLeftButtonUp);
        return;
    }
    m_player.shell.ShowWindow(PlayerWindow::Main, true);
    m_player.shell.SetForegroundWindow(PlayerWindow::Main);
}

void MprisBridge::Quit() {
    m_player.Exit(0);
}

void MprisBridge::Play() {
    Run(MainCommand::Play);
}

void MprisBridge::Pause() {
    Run(MainCommand::Pause);
}

void MprisBridge::Stop() {
    Run(MainCommand::Stop);
}

void MprisBridge::Next() {
    Run(MainCommand::Next);
}

void MprisBridge::Previous() {
    Run(MainCommand::Previous);
}

// Where the seek bar would put the track when let go at that place.
void MprisBridge::SeekTo(qint64 positionUs) {
    const MprisState state = State();
    if (state.lengthUs <= 0)
        return;
    m_player.barControls.SeekToFraction(static_cast<double>(positionUs) /
                                        static_cast<double>(state.lengthUs));
    m_player.Present();
}

// As a volume chosen from the menu.
void MprisBridge::SetVolume(double volume) {
    m_player.settings.MasterVolume = static_cast<std::int32_t>(std::lround(volume * kFullVolume));
    m_player.commands.RedrawVolumeBar();
    m_player.Present();
}

// As a pitch chosen from the menu, anywhere within the pitch bar's range.
void MprisBridge::SetRate(double rate) {
    m_player.settings.SoundStretchScale =
        std::clamp(static_cast<float>(rate), kPitchMinimum, kPitchMaximum);
    m_player.commands.RedrawPitchBar();
    m_player.commands.SaveSettings();
    m_player.Present();
}

void MprisBridge::SetLoop(bool on) {
    if ((m_player.settings.PlayLoopMode == 1) != on)
        Run(MainCommand::Loop);
}

void MprisBridge::SetShuffle(bool on) {
    if ((m_player.settings.PlayRandomMode == 1) != on)
        Run(MainCommand::Random);
}

void MprisBridge::OpenFile(const QString& path) {
    m_player.ReceiveHandOver(JoinCommandLine({path.toStdString()}));
}

} // namespace vantor
