// The DSP units that process every mixed block, run in ascending priority.
// Units are created, switched and freed on the UI thread; Run is called on
// the mixing thread and only reads atomics and preallocated slots.
#pragma once

#include "sound/SoundLibrary.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace vantor::engine {

class DspChain {
public:
    static constexpr std::size_t kMaxUnits = 64;

    // UI thread. Returns a handle (> 0), or 0 when every slot is taken.
    DspUnitHandle Create(DspCallback callback, std::int32_t priority, void* userValue);
    // The unit stops being called from the next block on; the caller waits
    // for the current block to end before releasing what the unit uses.
    void Free(DspUnitHandle unit);
    bool SetActive(DspUnitHandle unit, bool active);
    bool Active(DspUnitHandle unit) const;

    // Mixing thread: runs the active units over `block` (stereo, `frames`
    // frames); `dry` is the block as mixed, before any unit.
    void Run(float* block, float* dry, std::size_t frames) const;

private:
    struct Slot {
        std::atomic<bool> used{false};
        std::atomic<bool> active{false};
        std::atomic<DspCallback> callback{nullptr};
        std::atomic<void*> userValue{nullptr};
        std::atomic<std::int32_t> priority{0};
    };
    const Slot* Find(DspUnitHandle unit) const;
    Slot* Find(DspUnitHandle unit);

    std::array<Slot, kMaxUnits> m_slots;
};

} // namespace vantor::engine
