#include "engine/cd/CdioLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>
#include <vector>

namespace vantor::engine {

namespace {

// libcdio reports every unreadable image on the error output; the caller gets
// a failure value instead.
void QuietLog(cdio_log_level_t, const char*) {}

// One handle per library; a symbol is looked up in each in turn.
std::optional<CdioApi> Load() {
    const char* const sonames[] = {VANTOR_CDIO_SONAMES};
    std::vector<void*> handles;
    for (const char* soname : sonames)
        handles.push_back(OpenDynamicLibrary(soname));
    const auto bind = [&handles](const char* symbol, auto& into) {
        for (void* handle : handles) {
            if (BindSymbol(handle, symbol, into))
                return true;
        }
        return false;
    };
    CdioApi api;
    bool complete = true;
#define VANTOR_CDIO_BIND(name) complete = bind(#name, api.name) && complete;
    VANTOR_CDIO_FUNCTIONS(VANTOR_CDIO_BIND)
#undef VANTOR_CDIO_BIND
    if (!complete)
        return std::nullopt;
    api.cdio_log_set_handler(QuietLog);
    return api;
}

} // namespace

const CdioApi* Cdio() {
    static const std::optional<CdioApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
