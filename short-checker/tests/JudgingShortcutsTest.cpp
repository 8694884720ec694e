// The checks' shortcuts against the plain forms they replace: the value test
// without a division and the key selection by counting passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "FloatBits.h"
#include "ShortJudging.h"

namespace shorvik {
namespace {

// Every reference kind (positive, tiny, huge, zero, negative, infinite, NaN)
// and limits of both signs; values near the reference, at the limit's edge,
// and arbitrary bit patterns.
TEST(ValueDeviationTest, AgreesWithTheDivisionEverywhere) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const float references[] = {1000.0f, 1.0f, 3.3f, 1e-30f, 1e-42f, 3e38f, 0.0f, -0.0f, -1000.0f, inf, nan};
    const int limits[] = {0, 1, 20, 15, 100, -5, 2147483647, -2147483647 - 1};
    Lcg random{12345u};
    for (float reference : references) {
        for (int limit : limits) {
            const ValueDeviationTest test(reference, limit);
            std::vector<float> values = {reference, -reference, 0.0f, -0.0f, inf, -inf, nan};
            for (int i = 0; i < 4000; ++i) {
                // Around the edge: reference x (1 +- limit / 100), bits nudged.
                const float edge = reference * (1.0f + static_cast<float>(limit) / 100.0f);
                uint32_t bits;
                memcpy(&bits, &edge, sizeof bits);
                values.push_back(FloatFromBits(bits + (random.next() % 65) - 32));
                values.push_back(reference *
                                 (1.0f + static_cast<float>(random.next() % 4001) / 1000.0f - 2.0f));
                values.push_back(FloatFromBits(random.next()));
            }
            for (float value : values) {
                const bool divided = PercentDeviation(value, reference) > static_cast<float>(limit);
                ASSERT_EQ(test.exceeds(value), divided) << reference << " " << limit << " " << value;
            }
        }
    }
}

// The selected key is the one at the rank in sorted order, for short and
// long lists, with many equal keys and with keys far apart.
TEST(SelectKey, SameKeyAsTheSortedOrder) {
    Lcg random{777u};
    for (size_t count : {1u, 2u, 3u, 17u, 900u, 2048u}) {
        for (uint32_t spread : {1u, 3u, 1000u, 0u}) {
            std::vector<uint32_t> keys(count);
            for (uint32_t& key : keys)
                key = spread == 0 ? random.next() : 0xC53B0000u + random.next() % spread;
            std::vector<uint32_t> sorted = keys;
            std::sort(sorted.begin(), sorted.end());
            for (size_t rank : {size_t(0), count / 2, count - 1}) {
                std::vector<uint32_t> work = keys;
                EXPECT_EQ(SelectKey(work.data(), count, rank), sorted[rank]) << count << " " << spread;
            }
        }
    }
}

}  // namespace
}  // namespace shorvik
