// The running player as the desktop's media controls see it: the state the
// MPRIS service reports, and its requests carried out through the commands
// of the skin's buttons, bars and menus. Borrows the Player; UI thread only.
#pragma once

#include "core/MainCommands.h"
#include "media/TrackDescription.h"
#include "ui/MprisPlayer.h"
#include "ui/MprisService.h"

#include <string>

namespace vantor {

class Player;

class MprisBridge : public MprisPlayer {
public:
    explicit MprisBridge(Player& player) : m_player(player), m_service(*this) {}

    // Offers the player on the session bus, when there is one.
    void Connect();
    // Reports what changed to the desktop, once a round of ticks or `now`.
    void Follow(bool now = false) { m_service.Follow(now); }

    MprisState State() override;
    QStringList SupportedMimeTypes() const override;
    void Raise() override;
    void Quit() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    void SeekTo(qint64 positionUs) override;
    void SetVolume(double volume) override;
    void SetRate(double rate) override;
    void SetLoop(bool on) override;
    void SetShuffle(bool on) override;
    void OpenFile(const QString& path) override;

private:
    void Run(MainCommand command);
    // The tags and cover of the playlist entry, read once per track.
    const TrackDescription& Describe(std::int32_t index);

    Player& m_player;
    MprisService m_service;
    std::string m_describedPath;
    std::string m_describedMember;
    TrackDescription m_description;
    QString m_artUrl;
};

} // namespace vantor
