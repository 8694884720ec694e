#include "BlockNodes.h"

#include "CsvRounding.h"

namespace shorvik {

int JudgeBlockNodesOneByOne(const BlockLine& line, int from, int to, float maxDevPct,
                            const ValueDeviationTest& valueTest, int* flagged) {
    int lineFlags = 0;
    for (int k = from; k < to; ++k) {
        // Bypassed nodes have no products: judging them would flag good lines.
        if (line.status[k] == STATUS_BYPASSED)
            continue;
        MutualNode& node = line.nodes[k];
        const float deviation = PercentDeviation(RoundForCsv(node.a * node.b), line.rounded[k]);
        node.refOut = line.reference[k];
        node.devOut = deviation;
        const int flag = deviation > maxDevPct || valueTest.exceeds(line.values[k]) ? 1 : 0;
        lineFlags += flag;
        flagged[k] += flag;
    }
    return lineFlags;
}

#if defined(__SSE2__)

static_assert(sizeof(MutualNode) == 4 * sizeof(float), "a node is a, b, refOut, devOut in 16 bytes");

// Callers of the 32-bit DLL may keep the stack at 4-byte alignment only.
#if defined(__i386__)
#define SHORVIK_ALIGN_STACK __attribute__((force_align_arg_pointer))
#else
#define SHORVIK_ALIGN_STACK
#endif

SHORVIK_ALIGN_STACK int JudgeBlockNodes(const BlockLine& line, float maxDevPct,
                                        const ValueDeviationTest& valueTest, int* flagged) {
    const __m128 limit = _mm_set1_ps(maxDevPct), hundred = _mm_set1_ps(100.0f), sign = _mm_set1_ps(-0.0f);
    const __m128i bypassed = _mm_set1_epi32(STATUS_BYPASSED);
    __m128i lineFlags = _mm_setzero_si128();
    int oneByOne = 0;
    int k = 0;
    for (; k + 4 <= line.count; k += 4) {
        const __m128i status = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.status + k));
        float* node = reinterpret_cast<float*>(line.nodes + k);
        const __m128 n0 = _mm_loadu_ps(node), n1 = _mm_loadu_ps(node + 4);
        const __m128 n2 = _mm_loadu_ps(node + 8), n3 = _mm_loadu_ps(node + 12);
        const __m128 ab01 = _mm_unpacklo_ps(n0, n1), ab23 = _mm_unpacklo_ps(n2, n3);
        const __m128 a = _mm_movelh_ps(ab01, ab23), b = _mm_movehl_ps(ab23, ab01);
        __m128 product;
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(status, bypassed)) != 0 ||
            !RoundForCsv4(_mm_mul_ps(a, b), product)) {
            oneByOne += JudgeBlockNodesOneByOne(line, k, k + 4, maxDevPct, valueTest, flagged);
            continue;
        }
        const __m128 rounded = _mm_loadu_ps(line.rounded + k);
        const __m128 deviation =
            _mm_div_ps(_mm_mul_ps(_mm_andnot_ps(sign, _mm_sub_ps(product, rounded)), hundred), rounded);
        const __m128 reference = _mm_loadu_ps(line.reference + k);
        const __m128 low = _mm_unpacklo_ps(reference, deviation),
                     high = _mm_unpackhi_ps(reference, deviation);
        _mm_storel_pi(reinterpret_cast<__m64*>(node + 2), low);
        _mm_storeh_pi(reinterpret_cast<__m64*>(node + 6), low);
        _mm_storel_pi(reinterpret_cast<__m64*>(node + 10), high);
        _mm_storeh_pi(reinterpret_cast<__m64*>(node + 14), high);
        const __m128 flag =
            _mm_or_ps(_mm_cmpgt_ps(deviation, limit), valueTest.exceeds4(_mm_loadu_ps(line.values + k)));
        const __m128i counts = _mm_castps_si128(flag);  // -1 per flag
        __m128i* lineCounts = reinterpret_cast<__m128i*>(flagged + k);
        _mm_storeu_si128(lineCounts, _mm_sub_epi32(_mm_loadu_si128(lineCounts), counts));
        lineFlags = _mm_sub_epi32(lineFlags, counts);
    }
    int total[4];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(total), lineFlags);
    return total[0] + total[1] + total[2] + total[3] + oneByOne +
           JudgeBlockNodesOneByOne(line, k, line.count, maxDevPct, valueTest, flagged);
}

#else

int JudgeBlockNodes(const BlockLine& line, float maxDevPct, const ValueDeviationTest& valueTest,
                    int* flagged) {
    return JudgeBlockNodesOneByOne(line, 0, line.count, maxDevPct, valueTest, flagged);
}

#endif

}  // namespace shorvik
