// Replacing a file so that a failed write never loses the previous version:
// the bytes go to a temporary file beside it, which is then renamed over it.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace vantor
