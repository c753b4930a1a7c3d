#include "ui/MprisAdaptors.h"

#include "ui/MprisService.h"

#include <QUrl>

#include <algorithm>

namespace vantor {

MprisRootAdaptor::MprisRootAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), m_service(service) {}

QString MprisRootAdaptor::Identity() const {
    return QStringLiteral("Vantor");
}

QString MprisRootAdaptor::DesktopEntry() const {
    return QStringLiteral("vantor");
}

QStringList MprisRootAdaptor::SupportedUriSchemes() const {
    return {QStringLiteral("file")};
}

QStringList MprisRootAdaptor::SupportedMimeTypes() const {
    return m_service.Player().SupportedMimeTypes();
}

void MprisRootAdaptor::Raise() {
    m_service.Player().Raise();
}

void MprisRootAdaptor::Quit() {
    m_service.Player().Quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), m_service(service) {}

QVariant MprisPlayerAdaptor::Property(const char* name) const {
    return m_service.PlayerProperties(m_service.Player().State()).value(QLatin1String(name));
}

void MprisPlayerAdaptor::SetLoopStatus(const QString& status) {
    m_service.Player().SetLoop(status != QStringLiteral("None"));
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::SetRate(double rate) {
    // A rate of 0 means pause to the desktop, not a slower track.
    if (rate <= 0.0) {
        Pause();
        return;
    }
    m_service.Player().SetRate(rate);
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::SetShuffle(bool on) {
    m_service.Player().SetShuffle(on);
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::SetVolume(double volume) {
    m_service.Player().SetVolume(std::clamp(volume, 0.0, 1.0));
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::Next() {
    m_service.Player().Next();
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::Previous() {
    m_service.Player().Previous();
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::Pause() {
    if (m_service.Player().State().status == MprisStatus::Playing)
        m_service.Player().Pause();
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::PlayPause() {
    if (m_service.Player().State().status == MprisStatus::Playing)
        Pause();
    else
        Play();
}

void MprisPlayerAdaptor::Stop() {
    m_service.Player().Stop();
    m_service.AfterRequest();
}

// The player's Play starts the current track again from its beginning; the
// desktop's Play leaves a playing track alone.
void MprisPlayerAdaptor::Play() {
    if (m_service.Player().State().status != MprisStatus::Playing)
        m_service.Player().Play();
    m_service.AfterRequest();
}

void MprisPlayerAdaptor::Seek(qlonglong offset) {
    const MprisState state = m_service.Player().State();
    if (state.trackIndex < 0 || state.lengthUs <= 0)
        return;
    const qint64 target = std::max<qint64>(0, state.positionUs + offset);
    if (target >= state.lengthUs) {
        Next();
        return;
    }
    m_service.Player().SeekTo(target);
    m_service.AfterRequest(true);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
    const MprisState state = m_service.Player().State();
    if (trackId != MprisService::TrackId(state.trackIndex) || position < 0 ||
        position > state.lengthUs)
        return;
    m_service.Player().SeekTo(position);
    m_service.AfterRequest(true);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
    const QUrl url(uri);
    if (!url.isLocalFile())
        return;
    m_service.Player().OpenFile(url.toLocalFile());
    m_service.AfterRequest();
}

} // namespace vantor
