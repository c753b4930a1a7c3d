// Handing freed memory back to the system after heavy work (a track opened,
// a skin applied), when the user asked for it. UI thread.
#pragma once

#include "settings/Settings.h"

namespace vantor {

// When EseMemoryManagement is on, returns the heap's free pages to the
// system; otherwise does nothing. The result is of no interest to callers.
void TrimWorkingSet(const Settings& settings);

} // namespace vantor
