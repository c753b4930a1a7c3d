#include "app/PlayerHarness.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {} // namespace
} // namespace vantor::test
