// The single-instance channel over a local socket that only this user can
// reach: $XDG_RUNTIME_DIR (private to the user) or a private folder in /tmp.
// The running player's listener receives each argument string and hands it to
// the callback on the UI thread; when the callback takes it, the sender is
// answered and can end, otherwise its connection closes unanswered.
#pragma once

#include "platform/InstanceChannel.h"
#include "ui/LocalSocket.h"

#include <QObject>

#include <functional>
#include <list>
#include <memory>
#include <string>

class QSocketNotifier;

namespace vantor {

class QtInstanceChannel : public QObject, public InstanceChannel {
    Q_OBJECT
public:
    // True when the files were taken.
    using Receiver = std::function<bool(const std::string& argumentString)>;

    QtInstanceChannel(std::string socketPath, Receiver receiver);
    ~QtInstanceChannel() override;

    bool Claim(bool takeOver) override;
    bool Send(const std::string& argumentString) override;

    // The socket path for this user.
    static std::string DefaultSocketPath();

private:
    // One sender: the string arrives in pieces, ended by a NUL.
    struct Connection {
        UniqueFd socket;
        std::unique_ptr<QSocketNotifier> notifier;
        std::string received;
    };

    void AcceptConnections();
    void ReadFrom(std::list<Connection>::iterator connection);

    std::string m_socketPath;
    Receiver m_receiver;
    UniqueFd m_listener;
    std::unique_ptr<QSocketNotifier> m_listening;
    std::list<Connection> m_connections;
};

} // namespace vantor
