#include "core/ModeToggles.h"

#include "core/RandomPick.h"
#include "core/TrackOpening.h"

#include <string_view>

namespace vantor {

namespace {

// Inverts a mode setting with its menu tick; true when it is now on.
bool Flip(CommandHost& host, std::int32_t& setting, std::string_view menuItem) {
    setting = setting != 0 ? 0 : 1;
    host.SetMenuCheck(menuItem, -1, setting == 1);
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
    const bool on = Flip(host, ctx.settings.PlayLoopMode, "Mnu_Loop");
    SaveAndDraw(ctx, host, ModeButton::Loop, on);
}

void ToggleRandom(PlaybackContext& ctx, CommandHost& host) {
    const bool on = Flip(host, ctx.settings.PlayRandomMode, "Mnu_Random");
    SaveAndDraw(ctx, host, ModeButton::Random, on);
    if (ctx.HasEntries() && ctx.settings.NonStopMegaMix == 1)
        PrepareWaitingSlot(ctx);
}

void ToggleNonStop(PlaybackContext& ctx, CommandHost& host) {
    const bool on = Flip(host, ctx.settings.NonStopMegaMix, "Mnu_NonStop");
    if (on)
        EnterMix(ctx);
    else
        LeaveMix(ctx);
    SaveAndDraw(ctx, host, ModeButton::NonStop, on);
}

} // namespace vantor
