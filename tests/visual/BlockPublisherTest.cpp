#include "sound/BlockPublisher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace vantor {
namespace {

using Clock = BlockPublisher::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

constexpr auto kBlock = milliseconds(23);

// Publishes blocks whose values are their numbers, as a device would get
// them: `perPeriod` mixed back to back at the start of each period.
class Device {
public:
    explicit Device(BlockPublisher& blocks) : m_blocks(blocks) {}

    void Period(int perPeriod, Clock::duration length) {
        for (int i = 0; i < perPeriod; ++i)
            Publish(m_time + i * microseconds(100));
        m_time += length;
    }
    void Publish(Clock::time_point at) {
        const float number = static_cast<float>(++m_count);
        m_blocks.Publish([number](float* slot) { slot[0] = number; }, at);
    }
    Clock::time_point Now() const { return m_time; }

private:
    BlockPublisher& m_blocks;
    Clock::time_point m_time{milliseconds(1000)};
    int m_count = 0;
};

float Shown(const BlockPublisher& blocks, Clock::time_point at) {
    std::vector<float> out(1, -1.0f);
    blocks.CopySounding(out, at);
    return out[0];
}

TEST(BlockPublisherTest, ABlockOfAPeriodIsShownWhileItSounds) {
    BlockPublisher blocks(4);
    Device device(blocks);
    // The first periods teach the pace.
    for (int period = 0; period < 3; ++period)
        device.Period(4, 4 * kBlock);
    const Clock::time_point start = device.Now();
    device.Period(4, 4 * kBlock);
    // The blocks of a period sound one after the other once the device has
    // played the period before, all but one block of it.
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Shown(blocks, start + k * kBlock + milliseconds(1)), 10.0f + k)
            << k << " blocks into the period";
    // A late period leaves the last block of the one before on show.
    EXPECT_EQ(Shown(blocks, start + 9 * kBlock), 16.0f);
}

TEST(BlockPublisherTest, TheNewestBlockWinsWithoutASteadyPace) {
    BlockPublisher blocks(4);
    Device device(blocks);
    std::vector<float> out(4);
    EXPECT_EQ(blocks.CopySounding(out, device.Now()), 0u);
    // One block per period is due when it comes.
    device.Period(1, kBlock);
    device.Period(1, kBlock);
    device.Period(1, kBlock);
    EXPECT_EQ(Shown(blocks, device.Now() - kBlock), 3.0f);
    // Periods of changing length (blocks pulled on demand, a pause) are
    // not taken for a pace.
    device.Period(4, milliseconds(5));
    device.Period(4, milliseconds(300));
    device.Period(4, 4 * kBlock);
    EXPECT_EQ(Shown(blocks, device.Now() - 4 * kBlock), 15.0f);
    // Blocks rendered as fast as they can be form one endless period.
    for (int i = 0; i < 40; ++i)
        device.Publish(device.Now() + i * microseconds(50));
    EXPECT_EQ(Shown(blocks, device.Now() + milliseconds(3)), 55.0f);
}

TEST(BlockPublisherTest, CopiesAsMuchAsTheReaderAsksAndNumbersTheBlock) {
    BlockPublisher blocks(3);
    blocks.Publish([](float* slot) { std::fill(slot, slot + 3, 7.0f); });
    std::vector<float> few(2, 0.0f);
    EXPECT_EQ(blocks.CopySounding(few), 1u);
    EXPECT_EQ(few, (std::vector<float>{7.0f, 7.0f}));
    std::vector<float> many(5, 0.0f);
    EXPECT_EQ(blocks.CopySounding(many), 1u);
    EXPECT_EQ(many, (std::vector<float>{7.0f, 7.0f, 7.0f, 0.0f, 0.0f}));
}

} // namespace
} // namespace vantor
