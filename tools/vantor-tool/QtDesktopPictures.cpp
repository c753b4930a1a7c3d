// The desktop reader of a tool built with Qt.
#include "ToolPictures.h"

#include "ui/QtPictureReader.h"

namespace vantor::tool {

std::unique_ptr<PictureReader> MakeDesktopPictureReader() {
    return std::make_unique<QtPictureReader>();
}

} // namespace vantor::tool
