// The texts of the sound library's error codes, as every sound failure
// message shows them. Pure function, any thread.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

std::string SoundErrorText(std::int32_t code);

} // namespace vantor
