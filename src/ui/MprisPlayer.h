// What the desktop's media controls (MPRIS 2) see of the player and ask of
// it. The application implements it on the running player, every request
// through the same commands as the skin's buttons. UI thread only.
#pragma once

#include <QString>
#include <QStringList>

namespace vantor {

enum class MprisStatus { Playing, Paused, Stopped };

// One look at the player, taken whenever the desktop asks and a few times a
// second to find what changed.
struct MprisState {
    MprisStatus status = MprisStatus::Stopped;
    // The playlist index of the sounding track, -1 for none.
    int trackIndex = -1;
    qint64 lengthUs = 0;
    qint64 positionUs = 0;
    QString title;
    QString artist;
    QString album;
    QString url;
    // A file:// URL of the track's cover picture; empty without one.
    QString artUrl;
    double volume = 0.0;
    double rate = 1.0;
    double minimumRate = 1.0;
    double maximumRate = 1.0;
    bool loop = false;
    bool shuffle = false;
    bool hasEntries = false;
    bool operator==(const MprisState&) const = default;
};

class MprisPlayer {
public:
    virtual ~MprisPlayer() = default;

    virtual MprisState State() = 0;
    virtual QStringList SupportedMimeTypes() const = 0;

    virtual void Raise() = 0;
    virtual void Quit() = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Next() = 0;
    virtual void Previous() = 0;
    // Moves the sounding track to `positionUs` from its start.
    virtual void SeekTo(qint64 positionUs) = 0;
    virtual void SetVolume(double volume) = 0;
    virtual void SetRate(double rate) = 0;
    virtual void SetLoop(bool on) = 0;
    virtual void SetShuffle(bool on) = 0;
    // Opens the local file as the new playlist and plays it.
    virtual void OpenFile(const QString& path) = 0;
};

} // namespace vantor
