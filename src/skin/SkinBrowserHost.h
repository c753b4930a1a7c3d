// What the skin browser page needs from the running player: where the skins
// are, which one is in use, a way to switch to another, and a picture of a
// skin's main window before it is chosen. The player implements it; the
// page borrows it for its lifetime. UI thread only.
#pragma once

#include "gfx/Surface.h"

#include <optional>
#include <string>

namespace vantor {

// A skinned window's pixels and the face whose magenta marks what lies
// outside its shape.
struct SkinWindowPicture {
    gfx::Surface window;
    gfx::Surface face;
};

class SkinBrowserHost {
public:
    virtual ~SkinBrowserHost() = default;
    // The folder the tree lists: the settings' skin folder.
    virtual std::string SkinFolder() const = 0;
    // The skin file in use, as a path on disk.
    virtual std::string CurrentSkinPath() const = 0;
    // Switches the player to the skin file at `path`.
    virtual void ApplySkinFile(const std::string& path) = 0;
    // The main window as `path` would draw it; nullopt when it has no face.
    virtual std::optional<SkinWindowPicture> RenderMainWindow(const std::string& path) = 0;
};

} // namespace vantor
