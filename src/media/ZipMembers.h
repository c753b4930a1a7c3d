// The stored (uncompressed) playable members of a ZIP archive, found by
// walking its local file headers. The caller turns each member into a
// playlist entry. UI thread (it may show a message box).
#pragma once

#include "platform/MessageBoxes.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct ZipMember {
    // The stored name after its last "/".
    std::string MemberName;
    // Offsets of the first and the last byte of the member's data.
    std::int32_t MemberStart = 0;
    std::int32_t MemberEnd = 0;
};

struct ZipScan {
    // 1 when the file is treated as an archive, 0 when the caller should add
    // it as an ordinary file.
    std::int32_t Result = 0;
    // The playable members found, in archive order.
    std::vector<ZipMember> Members;
};

// Walks the archive at `path`. A deflated playable member ends the walk with
// a message naming the archive; members found before it are kept.
ZipScan ScanZipArchive(const std::string& path, MessageBoxes& messages);
ZipScan ScanZipArchive(std::span<const std::uint8_t> bytes, const std::string& path,
                       MessageBoxes& messages);

// The part of a stored name after its last "/" (the whole name without one).
std::string MemberFileName(std::string_view storedName);

// A name ending in ".mp3", ".wav", ".ogg", ".wma" or ".mp2", in any case.
bool IsPlayableMemberName(std::string_view name);

} // namespace vantor
