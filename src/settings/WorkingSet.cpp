#include "settings/WorkingSet.h"

#include <malloc.h>

namespace vantor {

void TrimWorkingSet(const Settings& settings) {
    if (settings.EseMemoryManagement != 0)
        ::malloc_trim(0);
}

} // namespace vantor
