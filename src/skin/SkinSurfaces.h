// The pixels of both skinned windows and the off-screen work surfaces they
// are composed from. The windows are views of `mainWindow` and
// `playListWindow`: the desktop shows those surfaces and nothing else.
// Owned by the Player, rebuilt by each skin application. UI thread.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "platform/TextPainter.h"
#include "skin/ShownField.h"
#include "skin/SkinDefinition.h"

#include <array>
#include <cstdint>

namespace vantor {

inline gfx::Rect ToGfx(const SkinRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// What the "ADVANCE" seek bar keeps between draws: the mask of the played
// part of its grey-level map and the colour number it was filled up to.
struct SeekMaskState {
    gfx::Surface mask;
    std::uint32_t threshold = 0;
};

struct SkinSurfaces {
    gfx::Surface mainWindow;
    gfx::Surface playListWindow;

    gfx::Surface face;
    gfx::Surface pressedFace;
    gfx::Surface inactiveFace;
    bool hasInactiveFace = false;
    // Set while the main window wears its inactive face.
    bool inactiveFaceShown = false;
    gfx::Surface playListFace;
    gfx::Surface playListPressedFace;

    std::array<gfx::Surface, kTextFieldCount> fields;
    // The time fields of both windows, which every tick asks for although
    // their text changes once a second.
    ShownField timeShown;
    ShownField playListTimeShown;

    gfx::Surface songInfoWork;
    gfx::Surface songInfoMask;
    bool songInfoMaskLoaded = false;
    // The song-information line drawn once in its font; the animation copies
    // strips of it into the field.
    gfx::Surface songInfoText;
    TextFont songInfoFont;
    int songInfoTextHeight = 0;

    SeekMaskState seekMask;
    // The seek bar, which every tick asks for although its position moves a
    // step only every few hundred milliseconds.
    ShownField seekShown;
    std::array<std::int32_t, kBarCount> lastFrames{-1, -1, -1, -1};

    TextFont playListFont;
    int playListItemHeight = 0;
    gfx::Surface playListSelection;

    // The face the main window is drawn from now. Whatever is drawn over the
    // face restores its background from this one, so that a field or bar
    // redrawn while the window is inactive sits on the dimmed face.
    const gfx::Surface& FaceShown() const {
        return inactiveFaceShown && hasInactiveFace ? inactiveFace : face;
    }
};

} // namespace vantor
