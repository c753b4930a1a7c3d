#include "engine/stream/SoxrLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

namespace {

std::optional<SoxrApi> Load() {
    void* const handle = OpenDynamicLibrary(VANTOR_SOXR_SONAME);
    SoxrApi api;
    bool complete = true;
#define VANTOR_SOXR_BIND(name) complete = BindSymbol(handle, #name, api.name) && complete;
    VANTOR_SOXR_FUNCTIONS(VANTOR_SOXR_BIND)
#undef VANTOR_SOXR_BIND
    if (!complete)
        return std::nullopt;
    return api;
}

} // namespace

const SoxrApi* Soxr() {
    static const std::optional<SoxrApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
