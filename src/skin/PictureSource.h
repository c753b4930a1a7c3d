// Where the skin loader gets its pictures from: the player's picture file
// loader, or a fake in tests. The caller owns the returned picture (shared);
// an empty picture means the file could not be loaded. UI thread.
#pragma once

#include "skin/SkinPicture.h"

#include <string>

namespace vantor {

class PictureSource {
public:
    virtual ~PictureSource() = default;
    virtual Picture LoadPicture(const std::string& path) = 0;
};

} // namespace vantor
