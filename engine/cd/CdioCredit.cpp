#include "engine/cd/CdioCredit.h"

#include <cdio/version.h>

namespace vantor::engine {

// libcdio is loaded with the first CD drive or image; the one loaded then is
// the one the program was built against.
LibraryCredit CdioCredit() {
    return {"libcdio", CDIO_VERSION, "GPL-3.0-or-later"};
}

} // namespace vantor::engine
