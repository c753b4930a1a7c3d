#include "core/PlaybackTick.h"

#include "core/Docking.h"
#include "core/PositionDisplay.h"
#include "core/TrackAdvance.h"

namespace vantor {

namespace {

// The main window wears its inactive face while another window has the
// focus; the mode buttons are drawn again on the new face.
void FollowFocus(PlaybackContext& ctx, const DesktopWindows& desktop) {
    const Face face = desktop.MainWindowIsForeground() ? Face::Normal : Face::Inactive;
    if (ctx.player.FaceInUse == face)
        return;
    ctx.player.FaceInUse = face;
    ctx.view.ApplyFace(face);
    ctx.view.DrawModeButton(ModeButton::Loop, ctx.settings.PlayLoopMode != 0);
    ctx.view.DrawModeButton(ModeButton::Random, ctx.settings.PlayRandomMode != 0);
    ctx.view.DrawModeButton(ModeButton::NonStop, ctx.settings.NonStopMegaMix != 0);
}

} // namespace

void PlaybackTick(PlaybackContext& ctx, DesktopWindows& desktop) {
    FollowFocus(ctx, desktop);
    if (!ctx.player.AnyPlaying()) {
        ShowIdlePosition(ctx);
    } else {
        AdvanceTracks(ctx);
        ShowPosition(ctx);
        ctx.view.RepaintMainWindow();
    }
    DockMainWindow(ctx.view, desktop);
}

} // namespace vantor
