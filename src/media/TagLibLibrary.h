// The private TagLib library (vantor-taglib), bound the first time a file
// needs it and kept for the life of the process; it is found through the
// program's run path, beside Pixwell. Any thread.
#pragma once

#include "base/DynamicLibrary.h"
#include "media/taglib/TagLibFacts.h"

namespace vantor {

#define VANTOR_TAGLIB_FUNCTIONS(X)                                                                 \
    X(VantorTagLibReadFacts)                                                                       \
    X(VantorTagLibReadPictures)

struct TagLibApi {
    VANTOR_BOUND_FUNCTIONS(VANTOR_TAGLIB_FUNCTIONS)
};

// The library's file name, looked up on the run path.
inline constexpr const char* kTagLibLibraryName = "libvantor-taglib.so";

// The bound functions; null when the library cannot be found, and then the
// formats it reads show no tags and no pictures.
const TagLibApi* TagLibLibrary();

} // namespace vantor
