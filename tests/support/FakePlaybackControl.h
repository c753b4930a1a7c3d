// Records the playback operations the playlist asks for and keeps the slot
// indices, so tests can see what an add, delete or move did to playback.
#pragma once

#include "playlist/PlaybackControl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

class FakePlaybackControl : public PlaybackControl {
public:
    std::int32_t ActiveSlot() const override { return activeSlot; }
    std::int32_t EntryIndex(PlaybackSlotId slot) const override {
        return slot == PlaybackSlotId::A ? slotA : slotB;
    }
    void SetEntryIndex(PlaybackSlotId slot, std::int32_t index) override {
        (slot == PlaybackSlotId::A ? slotA : slotB) = index;
    }
    void OpenTrack(std::int32_t redrawFlag) override {
        calls.push_back("OpenTrack(" + std::to_string(redrawFlag) + ")");
    }
    void OpenSlot(PlaybackSlotId slot) override {
        calls.push_back(slot == PlaybackSlotId::A ? "OpenSlot(A)" : "OpenSlot(B)");
    }
    void PlayTrack() override { calls.emplace_back("PlayTrack"); }
    void StopTrack() override { calls.emplace_back("StopTrack"); }
    void CloseTrack() override {
        calls.emplace_back("CloseTrack");
        activeSlot = 0;
    }
    void CloseSlot(std::int32_t n) override {
        calls.push_back("CloseSlot(" + std::to_string(n) + ")");
    }
    void TogglePause() override { calls.emplace_back("TogglePause"); }
    void PlayCommand() override { calls.emplace_back("PlayCommand"); }
    void NextTrack() override { calls.emplace_back("NextTrack"); }
    void PreviousTrack() override { calls.emplace_back("PreviousTrack"); }
    std::int32_t PickRandomIndex(std::int32_t exclude) override {
        calls.push_back("PickRandomIndex(" + std::to_string(exclude) + ")");
        return randomPick;
    }

    std::int32_t activeSlot = 0;
    std::int32_t slotA = 0;
    std::int32_t slotB = 0;
    std::int32_t randomPick = 0;
    std::vector<std::string> calls;
};

} // namespace vantor::test
