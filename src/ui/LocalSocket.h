// Local stream sockets named by a path, for the single-instance channel:
// connecting, listening with access for the owner only, whole writes and
// bounded waits. Plain POSIX, so the player needs no network library for
// them. Descriptors are owned by UniqueFd. Any thread.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Owns one file descriptor and closes it.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// A connection to whoever listens at `path`; empty when nobody does.
UniqueFd ConnectLocal(const std::string& path);
// Listens at `path`, replacing a file left there by a player that ended
// without removing it; only the owner may connect. Empty on failure.
UniqueFd ListenLocal(const std::string& path);
// The next pending connection of a listener, non-blocking; empty when none.
UniqueFd AcceptLocal(int listener);
// Writes every byte; false when the peer went away.
bool WriteAll(int fd, std::string_view bytes);
// Waits until `fd` can be read (data or the peer's end), at most `timeoutMs`.
bool WaitReadable(int fd, int timeoutMs);

} // namespace vantor
