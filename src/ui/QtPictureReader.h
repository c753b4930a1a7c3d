// The desktop picture reader on Qt's image reader: BMP, JPEG, GIF, icons
// and whatever other format plugins are installed. Returns a new surface
// the caller owns. UI thread (Qt's image plugins are loaded there).
#pragma once

#include "platform/PictureReader.h"

namespace vantor {

class QtPictureReader : public PictureReader {
public:
    std::optional<gfx::Surface> ReadPicture(const std::string& path) override;
};

} // namespace vantor
