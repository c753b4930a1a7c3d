// What applying a skin needs from the rest of the player: the tick timer, the
// window shapes, tooltips, the playlist window, the visualisation and the
// program's end. The player core implements it; tests record. UI thread only.
#pragma once

#include "gfx/Surface.h"

namespace vantor {

class SkinApplicationPeers {
public:
    virtual ~SkinApplicationPeers() = default;
    virtual void StopTickTimer() = 0;
    virtual void StartTickTimer() = 0;
    // Shapes both windows from their faces (magenta is cut out).
    virtual void ShapeWindows(const gfx::Surface& mainFace, const gfx::Surface& playListFace) = 0;
    virtual void SetUpSkinToolTips() = 0;
    // The playlist window was placed by the skin ("PlayListInitXY").
    virtual void PlacePlayListWindow() = 0;
    // The song-information font, the time display, the idle text or the
    // current song, and the analyzer pattern, from the new skin.
    virtual void PrepareVisuals() = 0;
    // The playlist rows and its scroll field with the knob.
    virtual void DrawPlayList() = 0;
    // The caption "Vantor" and the always-on-top state.
    virtual void FinishApplication() = 0;
    // A skin the user switched to is in place: the working set is trimmed,
    // the windows come to the front and the settings are saved, so the
    // choice survives whatever ends the program.
    virtual void SkinChanged() = 0;
    // The default skin is missing too: the program ends.
    virtual void ExitPlayer() = 0;
};

} // namespace vantor
