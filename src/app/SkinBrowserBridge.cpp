#include "app/SkinBrowserBridge.h"

#include "app/Player.h"
#include "base/Paths.h"
#include "visual/OffscreenSkin.h"

namespace vantor {
namespace {

// A preview says nothing: a skin's complaints belong to applying it.
class QuietMessages : public MessageBoxes {
public:
    void Show(const std::string&, const std::string&, MessageIcon) override {}
};

} // namespace

std::string SkinBrowserBridge::SkinFolder() const {
    const std::string folder =
        ResolveStoredPath(m_player.settings.SkinFileFolder, m_player.appFolder);
    // An installed player keeps its shipped skins in its data folder, not
    // beside the settings.
    return DirectoryExists(folder) ? folder : m_player.skinRoot + "Skin/";
}

std::string SkinBrowserBridge::CurrentSkinPath() const {
    return ResolveStoredPath(m_player.settings.SkinFilePath, m_player.skinRoot);
}

void SkinBrowserBridge::ApplySkinFile(const std::string& path) {
    m_player.skinApplication.ChangeSkin(path);
}

std::optional<SkinWindowPicture> SkinBrowserBridge::RenderMainWindow(const std::string& path) {
    QuietMessages quiet;
    const SkinServices services{quiet, m_player.pictures, m_player.fonts};
    auto surfaces = RenderSkinOffscreen(path, m_player.skinRoot, services, m_player.painter);
    if (!surfaces)
        return std::nullopt;
    return SkinWindowPicture{std::move(surfaces->mainWindow), std::move(surfaces->face)};
}

} // namespace vantor
