// The playback operations offered to the playlist (and every other caller
// that holds only the PlaybackControl seam), carried out on one player's
// state. Holds references only; the Player owns what they refer to. UI
// thread only.
#pragma once

#include "core/PlaybackContext.h"
#include "playlist/PlaybackControl.h"

namespace vantor {

class PlaybackCore : public PlaybackControl {
public:
    explicit PlaybackCore(PlaybackContext context) : m_ctx(context) {}

    std::int32_t ActiveSlot() const override;
    std::int32_t EntryIndex(PlaybackSlotId slot) const override;
    void SetEntryIndex(PlaybackSlotId slot, std::int32_t index) override;

    void OpenTrack(std::int32_t redrawFlag) override;
    void OpenSlot(PlaybackSlotId slot) override;
    void PlayTrack() override;
    void StopTrack() override;
    void CloseTrack() override;
    void CloseSlot(std::int32_t n) override;
    void TogglePause() override;
    void PlayCommand() override;
    void NextTrack() override;
    void PreviousTrack() override;
    std::int32_t PickRandomIndex(std::int32_t exclude) override;

    PlaybackContext& Context() { return m_ctx; }

private:
    PlaybackContext m_ctx;
};

} // namespace vantor
