// A tool built without Qt has no desktop reader: only PNG files load.
#include "ToolPictures.h"

namespace vantor::tool {

namespace {

class NoPictureReader : public PictureReader {
public:
    std::optional<gfx::Surface> ReadPicture(const std::string&) override { return std::nullopt; }
};

} // namespace

std::unique_ptr<PictureReader> MakeDesktopPictureReader() {
    return std::make_unique<NoPictureReader>();
}

} // namespace vantor::tool
