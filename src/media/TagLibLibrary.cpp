#include "media/TagLibLibrary.h"

#include <optional>

namespace vantor {

const TagLibApi* TagLibLibrary() {
    static const std::optional<TagLibApi> api = LoadBoundFunctions<TagLibApi>({kTagLibLibraryName});
    return api ? &*api : nullptr;
}

} // namespace vantor
