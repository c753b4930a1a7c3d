// The skin browser's view of the running player: the skin folder and the
// skin in use from the settings, switching skins as the change-skin buttons
// do, and previews drawn off-screen with the player's pictures and fonts.
// Borrows the Player. UI thread only.
#pragma once

#include "skin/SkinBrowserHost.h"

namespace vantor {

class Player;

class SkinBrowserBridge : public SkinBrowserHost {
public:
    explicit SkinBrowserBridge(Player& player) : m_player(player) {}

    std::string SkinFolder() const override;
    std::string CurrentSkinPath() const override;
    void ApplySkinFile(const std::string& path) override;
    std::optional<SkinWindowPicture> RenderMainWindow(const std::string& path) override;

private:
    Player& m_player;
};

} // namespace vantor
