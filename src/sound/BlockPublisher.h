// Hands blocks of samples from the mixing thread to the UI thread without
// locks: the writer fills one of eight preallocated slots and then publishes
// its number; the reader copies a slot and retries when the writer came round
// to that slot meanwhile.
//
// A sound device that takes several blocks per period gets them mixed back to
// back, although it plays them one after the other, after the period it
// holds. So that a display follows what is heard rather than jumping a whole
// period ahead and then standing still, every block carries the time at
// which it starts to sound, and the reader copies the block sounding now. The
// writer learns the pace from the arrivals themselves: once two periods in a
// row took the same time per block, the blocks of the next period are spread
// over it. Renders that do not keep to a clock (offline, or pulled on demand)
// never show that regularity, so there every block is due when it arrives,
// the newest wins, and nothing needs to know the kind of output.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantor {

class BlockPublisher {
public:
    using Clock = std::chrono::steady_clock;

    explicit BlockPublisher(std::size_t blockSize) {
        for (Slot& slot : m_slots) {
            slot.values.assign(blockSize, 0.0f);
        }
    }

    // Mixing thread: `fill(float* slot)` writes the block's `blockSize` values.
    template <typename Fill>
    void Publish(Fill&& fill, Clock::time_point now = Clock::now()) {
        const std::uint64_t next = m_published.load(std::memory_order_relaxed) + 1;
        Slot& slot = m_slots[next % m_slots.size()];
        fill(slot.values.data());
        slot.due.store(DueTime(now).time_since_epoch().count(), std::memory_order_relaxed);
        m_published.store(next, std::memory_order_release);
    }

    // Any other thread: copies the start of the newest block that sounds by
    // `now` into `out` (at most `blockSize` values) and returns its number
    // (counting from 1), so that a reader can tell whether it has seen that
    // block already; 0 when nothing was published yet or the writer kept
    // overtaking the reader.
    std::uint64_t CopySounding(std::span<float> out, Clock::time_point now = Clock::now()) const {
        const Clock::rep nowCount = now.time_since_epoch().count();
        for (int attempt = 0; attempt < 8; ++attempt) {
            const std::uint64_t newest = m_published.load(std::memory_order_acquire);
            if (newest == 0) {
                return 0;
            }
            // The oldest slot may be being rewritten; it is never chosen.
            const std::uint64_t oldest =
                newest > kRetained ? newest - kRetained + 1 : std::uint64_t{1};
            std::uint64_t chosen = newest;
            while (chosen > oldest && m_slots[chosen % m_slots.size()].due.load(
                                          std::memory_order_relaxed) > nowCount) {
                --chosen;
            }
            const std::vector<float>& values = m_slots[chosen % m_slots.size()].values;
            std::copy_n(values.begin(), std::min(out.size(), values.size()), out.begin());
            std::atomic_thread_fence(std::memory_order_acquire);
            if (m_published.load(std::memory_order_relaxed) - chosen < m_slots.size() - 1) {
                return chosen;
            }
        }
        return 0;
    }

private:
    // Blocks the reader may choose from; one more slot is the writer's.
    static constexpr std::uint64_t kRetained = 7;
    // Blocks of one device period are mixed within this of each other.
    static constexpr Clock::duration kBackToBack = std::chrono::milliseconds(2);

    struct Slot {
        std::vector<float> values;
        std::atomic<Clock::rep> due{0};
    };

    // Mixing thread only.
    Clock::time_point DueTime(Clock::time_point now) {
        if (m_periodBlocks > 0 && now - m_lastArrival < kBackToBack) {
            m_lastArrival = now;
            return m_periodStart + m_lead + m_periodBlocks++ * m_spacing;
        }
        // A new period. Its length per block is trusted as the pace only when
        // the period before it had the same, within a quarter.
        Clock::duration perBlock{};
        if (m_periodBlocks > 0) {
            perBlock = (now - m_periodStart) / m_periodBlocks;
        }
        const Clock::duration difference =
            perBlock > m_lastPerBlock ? perBlock - m_lastPerBlock : m_lastPerBlock - perBlock;
        m_spacing = perBlock > Clock::duration::zero() && difference * 4 <= m_lastPerBlock
                        ? perBlock
                        : Clock::duration::zero();
        m_lastPerBlock = perBlock;
        // The device plays a period after the one it holds; the blocks are
        // shown all but one block later, so that the shown block leads the
        // heard one by about a block, as with periods of one block, and the
        // block due is still among those kept.
        m_lead = std::max<std::int64_t>(m_periodBlocks - 1, 0) * m_spacing;
        m_periodStart = now;
        m_lastArrival = now;
        m_periodBlocks = 1;
        return now + m_lead;
    }

    std::array<Slot, kRetained + 1> m_slots;
    std::atomic<std::uint64_t> m_published{0};
    Clock::time_point m_periodStart{};
    Clock::time_point m_lastArrival{};
    Clock::duration m_spacing{};
    Clock::duration m_lastPerBlock{};
    Clock::duration m_lead{};
    std::int64_t m_periodBlocks = 0;
};

} // namespace vantor
