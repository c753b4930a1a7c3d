#include "engine/stream/FileRange.h"

#include "sound/SoundLibrary.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace vantor::engine {

std::unique_ptr<FileRange> FileRange::Open(const std::string& path, std::int64_t offset,
                                           std::int64_t length, int& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = errno == ENOENT || errno == ENOTDIR ? kSoundErrorFileNotFound : kSoundErrorFileBad;
        return nullptr;
    }
    if (!S_ISREG(info.st_mode) || offset < 0 || length < 0 || offset > info.st_size) {
        error = kSoundErrorFileBad;
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = kSoundErrorFileBad;
        return nullptr;
    }
    const std::int64_t available = info.st_size - offset;
    error = 0;
    return std::unique_ptr<FileRange>(
        new FileRange(file, offset, length == 0 ? available : std::min(length, available)));
}

FileRange::FileRange(std::FILE* file, std::int64_t offset, std::int64_t length)
    : m_file(file), m_offset(offset), m_length(length) {}

FileRange::~FileRange() {
    std::fclose(m_file);
}

std::int64_t FileRange::Read(void* buffer, std::size_t size) {
    const std::int64_t left = m_length - m_position;
    if (left <= 0 || size == 0)
        return 0;
    const auto want =
        static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(size), left));
    if (fseeko(m_file, m_offset + m_position, SEEK_SET) != 0)
        return -1;
    const std::size_t got = std::fread(buffer, 1, want, m_file);
    if (got == 0 && std::ferror(m_file) != 0)
        return -1;
    m_position += static_cast<std::int64_t>(got);
    return static_cast<std::int64_t>(got);
}

std::int64_t FileRange::Seek(std::int64_t target, int whence) {
    switch (whence) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        target += m_position;
        break;
    case SEEK_END:
        target += m_length;
        break;
    default:
        return -1;
    }
    if (target < 0 || target > m_length)
        return -1;
    m_position = target;
    return target;
}

} // namespace vantor::engine
