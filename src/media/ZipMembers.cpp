#include "media/ZipMembers.h"

#include "base/ByteReader.h"
#include "base/ShownText.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "media/FileBytes.h"

#include <array>
#include <limits>

namespace vantor {

namespace {

constexpr std::string_view kLocalHeader{"PK\x03\x04", 4};
constexpr std::string_view kCentralHeader{"PK\x01\x02", 4};

struct LocalHeader {
    std::uint16_t method = 0;
    std::uint32_t compressedSize = 0;
    std::string name;
};

// Reads the local header after its signature, leaving the reader at the
// first data byte.
bool ReadLocalHeader(ByteReader& reader, LocalHeader& header) {
    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;
    if (!reader.Skip(4) || !reader.ReadU16LE(header.method) || !reader.Skip(8) ||
        !reader.ReadU32LE(header.compressedSize) || !reader.Skip(4) ||
        !reader.ReadU16LE(nameLength) || !reader.ReadU16LE(extraLength))
        return false;
    const auto name = reader.TakeString(nameLength);
    if (!name || !reader.Skip(extraLength))
        return false;
    header.name = LegacyToUtf8(*name);
    return true;
}

} // namespace

ZipScan ScanZipArchive(std::span<const std::uint8_t> bytes, const std::string& path,
                       MessageBoxes& messages) {
    ZipScan scan;
    scan.Result = 1;
    ByteReader reader(bytes);
    bool first = true;
    while (!reader.AtEnd()) {
        if (!reader.Matches(kLocalHeader)) {
            // Neither a local nor a central-directory header: not an archive
            // this walk understands (a data descriptor, or no ZIP at all).
            scan.Result = 0;
            return scan;
        }
        first = false;
        reader.Skip(4);
        LocalHeader header;
        if (!ReadLocalHeader(reader, header))
            return scan;
        const bool playable = IsPlayableMemberName(header.name);
        if (playable && header.method != 0) {
            messages.Show(ComposeText(kNotStoredZipText, {path}), "Vantor",
                          MessageIcon::Information);
            return scan;
        }
        const std::size_t dataStart = reader.Position();
        // A member whose data runs past the end of the file (or beyond the
        // offsets an entry can hold) cannot be played; the walk ends there.
        if (!reader.Skip(header.compressedSize) ||
            reader.Position() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            return scan;
        // A member without data (its size given only in a data descriptor
        // after it) would name an empty range that plays nothing.
        if (playable && header.compressedSize != 0) {
            scan.Members.push_back({MemberFileName(header.name),
                                    static_cast<std::int32_t>(dataStart),
                                    static_cast<std::int32_t>(reader.Position()) - 1});
        }
        if (reader.Matches(kCentralHeader))
            return scan;
        if (reader.Remaining() < 4)
            return scan;
    }
    if (first)
        scan.Result = 0;
    return scan;
}

ZipScan ScanZipArchive(const std::string& path, MessageBoxes& messages) {
    const FileBytes file(path);
    if (!file.IsOpen())
        return {};
    return ScanZipArchive(file.Bytes(), path, messages);
}

std::string MemberFileName(std::string_view storedName) {
    const auto slash = storedName.rfind('/');
    return std::string(slash == std::string_view::npos ? storedName : storedName.substr(slash + 1));
}

bool IsPlayableMemberName(std::string_view name) {
    constexpr std::array<std::string_view, 5> kPlayable{".mp3", ".wav", ".ogg", ".wma", ".mp2"};
    for (const auto extension : kPlayable) {
        if (EndsWithIgnoreCase(name, extension))
            return true;
    }
    return false;
}

} // namespace vantor
