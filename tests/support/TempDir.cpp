#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vantor::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "vantor-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string TempDir::File(std::string_view name) const {
    const auto path = m_path + std::string(name);
    fs::create_directories(fs::path(path).parent_path());
    return path;
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    const auto path = File(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempDir::Write(std::string_view name, std::span<const std::uint8_t> bytes) const {
    return Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string TempDir::MakeFolder(std::string_view name) const {
    const auto path = m_path + std::string(name);
    fs::create_directories(path);
    return path.back() == '/' ? path : path + "/";
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace vantor::test
