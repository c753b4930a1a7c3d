// What TagLib reads of a file, as plain values: the tag fields, the stream's
// facts and the embedded pictures. The private library vantor-taglib alone
// links TagLib and fills these; the media layer binds it by the two entry
// points below when a file first needs it, and interprets what they give.
// Plain data; any thread.
#pragma once

#include "media/TaggedStream.h"

#include <string>
#include <utility>
#include <vector>

namespace vantor {

// Names with their first values, in the order the file gives them.
using TagFields = std::vector<std::pair<std::string, std::string>>;

struct TagLibFacts {
    // The file is one TagLib reads, as its extension says.
    bool Valid = false;
    // Each tag field's first value, under the name TagLib's property map
    // gives it.
    TagFields Fields{};
    // Each MP4 item's first text, under its atom name: MP4 keeps loudness
    // values in freeform atoms that the property map leaves out.
    TagFields Mp4Items{};
    TaggedStream Stream{};
};

// One picture a tag holds, before the choice among them.
struct TagLibPicture {
    bool Front = false;
    std::string MimeType{};
    std::string Bytes{};
};

} // namespace vantor

// The library's entry points, bound by these names. False when TagLib cannot
// read the file as its extension says.
extern "C" {
__attribute__((visibility("default"))) bool VantorTagLibReadFacts(const char* path,
                                                                  vantor::TagLibFacts* facts);
__attribute__((visibility("default"))) bool
VantorTagLibReadPictures(const char* path, std::vector<vantor::TagLibPicture>* pictures);
}
