#include "core/PlaybackCore.h"

#include "core/RandomPick.h"
#include "core/TrackControl.h"
#include "core/TrackOpening.h"

namespace vantor {

std::int32_t PlaybackCore::ActiveSlot() const {
    return m_ctx.player.activeSlot;
}

std::int32_t PlaybackCore::EntryIndex(PlaybackSlotId slot) const {
    return slot == PlaybackSlotId::A ? m_ctx.player.slotA.entryIndex
                                     : m_ctx.player.slotB.entryIndex;
}

void PlaybackCore::SetEntryIndex(PlaybackSlotId slot, std::int32_t index) {
    (slot == PlaybackSlotId::A ? m_ctx.player.slotA : m_ctx.player.slotB).entryIndex = index;
}

void PlaybackCore::OpenTrack(std::int32_t redrawFlag) {
    vantor::OpenTrack(m_ctx, redrawFlag);
}

void PlaybackCore::OpenSlot(PlaybackSlotId slot) {
    vantor::OpenSlot(m_ctx, slot == PlaybackSlotId::A ? m_ctx.player.slotA : m_ctx.player.slotB);
}

void PlaybackCore::PlayTrack() {
    vantor::PlayTrack(m_ctx);
}

void PlaybackCore::StopTrack() {
    vantor::StopTrack(m_ctx);
}

void PlaybackCore::CloseTrack() {
    vantor::CloseTrack(m_ctx);
}

void PlaybackCore::CloseSlot(std::int32_t n) {
    vantor::CloseSlot(m_ctx, n);
}

void PlaybackCore::TogglePause() {
    vantor::TogglePause(m_ctx);
}

void PlaybackCore::PlayCommand() {
    vantor::PlayCommand(m_ctx);
}

void PlaybackCore::NextTrack() {
    vantor::NextTrack(m_ctx);
}

void PlaybackCore::PreviousTrack() {
    vantor::PreviousTrack(m_ctx);
}

std::int32_t PlaybackCore::PickRandomIndex(std::int32_t exclude) {
    return vantor::PickRandomIndex(m_ctx, exclude);
}

} // namespace vantor
