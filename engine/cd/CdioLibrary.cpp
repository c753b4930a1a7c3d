#include "engine/cd/CdioLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

namespace {

// libcdio reports every unreadable image on the error output; the caller gets
// a failure value instead.
void QuietLog(cdio_log_level_t, const char*) {}

std::optional<CdioApi> Load() {
    auto api = LoadBoundFunctions<CdioApi>({VANTOR_CDIO_SONAMES});
    if (api)
        api->cdio_log_set_handler(QuietLog);
    return api;
}

} // namespace

const CdioApi* Cdio() {
    static const std::optional<CdioApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
