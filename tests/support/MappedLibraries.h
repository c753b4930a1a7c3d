// Whether a library is loaded in the test's own process, for the tests of
// what the player binds only when first needed. Test fixtures only.
#pragma once

#include <string>

namespace vantor::test {

// True when a mapping of this process names `library` (a file name or a
// part of its path).
bool LibraryMapped(const std::string& library);

} // namespace vantor::test
