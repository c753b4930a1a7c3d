// The single-instance channel over a local socket that only this user can
// reach: $XDG_RUNTIME_DIR (private to the user) or a private folder in /tmp.
// The running player's server receives each argument string, hands it to
// the callback on the UI thread, then answers so the sender can end.
#pragma once

#include "platform/InstanceChannel.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace vantor {

class QtInstanceChannel : public QObject, public InstanceChannel {
    Q_OBJECT
public:
    using Receiver = std::function<void(const std::string& argumentString)>;

    QtInstanceChannel(std::string socketPath, Receiver receiver);
    ~QtInstanceChannel() override;

    bool Claim(bool takeOver) override;
    bool Send(const std::string& argumentString) override;

    // The socket path for this user.
    static std::string DefaultSocketPath();

private:
    void AcceptConnection();

    std::string m_socketPath;
    Receiver m_receiver;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace vantor
