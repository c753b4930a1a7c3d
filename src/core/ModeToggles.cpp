#include "core/ModeToggles.h"

#include "core/RandomPick.h"
#include "core/TrackOpening.h"

namespace vantor {

namespace {

// Inverts a mode setting; true when it is now on. The menu's tick follows
// the setting.
bool Flip(std::int32_t& setting) {
    setting = setting != 0 ? 0 : 1;
    return setting == 1;
}

void SaveAndDraw(PlaybackContext& ctx, CommandHost& host, ModeButton button, bool on) {
    host.SaveSettings();
    ctx.view.DrawModeButton(button, on);
}

void PrepareWaitingSlot(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    CloseInactiveSlot(ctx);
    player.InactiveSlot().entryIndex = NextChoice(ctx, player.SoundingIndex());
    OpenTrack(ctx, 1);
}

void LeaveMix(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    if (player.SlotBSounds()) {
        // What is left of the track that finished would lose its handle.
        ReleaseSlot(ctx, player.slotA);
        player.slotA = player.slotB;
        player.slotB = PlaybackSlot{};
    } else {
        CloseSlot(ctx, 2);
    }
    player.activeSlot = kOrdinaryPlayback;
    // A change left half-done must not block the next mix.
    player.MixTriggered = 0;
}

void EnterMix(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    if (player.slotA.IsPlaying())
        player.activeSlot = kMixSlotASounding;
    if (!ctx.HasEntries())
        return;
    player.slotB.entryIndex = NextChoice(ctx, player.currentIndex());
    OpenTrack(ctx, 0);
}

} // namespace

void ToggleLoop(PlaybackContext& ctx, CommandHost& host) {
    const bool on = Flip(ctx.settings.PlayLoopMode);
    SaveAndDraw(ctx, host, ModeButton::Loop, on);
}

void ToggleRandom(PlaybackContext& ctx, CommandHost& host) {
    const bool on = Flip(ctx.settings.PlayRandomMode);
    SaveAndDraw(ctx, host, ModeButton::Random, on);
    if (ctx.HasEntries() && ctx.settings.NonStopMegaMix == 1)
        PrepareWaitingSlot(ctx);
}

void ToggleNonStop(PlaybackContext& ctx, CommandHost& host) {
    const bool on = Flip(ctx.settings.NonStopMegaMix);
    if (on)
        EnterMix(ctx);
    else
        LeaveMix(ctx);
    SaveAndDraw(ctx, host, ModeButton::NonStop, on);
}

} // namespace vantor
