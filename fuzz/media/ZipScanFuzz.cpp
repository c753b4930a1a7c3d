// Walks arbitrary bytes as a ZIP archive; every member found must lie
// inside the bytes.
#include "media/ZipMembers.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

class SilentMessages : public vantor::MessageBoxes {
public:
    void Show(const std::string&, const std::string&, vantor::MessageIcon) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentMessages messages;
    const auto scan =
        vantor::ScanZipArchive(std::span<const std::uint8_t>(data, size), "fuzz.zip", messages);
    for (const auto& member : scan.Members) {
        if (member.MemberStart < 0 || member.MemberEnd < member.MemberStart ||
            static_cast<std::size_t>(member.MemberEnd) >= size)
            __builtin_trap();
    }
    return 0;
}
