// Skins the tests make: definition files written into a temporary folder and
// pictures held in memory, handed out for files that exist on disk.
#pragma once

#include "base/Paths.h"
#include "gfx/Surface.h"
#include "skin/FontNameResolver.h"
#include "skin/PictureSource.h"
#include "support/FakeMessageBoxes.h"

#include <map>
#include <string>

namespace vantor::test {

// Serves in-memory pictures by file name, but only for files that exist, so
// that the loader's path resolution is exercised for real.
class FakePictureSource : public PictureSource {
public:
    Picture LoadPicture(const std::string& path) override {
        loaded.push_back(path);
        if (!FileExists(path))
            return nullptr;
        const auto found = pictures.find(FileNameOf(path));
        if (found == pictures.end())
            return nullptr;
        return std::make_shared<gfx::Surface>(found->second);
    }

    std::map<std::string, gfx::Surface> pictures;
    std::vector<std::string> loaded;
};

// A surface of one colour.
inline gfx::Surface Solid(int width, int height, gfx::Pixel colour) {
    return gfx::Surface(width, height, colour);
}

inline FontNameResolver TestFonts() {
    return FontNameResolver(std::vector<std::string>{"IPAGothic", "ＭＳ Ｐゴシック", "Arial"});
}

} // namespace vantor::test
