#include "engine/music/OpenMptLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

const OpenMptApi* OpenMpt() {
    static const std::optional<OpenMptApi> api =
        LoadBoundFunctions<OpenMptApi>({VANTOR_OPENMPT_SONAME});
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
