#include "engine/cd/CdioCredit.h"

#include <cdio/version.h>

namespace vantor::engine {

LibraryCredit CdioCredit() {
    return {"libcdio", cdio_version_string != nullptr ? cdio_version_string : "",
            "GPL-3.0-or-later"};
}

} // namespace vantor::engine
