// Hands the newest block of samples from the mixing thread to the UI thread
// without locks: the writer fills one of four preallocated slots and then
// publishes its number; the reader copies the newest slot and retries when
// the writer came round to that slot meanwhile.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::engine {

class BlockPublisher {
public:
    explicit BlockPublisher(std::size_t blockSize) : m_size(blockSize) {
        for (auto& slot : m_slots) {
            slot.assign(blockSize, 0.0f);
        }
    }
    std::size_t Size() const { return m_size; }

    // Mixing thread: `fill(float* slot)` writes Size() values.
    template <typename Fill>
    void Publish(Fill&& fill) {
        std::uint64_t next = m_published.load(std::memory_order_relaxed) + 1;
        fill(m_slots[next % m_slots.size()].data());
        m_published.store(next, std::memory_order_release);
    }

    // Any thread: how many blocks were published so far, so that a reader
    // can tell whether a newer block came since it last copied one.
    std::uint64_t PublishedCount() const { return m_published.load(std::memory_order_acquire); }

    // Any other thread: copies the newest block into `out` (Size() values);
    // returns false when nothing was published yet.
    bool CopyNewest(float* out) const {
        for (int attempt = 0; attempt < 8; ++attempt) {
            std::uint64_t seen = m_published.load(std::memory_order_acquire);
            if (seen == 0) {
                return false;
            }
            const std::vector<float>& slot = m_slots[seen % m_slots.size()];
            std::copy(slot.begin(), slot.end(), out);
            std::atomic_thread_fence(std::memory_order_acquire);
            // The slot is rewritten only after three more blocks.
            if (m_published.load(std::memory_order_relaxed) - seen < m_slots.size() - 1) {
                return true;
            }
        }
        return false;
    }

private:
    std::size_t m_size;
    std::array<std::vector<float>, 4> m_slots;
    std::atomic<std::uint64_t> m_published{0};
};

} // namespace vantor::engine
