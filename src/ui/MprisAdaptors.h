// The two MPRIS 2 interfaces as Qt D-Bus adaptors of one MprisService:
// org.mpris.MediaPlayer2 (the application) and org.mpris.MediaPlayer2.Player
// (playback). Each property reads the player now; each method is one
// request to it. UI thread only.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

namespace vantor {

class MprisService;

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(bool CanSetFullscreen READ CanSetFullscreen)
    Q_PROPERTY(bool Fullscreen READ Fullscreen)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

public:
    explicit MprisRootAdaptor(MprisService& service);

    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    bool CanSetFullscreen() const { return false; }
    bool Fullscreen() const { return false; }
    QString Identity() const;
    QString DesktopEntry() const;
    QStringList SupportedUriSchemes() const;
    QStringList SupportedMimeTypes() const;

public slots:
    void Raise();
    void Quit();

private:
    MprisService& m_service;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)

public:
    explicit MprisPlayerAdaptor(MprisService& service);

    QString PlaybackStatus() const { return Property("PlaybackStatus").toString(); }
    QString LoopStatus() const { return Property("LoopStatus").toString(); }
    void SetLoopStatus(const QString& status);
    double Rate() const { return Property("Rate").toDouble(); }
    void SetRate(double rate);
    bool Shuffle() const { return Property("Shuffle").toBool(); }
    void SetShuffle(bool on);
    QVariantMap Metadata() const { return Property("Metadata").toMap(); }
    double Volume() const { return Property("Volume").toDouble(); }
    void SetVolume(double volume);
    qlonglong Position() const { return Property("Position").toLongLong(); }
    double MinimumRate() const { return Property("MinimumRate").toDouble(); }
    double MaximumRate() const { return Property("MaximumRate").toDouble(); }
    bool CanGoNext() const { return Property("CanGoNext").toBool(); }
    bool CanGoPrevious() const { return Property("CanGoPrevious").toBool(); }
    bool CanPlay() const { return Property("CanPlay").toBool(); }
    bool CanPause() const { return Property("CanPause").toBool(); }
    bool CanSeek() const { return Property("CanSeek").toBool(); }
    bool CanControl() const { return true; }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);

private:
    QVariant Property(const char* name) const;

    MprisService& m_service;
};

} // namespace vantor
