// The desktop's own picture loader, for every skin picture that is not a
// PNG file: BMP, JPEG, GIF and icons. The caller owns the returned surface;
// nothing means the file could not be read. UI thread.
#pragma once

#include "gfx/Surface.h"

#include <optional>
#include <string>

namespace vantor {

class PictureReader {
public:
    virtual ~PictureReader() = default;
    virtual std::optional<gfx::Surface> ReadPicture(const std::string& path) = 0;
};

} // namespace vantor
