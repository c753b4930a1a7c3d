#include "ui/LruCache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

class LruCacheTest : public ::testing::Test {
protected:
    // The value for `key`, noting each key the cache had to make.
    int Get(const std::string& key) {
        return cache.GetOrMake(key, [&] {
            made.push_back(key);
            return static_cast<int>(key.size());
        });
    }

    LruCache<std::string, int> cache{3};
    std::vector<std::string> made;
};

TEST_F(LruCacheTest, MakesEachKeyOnceWhileItIsKept) {
    EXPECT_EQ(Get("a"), 1);
    EXPECT_EQ(Get("bb"), 2);
    EXPECT_EQ(Get("a"), 1);
    EXPECT_EQ(Get("bb"), 2);
    EXPECT_EQ(made, (std::vector<std::string>{"a", "bb"}));
    EXPECT_EQ(cache.Size(), 2u);
}

TEST_F(LruCacheTest, DropsTheLeastRecentlyUsedWhenFull) {
    Get("a");
    Get("b");
    Get("c");
    Get("a"); // now "b" is the oldest
    Get("d");
    EXPECT_EQ(cache.Size(), 3u);
    made.clear();
    Get("a");
    Get("c");
    Get("d");
    EXPECT_TRUE(made.empty());
    Get("b");
    EXPECT_EQ(made, (std::vector<std::string>{"b"}));
    EXPECT_EQ(cache.Size(), 3u);
}

TEST_F(LruCacheTest, ReturnedValueIsTheKeptOne) {
    int& value = cache.GetOrMake("x", [] { return 7; });
    value = 9;
    EXPECT_EQ(Get("x"), 9);
    EXPECT_TRUE(made.empty());
}

TEST(LruCache, CapacityOfZeroStillKeepsTheLatest) {
    LruCache<int, int> cache(0);
    int makes = 0;
    const auto make = [&makes] { return ++makes; };
    EXPECT_EQ(cache.GetOrMake(1, make), 1);
    EXPECT_EQ(cache.GetOrMake(1, make), 1);
    EXPECT_EQ(cache.GetOrMake(2, make), 2);
    EXPECT_EQ(cache.Size(), 1u);
}

} // namespace
} // namespace vantor
