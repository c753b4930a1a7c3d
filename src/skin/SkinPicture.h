// The picture type every skin slot holds: a shared raster surface, empty when
// the skin gave none. Whoever loads a picture hands out shared ownership; the
// skin record and the work surfaces drawn from it keep it alive. UI thread.
#pragma once

#include "gfx/Surface.h"

#include <memory>

namespace vantor {

using Picture = std::shared_ptr<gfx::Surface>;

} // namespace vantor
