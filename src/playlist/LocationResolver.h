// Finds the files that playlist location lines name. Each folder a playlist
// points into is listed once and looked up in memory afterwards, so a list
// of many thousand entries costs a few directory reads instead of a file
// system query per line. One resolver per reading; not thread-safe.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantor {

class LocationResolver {
public:
    // The absolute path of the existing regular file that `line` names
    // (absolute, or relative to `baseFolder`; backslashes and letter case
    // as a Windows-made list may write them), or nothing.
    std::optional<std::string> Resolve(std::string_view line, const std::string& baseFolder);

private:
    struct Listing {
        // False when the folder could not be listed; lookups then ask the
        // file system directly.
        bool listed = false;
        // The folder as it exists on disk, with its trailing '/'.
        std::string spelled;
        // Name -> d_type, and lower-case name -> the first name spelled so.
        std::unordered_map<std::string, unsigned char> names;
        std::unordered_map<std::string, std::string> lowerNames;
    };

    const Listing& ListingOf(const std::string& folder);
    bool IsRegularFile(const std::string& folder, const std::string& name);

    std::unordered_map<std::string, Listing> m_listings;
};

} // namespace vantor
