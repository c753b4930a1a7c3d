#include "ui/MprisService.h"

#include "ui/MprisAdaptors.h"

#include <QDBusMessage>
#include <QDBusMetaType>

#include <cmath>

namespace vantor {

namespace {

const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.vantor");
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Often enough that the desktop's controls follow a click in the window at
// once, rarely enough to cost nothing.
constexpr qint64 kRoundMs = 250;
// A position further than this from where playing on would have taken it
// was a jump.
constexpr qint64 kJumpUs = 1500000;

QString StatusText(MprisStatus status) {
    switch (status) {
    case MprisStatus::Playing:
        return QStringLiteral("Playing");
    case MprisStatus::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

} // namespace

MprisService::MprisService(MprisPlayer& player) : m_player(player) {
    new MprisRootAdaptor(*this);
    new MprisPlayerAdaptor(*this);
}

MprisService::~MprisService() {
    if (m_registered) {
        m_connection.unregisterObject(kObjectPath);
        m_connection.unregisterService(kServiceName);
    }
}

bool MprisService::Register(QDBusConnection connection) {
    if (!connection.isConnected())
        return false;
    if (!connection.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!connection.registerService(kServiceName)) {
        connection.unregisterObject(kObjectPath);
        return false;
    }
    m_connection = connection;
    m_registered = true;
    m_seen = m_player.State();
    m_sinceLook.start();
    return true;
}

QDBusObjectPath MprisService::TrackId(int trackIndex) {
    if (trackIndex < 0)
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(QStringLiteral("/org/vantor/Vantor/track/%1").arg(trackIndex));
}

QVariantMap MprisService::Metadata(const MprisState& state) {
    QVariantMap metadata;
    metadata.insert(QStringLiteral("mpris:trackid"),
                    QVariant::fromValue(TrackId(state.trackIndex)));
    if (state.trackIndex < 0)
        return metadata;
    if (state.lengthUs > 0)
        metadata.insert(QStringLiteral("mpris:length"), QVariant::fromValue(state.lengthUs));
    metadata.insert(QStringLiteral("xesam:title"), state.title);
    if (!state.artist.isEmpty())
        metadata.insert(QStringLiteral("xesam:artist"), QStringList{state.artist});
    if (!state.album.isEmpty())
        metadata.insert(QStringLiteral("xesam:album"), state.album);
    if (!state.url.isEmpty())
        metadata.insert(QStringLiteral("xesam:url"), state.url);
    if (!state.artUrl.isEmpty())
        metadata.insert(QStringLiteral("mpris:artUrl"), state.artUrl);
    return metadata;
}

QVariantMap MprisService::PlayerProperties(const MprisState& state) const {
    const bool track = state.trackIndex >= 0;
    return {
        {QStringLiteral("PlaybackStatus"), StatusText(state.status)},
        {QStringLiteral("LoopStatus"),
         state.loop ? QStringLiteral("Playlist") : QStringLiteral("None")},
        {QStringLiteral("Rate"), state.rate},
        {QStringLiteral("Shuffle"), state.shuffle},
        {QStringLiteral("Metadata"), Metadata(state)},
        {QStringLiteral("Volume"), state.volume},
        {QStringLiteral("Position"), QVariant::fromValue(static_cast<qlonglong>(state.positionUs))},
        {QStringLiteral("MinimumRate"), state.minimumRate},
        {QStringLiteral("MaximumRate"), state.maximumRate},
        {QStringLiteral("CanGoNext"), state.hasEntries},
        {QStringLiteral("CanGoPrevious"), state.hasEntries},
        {QStringLiteral("CanPlay"), state.hasEntries},
        {QStringLiteral("CanPause"), state.hasEntries},
        {QStringLiteral("CanSeek"), track && state.lengthUs > 0},
        {QStringLiteral("CanControl"), true},
    };
}

void MprisService::AfterRequest(bool seeked) {
    if (m_registered)
        Look(seeked);
}

void MprisService::Follow(bool now) {
    if (m_registered && (now || m_sinceLook.elapsed() >= kRoundMs))
        Look(false);
}

void MprisService::Look(bool seeked) {
    const MprisState now = m_player.State();
    const qint64 elapsedUs = m_sinceLook.restart() * 1000;
    // The position moves all the time; the desktop reads it when it needs it.
    MprisState samePlace = now;
    samePlace.positionUs = m_seen.positionUs;
    if (samePlace != m_seen) {
        const QVariantMap before = PlayerProperties(m_seen);
        const QVariantMap after = PlayerProperties(now);
        QVariantMap changed;
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (it.key() != QStringLiteral("Position") && before.value(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        }
        if (!changed.isEmpty())
            EmitChanged(kPlayerInterface, changed);
    }

    const bool sameTrack = now.trackIndex == m_seen.trackIndex && now.trackIndex >= 0;
    const qint64 expected =
        m_seen.positionUs +
        (m_seen.status == MprisStatus::Playing
             ? static_cast<qint64>(std::llround(static_cast<double>(elapsedUs) * m_seen.rate))
             : 0);
    if (seeked || (sameTrack && std::llabs(now.positionUs - expected) > kJumpUs)) {
        QDBusMessage signal =
            QDBusMessage::createSignal(kObjectPath, kPlayerInterface, QStringLiteral("Seeked"));
        signal << static_cast<qlonglong>(now.positionUs);
        m_connection.send(signal);
    }
    m_seen = now;
}

void MprisService::EmitChanged(const QString& interfaceName, const QVariantMap& changed) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << interfaceName << changed << QStringList();
    m_connection.send(signal);
}

} // namespace vantor
