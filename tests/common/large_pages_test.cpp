// Large pages are only a request to the system: the array must hold what it held
// and what is written into it, whatever the system answers, and a request for a
// range that holds no whole page, or for none at all, must be harmless.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/large_pages.h"

namespace {

TEST(LargePages, AReservedArrayKeepsAndTakesItsElements) {
    std::vector<std::int64_t> v{7, -3, 11};
    LargePages::Reserve(v, 3'000'000);  // 24 MB: above the threshold
    ASSERT_GE(v.capacity(), 3'000'000u);
    EXPECT_EQ(v, (std::vector<std::int64_t>{7, -3, 11}));
    for (std::int64_t k = 3; k < 3'000'000; ++k) v.push_back(k);
    // 7 - 3 + 11 + (3 + 2999999) * 2999997 / 2
    std::int64_t sum = 0;
    for (std::int64_t x : v) sum += x;
    EXPECT_EQ(sum, 15 + std::int64_t{3000002} * 2999997 / 2);
    EXPECT_EQ(v[3], 3);
    EXPECT_EQ(v.back(), 2999999);
}

TEST(LargePages, RequestsWithoutAWholePageChangeNothing) {
    std::vector<char> bytes(LargePages::kMinimumBytes + 100, 'x');
    LargePages::Advise(nullptr, LargePages::kMinimumBytes);
    LargePages::Advise(bytes.data() + 1, 10);  // below the threshold
    LargePages::Advise(bytes.data() + 1, bytes.size() - 1);  // a start inside a page
    for (char c : bytes) ASSERT_EQ(c, 'x');
}

}  // namespace
