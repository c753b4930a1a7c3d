#include "media/FileBytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

// Up to this size a file is read whole: one read costs less than setting up
// and tearing down a mapping (whose unmapping flushes address translations).
constexpr std::size_t kReadWholeLimit = 256 * 1024;

} // namespace

FileBytes::FileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        m_size = static_cast<std::size_t>(info.st_size);
        m_open = m_size <= kReadWholeLimit ? Read(fd) : Map(fd);
        if (!m_open)
            m_size = 0;
    }
    ::close(fd);
}

bool FileBytes::Read(int fd) {
    m_buffer.resize(m_size);
    std::size_t done = 0;
    while (done < m_size) {
        const ssize_t got =
            ::pread(fd, m_buffer.data() + done, m_size - done, static_cast<off_t>(done));
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    // A file that shrank while it was read offers what it still held.
    m_size = done;
    m_data = m_buffer.data();
    return true;
}

bool FileBytes::Map(int fd) {
    void* mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped == MAP_FAILED)
        return false;
    m_data = static_cast<const std::uint8_t*>(mapped);
    m_mapped = true;
    return true;
}

FileBytes::~FileBytes() {
    if (m_mapped)
        ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
}

std::span<const std::uint8_t> ClipRange(std::span<const std::uint8_t> file, std::uint64_t start,
                                        std::uint64_t length) {
    if (start >= file.size())
        return {};
    const std::uint64_t available = file.size() - start;
    return file.subspan(static_cast<std::size_t>(start),
                        static_cast<std::size_t>(length < available ? length : available));
}

} // namespace vantor
