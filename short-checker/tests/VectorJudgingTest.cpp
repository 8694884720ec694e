// CheckMutualShortNew's four-at-a-time judging against the one-by-one form,
// bit for bit: the rounding over every hundredths boundary, whole lines over
// awkward values (NaN, infinities, zeros of both signs, negative and
// denormal references, bypassed nodes, short tails).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "BlockNodes.h"
#include "CsvRounding.h"
#include "FloatBits.h"

namespace shorvik {
namespace {

const float kInf = std::numeric_limits<float>::infinity();
const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kDenormal = 1e-40f;

#if defined(__SSE2__)

// RoundForCsv4 of four values, lane by lane against RoundForCsv; false when
// it declined the group.
bool RoundsLikeOneByOne(const float (&x)[4], std::string& mismatch) {
    __m128 rounded;
    if (!RoundForCsv4(_mm_loadu_ps(x), rounded))
        return false;
    float lanes[4];
    _mm_storeu_ps(lanes, rounded);
    for (int lane = 0; lane < 4; ++lane)
        if (Bits(lanes[lane]) != Bits(RoundForCsv(x[lane])) && mismatch.empty())
            mismatch = std::to_string(x[lane]);
    return true;
}

// Every hundredths count up to 2^24 in size: the float closest to count / 100
// and both its neighbours, where truncation and the last digit decide.
TEST(RoundForCsv4, EveryHundredthsBoundaryRoundsAsOneByOne) {
    std::string mismatch;
    long long declined = 0;
    for (int32_t count = -16777200; count < 16777200 && mismatch.empty(); count += 4) {
        float near[3][4];
        for (int lane = 0; lane < 4; ++lane) {
            const float x = static_cast<float>(static_cast<double>(count + lane) / 100.0);
            near[0][lane] = x;
            near[1][lane] = std::nextafter(x, kInf);
            near[2][lane] = std::nextafter(x, -kInf);
        }
        for (const auto& group : near)
            declined += RoundsLikeOneByOne(group, mismatch) ? 0 : 1;
    }
    EXPECT_EQ(mismatch, "");
    // Only groups at the two ends of the range may be declined.
    EXPECT_LE(declined, 6);
}

TEST(RoundForCsv4, DeclinesWhatOnlyTheOneByOneFormRounds) {
    const float outside[] = {kNan, -kNan, kInf, -kInf, 167772.0f, -167772.0f, 3e38f, 1e9f};
    for (float value : outside) {
        const float group[4] = {1.0f, value, 2.0f, 3.0f};
        __m128 rounded;
        EXPECT_FALSE(RoundForCsv4(_mm_loadu_ps(group), rounded)) << value;
    }
    // Zeros keep their sign, as trunc keeps it; tiny values round to zero.
    const float small[4] = {-0.0f, 0.004f, -0.004f, kDenormal};
    __m128 rounded;
    ASSERT_TRUE(RoundForCsv4(_mm_loadu_ps(small), rounded));
    float lanes[4];
    _mm_storeu_ps(lanes, rounded);
    EXPECT_EQ(Bits(lanes[0]), 0x80000000u);
    EXPECT_EQ(Bits(lanes[1]), 0u);
    EXPECT_EQ(Bits(lanes[2]), 0x80000000u);
    EXPECT_EQ(Bits(lanes[3]), 0u);
    const float plain[4] = {1.256f, -1.256f, 1.15f, 2999.96f};
    ASSERT_TRUE(RoundForCsv4(_mm_loadu_ps(plain), rounded));
    _mm_storeu_ps(lanes, rounded);
    EXPECT_EQ(lanes[0], 1.3f);
    EXPECT_EQ(lanes[1], -1.25f);
    EXPECT_EQ(lanes[2], 1.1f);
    EXPECT_EQ(lanes[3], 3000.0f);
}

TEST(RoundForCsv4, RandomBitPatternsRoundAsOneByOne) {
    Lcg random{2024u};
    std::string mismatch;
    long long taken = 0;
    for (int i = 0; i < 1000000 && mismatch.empty(); ++i) {
        float group[4];
        for (float& value : group) {
            // Half arbitrary bits, half within the vector's range.
            const uint32_t bits = random.next();
            value = (bits & 1u) ? FloatFromBits(bits)
                                : FloatFromBits((bits >> 1) % 0x48240000u) * ((bits & 2u) ? -1 : 1);
        }
        taken += RoundsLikeOneByOne(group, mismatch) ? 1 : 0;
    }
    EXPECT_EQ(mismatch, "");
    EXPECT_GT(taken, 10000);
}

#endif

// A line of nodes and what judging it leaves behind: every node's bytes,
// the per-y flag counts and the line's count.
struct Line {
    std::vector<MutualNode> nodes;
    std::vector<int> status;
    std::vector<float> values, reference, rounded;
    std::vector<int> flagged;

    BlockLine view() {
        return BlockLine{nodes.data(),     status.data(),  values.data(),
                         reference.data(), rounded.data(), static_cast<int>(nodes.size())};
    }
};

bool SameBytes(const Line& l, const Line& r) {
    return l.nodes.size() == r.nodes.size() && l.flagged == r.flagged &&
           (l.nodes.empty() ||
            memcmp(l.nodes.data(), r.nodes.data(), l.nodes.size() * sizeof(MutualNode)) == 0);
}

// Awkward node values: NaNs of both signs and two payloads, infinities,
// zeros, denormals, negatives, huge and ordinary products.
float Awkward(Lcg& random) {
    const float kinds[] = {kNan,   -kNan,  FloatFromBits(0x7FC12345u),
                           kInf,   -kInf,  0.0f,
                           -0.0f,  1e-40f, -1e-40f,
                           1e-20f, -60.0f, 3e19f,
                           2e5f,   50.0f,  60.0f,
                           59.93f, 0.001f, 1.0f / 3,
                           1e-3f,  4096.5f};
    const uint32_t pick = random.next() >> 8;
    if (pick % 3 == 0)
        return kinds[(pick / 3) % (sizeof kinds / sizeof kinds[0])];
    return 40.0f + static_cast<float>(pick % 4001) / 100.0f;  // 40 .. 80
}

TEST(JudgeBlockNodes, SameResultsAsOneByOneOverAwkwardLines) {
    const float references[] = {3000.0f,    2999.96f, 0.0f,  -0.0f, -3000.0f, kDenormal,
                                -kDenormal, kInf,     -kInf, kNan,  1e30f,    0.05f};
    const float valueReferences[] = {1000.0f, 0.0f, -1000.0f, kNan, kInf, kDenormal};
    const float limits[] = {15.0f, 0.0f, -5.0f};
    Lcg random{77u};
    int compared = 0;
    for (int length = 0; length <= 41; ++length) {
        for (int round = 0; round < 12; ++round) {
            Line line;
            line.nodes.resize(length);
            line.status.assign(length, 0);
            line.flagged.assign(length, 0);
            for (int k = 0; k < length; ++k) {
                MutualNode& node = line.nodes[k];
                node.a = Awkward(random);
                node.b = Awkward(random);
                node.refOut = FloatFromBits(random.next());  // overwritten unless bypassed
                node.devOut = FloatFromBits(random.next());
                if (random.next() % 9 == 0)
                    line.status[k] = STATUS_BYPASSED;
                else if (random.next() % 5 == 0)
                    line.status[k] = STATUS_VALUE_HIGH;
                line.values.push_back(random.next() % 4 == 0
                                          ? Awkward(random)
                                          : 900.0f + static_cast<float>(random.next() % 400));
                // A block boundary inside the line: two references.
                const float r = references[(k < length / 2 ? round : round + 5) % 12];
                line.reference.push_back(r);
                line.rounded.push_back(RoundForCsv(r));
                line.flagged[k] = static_cast<int>(random.next() % 3);
            }
            for (float valueReference : valueReferences) {
                for (float limit : limits) {
                    const ValueDeviationTest valueTest(valueReference, 20);
                    Line fast = line, oneByOne = line;
                    const BlockLine fastView = fast.view(), oneByOneView = oneByOne.view();
                    const int fastFlags = JudgeBlockNodes(fastView, limit, valueTest, fast.flagged.data());
                    const int oneByOneFlags = JudgeBlockNodesOneByOne(oneByOneView, 0, length, limit,
                                                                      valueTest, oneByOne.flagged.data());
                    ASSERT_EQ(fastFlags, oneByOneFlags) << length << " " << round;
                    ASSERT_TRUE(SameBytes(fast, oneByOne)) << length << " " << round << " " << valueReference;
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 42 * 12 * 6 * 3);
}

// The figures themselves on a plain line: product 60 x 50 = 3000 against a
// rounded reference of 2500 deviates by exactly 20 %; a bypassed node keeps
// its bytes and adds no flag.
TEST(JudgeBlockNodes, WritesReferenceAndDeviationOfEachNode) {
    Line line;
    for (int k = 0; k < 6; ++k) {
        line.nodes.push_back(MutualNode{60.0f, 50.0f, -1.0f, -1.0f});
        line.status.push_back(k == 4 ? STATUS_BYPASSED : 0);
        line.values.push_back(k == 5 ? 1300.0f : 1000.0f);
        line.reference.push_back(k < 2 ? 3000.04f : 2500.0f);
        line.rounded.push_back(k < 2 ? 3000.0f : 2500.0f);
        line.flagged.push_back(0);
    }
    const ValueDeviationTest valueTest(1000.0f, 20);
    const BlockLine view = line.view();
    EXPECT_EQ(JudgeBlockNodes(view, 15.0f, valueTest, line.flagged.data()), 3);
    EXPECT_EQ(line.flagged, (std::vector<int>{0, 0, 1, 1, 0, 1}));
    EXPECT_EQ(line.nodes[0].refOut, 3000.04f);
    EXPECT_EQ(line.nodes[0].devOut, 0.0f);
    EXPECT_EQ(line.nodes[2].refOut, 2500.0f);
    EXPECT_EQ(line.nodes[3].devOut, 20.0f);
    EXPECT_EQ(line.nodes[4].refOut, -1.0f);
    EXPECT_EQ(line.nodes[4].devOut, -1.0f);
    EXPECT_EQ(line.nodes[5].devOut, 20.0f);
}

}  // namespace
}  // namespace shorvik
