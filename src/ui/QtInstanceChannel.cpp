#include "ui/QtInstanceChannel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kAnswerTimeoutMs = 30000;
constexpr char kTaken = '1';

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A private folder in /tmp for systems without a runtime folder; refused
// when someone else owns it or others may enter it.
std::string PrivateTempFolder() {
    const std::string folder = "/tmp/vantor-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return {};
    return folder;
}

} // namespace

QtInstanceChannel::QtInstanceChannel(std::string socketPath, Receiver receiver)
    : m_socketPath(std::move(socketPath)), m_receiver(std::move(receiver)) {}

QtInstanceChannel::~QtInstanceChannel() = default;

std::string QtInstanceChannel::DefaultSocketPath() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime == '/')
        return std::string(runtime) + "/vantor.socket";
    const auto folder = PrivateTempFolder();
    return folder.empty() ? std::string() : folder + "/vantor.socket";
}

bool QtInstanceChannel::Claim(bool takeOver) {
    if (m_socketPath.empty())
        return true; // no private place for a socket: run without the channel
    const auto name = ToQString(m_socketPath);
    // A relaunch waits for the ending player to let go, for a few seconds.
    const int attempts = takeOver ? 50 : 1;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(name);
        const bool answered = probe.waitForConnected(takeOver ? 100 : kConnectTimeoutMs);
        if (!answered)
            break;
        probe.abort();
        if (!takeOver)
            return false;
        QThread::msleep(100);
    }
    QLocalServer::removeServer(name);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        m_server.reset();
        return true;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this,
            &QtInstanceChannel::AcceptConnection);
    return true;
}

void QtInstanceChannel::AcceptConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The sender writes the whole string ended by a NUL, then waits for
        // the answer; the string may arrive in pieces.
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const auto end = received->indexOf('\0');
            if (end < 0)
                return;
            const QByteArray buffer = *received;
            m_receiver(buffer.left(end).toStdString());
            socket->write(&kTaken, 1);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

bool QtInstanceChannel::Send(const std::string& argumentString) {
    if (m_socketPath.empty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(ToQString(m_socketPath));
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    QByteArray payload = QByteArray::fromStdString(argumentString);
    payload.append('\0');
    socket.write(payload);
    if (!socket.waitForBytesWritten(kConnectTimeoutMs))
        return false;
    // Blocks until the running player has taken the files.
    if (!socket.waitForReadyRead(kAnswerTimeoutMs))
        return false;
    return socket.read(1) == QByteArray(1, kTaken);
}

} // namespace vantor
