#include "playlist/PlayableExtensions.h"

#include "base/StringUtil.h"

namespace vantor {

namespace {

// The last `count` bytes of the name; the whole name when it is shorter.
// Every extension is ASCII, so a byte tail that cuts a multi-byte character
// can never equal one.
std::string_view Tail(std::string_view name, std::size_t count) {
    return name.size() <= count ? name : name.substr(name.size() - count);
}

} // namespace

int MatchPlayableExtension(std::string_view fileName) {
    for (int index = 0; index < static_cast<int>(PlayableExtensions.size()); ++index) {
        const auto extension = PlayableExtensions[static_cast<std::size_t>(index)];
        for (const std::size_t count : {4u, 3u, 5u}) {
            if (EqualsIgnoreCase(Tail(fileName, count), extension))
                return index;
        }
    }
    return kNoExtensionMatch;
}

} // namespace vantor
