// libsoxr bound at run time. Only a stream at another rate than the mixer's
// needs it, and it brings the OpenMP runtime along, so it is loaded when the
// first such stream opens and stays for the life of the process. Any thread
// may call Soxr().
#pragma once

#include "base/DynamicLibrary.h"

#include <soxr.h>

// Every libsoxr function the rate conversion calls.
#define VANTOR_SOXR_FUNCTIONS(X)                                                                   \
    X(soxr_clear)                                                                                  \
    X(soxr_create)                                                                                 \
    X(soxr_delete)                                                                                 \
    X(soxr_io_spec)                                                                                \
    X(soxr_process)                                                                                \
    X(soxr_quality_spec)

namespace vantor::engine {

struct SoxrApi {
    VANTOR_BOUND_FUNCTIONS(VANTOR_SOXR_FUNCTIONS)
};

// libsoxr's functions, loading the library the first time (the one the program
// was built against); null when it cannot be loaded, which no later call
// changes.
const SoxrApi* Soxr();

} // namespace vantor::engine
