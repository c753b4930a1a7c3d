// The disc library the CD tracks are read with. Any thread.
#pragma once

#include "sound/LibraryCredit.h"

namespace vantor::engine {

LibraryCredit CdioCredit();

} // namespace vantor::engine
