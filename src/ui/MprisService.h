// The player on the session bus as org.mpris.MediaPlayer2.vantor: the root
// and Player interfaces of MPRIS 2, which give the desktop's media keys and
// playback controls their way in. It watches the player a few times a second
// and tells the bus what changed (PropertiesChanged, Seeked). Borrows the
// MprisPlayer; UI thread only.
#pragma once

#include "ui/MprisPlayer.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

namespace vantor {

class MprisService : public QObject {
    Q_OBJECT

public:
    explicit MprisService(MprisPlayer& player);
    ~MprisService() override;

    // Takes the bus name and offers the interfaces; false when there is no
    // session bus or the name is taken, and the player goes on without.
    bool Register(QDBusConnection connection);

    MprisPlayer& Player() { return m_player; }
    const MprisState& Seen() const { return m_seen; }
    // The properties of the Player interface for `state`.
    QVariantMap PlayerProperties(const MprisState& state) const;
    static QVariantMap Metadata(const MprisState& state);
    static QDBusObjectPath TrackId(int trackIndex);

    // A request of the bus has been carried out: look again now rather than
    // at the next round, and report a jump the request made.
    void AfterRequest(bool seeked = false);
    // The player calls this as it ticks: the state is looked at and changes
    // reported once a round, or at once with `now` (before the player rests,
    // so that what changed last is reported while it sleeps).
    void Follow(bool now = false);

private:
    void Look(bool seeked);
    void EmitChanged(const QString& interfaceName, const QVariantMap& changed);

    MprisPlayer& m_player;
    QDBusConnection m_connection{QString()};
    bool m_registered = false;
    QElapsedTimer m_sinceLook;
    MprisState m_seen;
};

} // namespace vantor
