#include "engine/music/FluidSynthLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

namespace {

std::optional<FluidSynthApi> Load() {
    auto api = LoadBoundFunctions<FluidSynthApi>({VANTOR_FLUIDSYNTH_SONAME});
    if (api) {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            api->fluid_set_log_function(level, nullptr, nullptr);
    }
    return api;
}

} // namespace

const FluidSynthApi* FluidSynth() {
    static const std::optional<FluidSynthApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
