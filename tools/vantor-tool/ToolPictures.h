// Pictures for vantor-tool, loaded exactly as the player loads them: PNG
// through Pixwell (beside the tool, then the library path), every other
// format through the desktop reader when the tool was built with Qt.
#pragma once

#include "platform/PictureReader.h"
#include "skin/PictureLoader.h"
#include "skin/PixwellLibrary.h"

#include <memory>
#include <ostream>
#include <string>

namespace vantor::tool {

// The desktop reader of this build; one that reads nothing without Qt.
std::unique_ptr<PictureReader> MakeDesktopPictureReader();

class ToolPictures {
public:
    ToolPictures();

    // The picture, or null with `reason` set to one line saying why.
    Picture Load(const std::string& path, std::string& reason);
    // The picture, or null after saying on `err` why not.
    Picture LoadOrSay(const std::string& path, std::ostream& err);
    PixwellLibrary& Pixwell() { return m_pixwell; }

private:
    PixwellLibrary m_pixwell;
    std::unique_ptr<PictureReader> m_reader;
    PictureLoader m_loader;
};

} // namespace vantor::tool
