#include "ui/LocalSocket.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace vantor {

namespace {

constexpr int kBacklog = 8;

// False when the path does not fit a socket address.
bool ToAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

UniqueFd NewSocket(int flags = 0) {
    return UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0));
}

const sockaddr* AsSocketAddress(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

} // namespace

UniqueFd::~UniqueFd() {
    if (m_fd >= 0)
        ::close(m_fd);
}

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        UniqueFd old(std::exchange(m_fd, std::exchange(other.m_fd, -1)));
    }
    return *this;
}

UniqueFd ConnectLocal(const std::string& path) {
    sockaddr_un address;
    if (!ToAddress(path, address))
        return {};
    UniqueFd socket = NewSocket();
    if (!socket)
        return {};
    int result = 0;
    do {
        result = ::connect(socket.Get(), AsSocketAddress(address), sizeof(address));
    } while (result != 0 && errno == EINTR);
    return result == 0 ? std::move(socket) : UniqueFd();
}

UniqueFd ListenLocal(const std::string& path) {
    sockaddr_un address;
    if (!ToAddress(path, address))
        return {};
    // Accepting must never block: the player takes what is pending and
    // returns to its event loop.
    UniqueFd socket = NewSocket(SOCK_NONBLOCK);
    if (!socket)
        return {};
    ::unlink(path.c_str());
    // The folder the socket lives in is the user's own already; the mode
    // keeps others out should it ever be shared.
    if (::bind(socket.Get(), AsSocketAddress(address), sizeof(address)) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(socket.Get(), kBacklog) != 0)
        return {};
    return socket;
}

UniqueFd AcceptLocal(int listener) {
    return UniqueFd(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool WaitReadable(int fd, int timeoutMs) {
    pollfd watched{fd, POLLIN, 0};
    int result = 0;
    do {
        result = ::poll(&watched, 1, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

} // namespace vantor
