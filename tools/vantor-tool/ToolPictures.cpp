#include "ToolPictures.h"

#include "base/Paths.h"

#include <filesystem>

namespace vantor::tool {

ToolPictures::ToolPictures()
    : m_pixwell(ProgramFolder()), m_reader(MakeDesktopPictureReader()),
      m_loader(m_pixwell, *m_reader) {}

Picture ToolPictures::Load(const std::string& path, std::string& reason) {
    Picture picture = m_loader.LoadPictureFile(path);
    if (picture)
        return picture;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        reason = "no such file";
    else if (!IsPngFileName(path))
        reason = "the picture reader cannot read this file";
    else if (!m_pixwell.Api())
        reason = std::string("cannot load ") + PixwellLibrary::kFileName;
    else
        reason = "Pixwell refused the PNG file";
    return nullptr;
}

Picture ToolPictures::LoadOrSay(const std::string& path, std::ostream& err) {
    std::string reason;
    Picture picture = Load(path, reason);
    if (!picture)
        err << "vantor-tool: " << path << ": " << reason << "\n";
    return picture;
}

} // namespace vantor::tool
