// The pointer buttons the skinned windows react to. Plain values; any thread.
#pragma once

namespace vantor {

enum class PointerButton { Left, Right };

} // namespace vantor
