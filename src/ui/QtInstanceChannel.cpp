#include "ui/QtInstanceChannel.h"

#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

constexpr int kAnswerTimeoutMs = 30000;
constexpr char kTaken = '1';
constexpr std::size_t kReadChunk = 4096;

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

QtInstanceChannel::~QtInstanceChannel() {
    // The name goes before the listener closes: a relaunch that is waiting
    // to take over binds its own socket there once connecting fails, and
    // must not lose it to this player's clean-up.
    if (m_listener)
        ::unlink(m_socketPath.c_str());
}

std::string QtInstanceChannel::DefaultSocketPath() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime == '/')
        return std::string(runtime) + "/vantor.socket";
    const auto folder = PrivateTempFolder();
    return folder.empty() ? std::string() : folder + "/vantor.socket";
}

bool QtInstanceChannel::Claim(bool takeOver) {
    if (m_socketPath.empty())
        return true; // no private place for a socket: run without the channel
    // A relaunch waits for the ending player to let go, for a few seconds.
    const int attempts = takeOver ? 50 : 1;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!ConnectLocal(m_socketPath))
            break;
        if (!takeOver)
            return false;
        QThread::msleep(100);
    }
    m_listener = ListenLocal(m_socketPath);
    if (!m_listener)
        return true;
    m_listening = std::make_unique<QSocketNotifier>(m_listener.Get(), QSocketNotifier::Read);
    connect(m_listening.get(), &QSocketNotifier::activated, this,
            &QtInstanceChannel::AcceptConnections);
    return true;
}

void QtInstanceChannel::AcceptConnections() {
    while (UniqueFd socket = AcceptLocal(m_listener.Get())) {
        auto notifier = std::make_unique<QSocketNotifier>(socket.Get(), QSocketNotifier::Read);
        m_connections.push_back({std::move(socket), std::move(notifier), {}});
        const auto connection = std::prev(m_connections.end());
        connect(connection->notifier.get(), &QSocketNotifier::activated, this,
                [this, connection] { ReadFrom(connection); });
    }
}

void QtInstanceChannel::ReadFrom(std::list<Connection>::iterator connection) {
    char chunk[kReadChunk];
    const ssize_t got = ::read(connection->socket.Get(), chunk, sizeof(chunk));
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got > 0)
        connection->received.append(chunk, static_cast<std::size_t>(got));
    const auto end = connection->received.find('\0');
    if (got > 0 && end == std::string::npos)
        return;
    // The notifier is deleted after this signal returns; until then it must
    // not watch a descriptor that is about to close.
    connection->notifier->setEnabled(false);
    connection->notifier.release()->deleteLater();
    if (end != std::string::npos && m_receiver(connection->received.substr(0, end)))
        WriteAll(connection->socket.Get(), std::string_view(&kTaken, 1));
    m_connections.erase(connection);
}

bool QtInstanceChannel::Send(const std::string& argumentString) {
    if (m_socketPath.empty())
        return false;
    const UniqueFd socket = ConnectLocal(m_socketPath);
    if (!socket)
        return false;
    std::string payload = argumentString;
    payload.push_back('\0');
    if (!WriteAll(socket.Get(), payload))
        return false;
    // Blocks until the running player has taken the files.
    char answer = 0;
    return WaitReadable(socket.Get(), kAnswerTimeoutMs) && ::read(socket.Get(), &answer, 1) == 1 &&
           answer == kTaken;
}

} // namespace vantor
