#include "engine/stream/SoxrLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>

namespace vantor::engine {

const SoxrApi* Soxr() {
    static const std::optional<SoxrApi> api = LoadBoundFunctions<SoxrApi>({VANTOR_SOXR_SONAME});
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
