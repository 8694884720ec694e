// The rounding of ToCsv, inline for the checks' inner loops: to one decimal,
// worked in double.  x * 100 is exact there for every float, so no build's
// rounding differs, and nothing wraps the way a 32-bit integer would for
// |x| >= 21474836.48 (products of raw values around 4,700).  Below 1e15
// hundredths the truncated value is an exact 64-bit integer, whose remainder
// equals fmod's; larger values keep the fmod form.
#pragma once

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace shorvik {

const long long kExactHundredths = 1LL << 24;

inline float RoundForCsv(float x) {
    if (!std::isfinite(x))
        return x;
    const double scaled = static_cast<double>(x) * 100.0;
    if (std::fabs(scaled) < 1e15) {
        long long i = static_cast<long long>(scaled);  // truncates like trunc()
        if (i == 0)
            return std::copysign(0.0f, x);  // trunc keeps the sign of a zero
        // The last digit keeps the sign of i, like fmod: 1-4 round down, 5-9
        // up, negative digits stay.  Selected without branches: the digit
        // of a measured product is as good as random.
        const long long d = i % 10;
        i -= d > 0 ? d : 0;
        i += d >= 5 ? 10 : 0;
        // Up to 2^24 hundredths the float quotient is the double one rounded
        // to float (a test checks every such value), and cheaper.
        if (i >= -kExactHundredths && i <= kExactHundredths)
            return static_cast<float>(i) / 100.0f;
        return static_cast<float>(static_cast<double>(i) / 100.0);
    }
    double n = std::trunc(scaled);
    double d = std::fmod(n, 10.0);  // keeps the sign of n
    if (d >= 1.0 && d <= 4.0)
        n -= d;
    else if (d >= 5.0 && d <= 9.0)
        n += 10.0 - d;
    return static_cast<float>(n / 100.0);
}

#if defined(__SSE2__)
// The last-digit correction of RoundForCsv on four hundredths counts: a
// positive count loses its last digit and gains 10 when that digit is 5 to
// 9; zero and negative counts stay.  i / 10 is (i x 0xCCCCCCCD) >> 35,
// exact for every 32-bit unsigned i.
inline __m128i CorrectLastDigit4(__m128i i) {
    const __m128i n = _mm_and_si128(i, _mm_cmpgt_epi32(i, _mm_setzero_si128()));
    const __m128i magic = _mm_set1_epi32(static_cast<int>(0xCCCCCCCDu));
    const __m128i even = _mm_srli_epi64(_mm_mul_epu32(n, magic), 35);
    const __m128i odd = _mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(n, 32), magic), 35);
    const __m128i q = _mm_or_si128(even, _mm_slli_epi64(odd, 32));
    const __m128i d = _mm_sub_epi32(n, _mm_add_epi32(_mm_slli_epi32(q, 3), _mm_slli_epi32(q, 1)));
    const __m128i up = _mm_and_si128(_mm_cmpgt_epi32(d, _mm_set1_epi32(4)), _mm_set1_epi32(10));
    return _mm_add_epi32(_mm_sub_epi32(i, d), up);
}

// RoundForCsv of four floats, with the same operations: x x 100 in double
// (exact), truncated, the last digit corrected, then the float quotient by
// 100.  Only for four finite values below 2^24 - 16 hundredths, where the
// corrected count stays within 2^24; false (rounded unset) when any lies
// outside, and the caller rounds them one by one.
inline bool RoundForCsv4(__m128 x, __m128& rounded) {
    const __m128d hundred = _mm_set1_pd(100.0), limit = _mm_set1_pd(16777200.0);
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d low = _mm_mul_pd(_mm_cvtps_pd(x), hundred);
    const __m128d high = _mm_mul_pd(_mm_cvtps_pd(_mm_movehl_ps(x, x)), hundred);
    // NaN and infinity compare false: not in range.
    const __m128d inRange = _mm_and_pd(_mm_cmplt_pd(_mm_andnot_pd(sign, low), limit),
                                       _mm_cmplt_pd(_mm_andnot_pd(sign, high), limit));
    if (_mm_movemask_pd(inRange) != 3)
        return false;
    const __m128i i = _mm_unpacklo_epi64(_mm_cvttpd_epi32(low), _mm_cvttpd_epi32(high));
    const __m128 quotient = _mm_div_ps(_mm_cvtepi32_ps(CorrectLastDigit4(i)), _mm_set1_ps(100.0f));
    // A count of zero keeps the sign of x, as trunc does.
    const __m128 zero = _mm_castsi128_ps(_mm_cmpeq_epi32(i, _mm_setzero_si128()));
    const __m128 signedZero = _mm_and_ps(x, _mm_set1_ps(-0.0f));
    rounded = _mm_or_ps(_mm_and_ps(zero, signedZero), _mm_andnot_ps(zero, quotient));
    return true;
}
#endif

}  // namespace shorvik
