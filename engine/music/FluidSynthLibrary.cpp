#include "engine/music/FluidSynthLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

namespace {

std::optional<FluidSynthApi> Load() {
    void* handle = OpenDynamicLibrary(VANTOR_FLUIDSYNTH_SONAME);
    FluidSynthApi api;
    bool complete = true;
#define VANTOR_FLUIDSYNTH_BIND(name) complete = BindSymbol(handle, #name, api.name) && complete;
    VANTOR_FLUIDSYNTH_FUNCTIONS(VANTOR_FLUIDSYNTH_BIND)
#undef VANTOR_FLUIDSYNTH_BIND
    if (!complete)
        return std::nullopt;
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        api.fluid_set_log_function(level, nullptr, nullptr);
    return api;
}

} // namespace

const FluidSynthApi* FluidSynth() {
    static const std::optional<FluidSynthApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
