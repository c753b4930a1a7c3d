// libcdio and its paranoia reader bound at run time: only the CD window and
// CD streams need them, so they are loaded when a drive or image is first
// listed or opened and stay for the life of the process. Any thread may call
// Cdio().
#pragma once

#include "base/DynamicLibrary.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

// Every libcdio function the CD devices call.
#define VANTOR_CDIO_FUNCTIONS(X)                                                                   \
    X(cdio_cddap_close_no_free_cdio)                                                               \
    X(cdio_cddap_identify_cdio)                                                                    \
    X(cdio_cddap_open)                                                                             \
    X(cdio_destroy)                                                                                \
    X(cdio_eject_media)                                                                            \
    X(cdio_eject_media_drive)                                                                      \
    X(cdio_free_device_list)                                                                       \
    X(cdio_get_cdtext)                                                                             \
    X(cdio_get_devices)                                                                            \
    X(cdio_get_driver_id)                                                                          \
    X(cdio_get_driver_name)                                                                        \
    X(cdio_get_first_track_num)                                                                    \
    X(cdio_get_hwinfo)                                                                             \
    X(cdio_get_num_tracks)                                                                         \
    X(cdio_get_track_format)                                                                       \
    X(cdio_get_track_lsn)                                                                          \
    X(cdio_get_track_sec_count)                                                                    \
    X(cdio_log_set_handler)                                                                        \
    X(cdio_open)                                                                                   \
    X(cdio_paranoia_free)                                                                          \
    X(cdio_paranoia_init)                                                                          \
    X(cdio_paranoia_modeset)                                                                       \
    X(cdio_paranoia_read)                                                                          \
    X(cdio_paranoia_seek)                                                                          \
    X(cdtext_get_const)

namespace vantor::engine {

struct CdioApi {
    VANTOR_BOUND_FUNCTIONS(VANTOR_CDIO_FUNCTIONS)
};

// libcdio's functions, loading the libraries the first time (those the
// program was built against) with libcdio's own log silenced; null when they
// cannot be loaded, which no later call changes.
const CdioApi* Cdio();

} // namespace vantor::engine
