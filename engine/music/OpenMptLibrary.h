// libopenmpt bound at run time: only tracker modules need it, so it is loaded
// when the first one is read and stays for the life of the process. Any
// thread may call OpenMpt().
#pragma once

#include "base/DynamicLibrary.h"

#include <libopenmpt/libopenmpt.h>

// Every libopenmpt function the tracker songs call.
#define VANTOR_OPENMPT_FUNCTIONS(X)                                                                \
    X(openmpt_error_func_ignore)                                                                   \
    X(openmpt_free_string)                                                                         \
    X(openmpt_log_func_silent)                                                                     \
    X(openmpt_module_create_from_memory2)                                                          \
    X(openmpt_module_destroy)                                                                      \
    X(openmpt_module_get_current_order)                                                            \
    X(openmpt_module_get_duration_seconds)                                                         \
    X(openmpt_module_get_metadata)                                                                 \
    X(openmpt_module_get_num_orders)                                                               \
    X(openmpt_module_get_position_seconds)                                                         \
    X(openmpt_module_read_interleaved_float_stereo)                                                \
    X(openmpt_module_set_position_order_row)                                                       \
    X(openmpt_module_set_position_seconds)                                                         \
    X(openmpt_module_set_render_param)                                                             \
    X(openmpt_module_set_repeat_count)                                                             \
    X(openmpt_probe_file_header)

namespace vantor::engine {

struct OpenMptApi {
    VANTOR_BOUND_FUNCTIONS(VANTOR_OPENMPT_FUNCTIONS)
};

// libopenmpt's functions, loading the library the first time (the one the
// program was built against); null when it cannot be loaded, which no later
// call changes.
const OpenMptApi* OpenMpt();

} // namespace vantor::engine
