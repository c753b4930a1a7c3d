#include "engine/music/OpenMptLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

namespace {

std::optional<OpenMptApi> Load() {
    void* handle = OpenDynamicLibrary(VANTOR_OPENMPT_SONAME);
    OpenMptApi api;
    bool complete = true;
#define VANTOR_OPENMPT_BIND(name) complete = BindSymbol(handle, #name, api.name) && complete;
    VANTOR_OPENMPT_FUNCTIONS(VANTOR_OPENMPT_BIND)
#undef VANTOR_OPENMPT_BIND
    if (!complete)
        return std::nullopt;
    return api;
}

} // namespace

const OpenMptApi* OpenMpt() {
    static const std::optional<OpenMptApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
