// A private folder for one test, removed with everything in it when the
// object goes away. Helpers write small files into it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vantor::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, with a trailing '/'.
    const std::string& Path() const { return m_path; }
    // Full path of `name` inside the folder (sub-folders are created).
    std::string File(std::string_view name) const;
    std::string Write(std::string_view name, std::string_view bytes) const;
    std::string Write(std::string_view name, std::span<const std::uint8_t> bytes) const;
    std::string MakeFolder(std::string_view name) const;

private:
    std::string m_path;
};

std::string ReadWholeFile(const std::string& path);

} // namespace vantor::test
