#include "engine/mix/DspChain.h"

#include <cstring>

namespace vantor::engine {

DspUnitHandle DspChain::Create(DspCallback callback, std::int32_t priority, void* userValue) {
    if (callback == nullptr) {
        return 0;
    }
    for (std::size_t i = 0; i < kMaxUnits; ++i) {
        Slot& slot = m_slots[i];
        if (!slot.used.load(std::memory_order_acquire)) {
            slot.active.store(false, std::memory_order_relaxed);
            slot.callback.store(callback, std::memory_order_relaxed);
            slot.userValue.store(userValue, std::memory_order_relaxed);
            slot.priority.store(priority, std::memory_order_relaxed);
            slot.used.store(true, std::memory_order_release);
            return static_cast<DspUnitHandle>(i + 1);
        }
    }
    return 0;
}

const DspChain::Slot* DspChain::Find(DspUnitHandle unit) const {
    if (unit <= 0 || static_cast<std::size_t>(unit) > kMaxUnits) {
        return nullptr;
    }
    const Slot& slot = m_slots[static_cast<std::size_t>(unit) - 1];
    return slot.used.load(std::memory_order_acquire) ? &slot : nullptr;
}

DspChain::Slot* DspChain::Find(DspUnitHandle unit) {
    return const_cast<Slot*>(static_cast<const DspChain*>(this)->Find(unit));
}

void DspChain::Free(DspUnitHandle unit) {
    if (Slot* slot = Find(unit)) {
        slot->active.store(false, std::memory_order_seq_cst);
        slot->used.store(false, std::memory_order_seq_cst);
    }
}

bool DspChain::SetActive(DspUnitHandle unit, bool active) {
    Slot* slot = Find(unit);
    if (slot == nullptr) {
        return false;
    }
    slot->active.store(active, std::memory_order_release);
    return true;
}

bool DspChain::Active(DspUnitHandle unit) const {
    const Slot* slot = Find(unit);
    return slot != nullptr && slot->active.load(std::memory_order_acquire);
}

void DspChain::Run(float* block, float* dry, std::size_t frames) const {
    // Collect the active units and order them by priority; a fixed array on
    // the stack keeps the mixing thread free of allocation.
    std::array<const Slot*, kMaxUnits> order{};
    std::size_t count = 0;
    for (const Slot& slot : m_slots) {
        if (!slot.used.load(std::memory_order_acquire) ||
            !slot.active.load(std::memory_order_acquire)) {
            continue;
        }
        std::size_t at = count++;
        std::int32_t priority = slot.priority.load(std::memory_order_relaxed);
        while (at > 0 && order[at - 1]->priority.load(std::memory_order_relaxed) > priority) {
            order[at] = order[at - 1];
            --at;
        }
        order[at] = &slot;
    }
    for (std::size_t i = 0; i < count; ++i) {
        DspCallback callback = order[i]->callback.load(std::memory_order_relaxed);
        float* result = callback(dry, block, static_cast<std::int32_t>(frames),
                                 order[i]->userValue.load(std::memory_order_relaxed));
        if (result != nullptr && result != block) {
            std::memmove(block, result, frames * 2 * sizeof(float));
        }
    }
}

} // namespace vantor::engine
