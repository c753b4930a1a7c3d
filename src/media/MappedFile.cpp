#include "media/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

MappedFile::MappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        m_size = static_cast<std::size_t>(info.st_size);
        if (m_size == 0) {
            m_open = true;
        } else {
            void* mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped != MAP_FAILED) {
                m_data = static_cast<const std::uint8_t*>(mapped);
                m_open = true;
            } else {
                m_size = 0;
            }
        }
    }
    ::close(fd);
}

MappedFile::~MappedFile() {
    if (m_data != nullptr)
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
