// A float's bits and back, and the small generator the bit-pattern sweeps
// of the judging tests draw from (the same sequence on every platform).
#pragma once

#include <cstdint>
#include <cstring>

namespace shorvik {

inline uint32_t Bits(float value) {
    uint32_t bits;
    memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float FloatFromBits(uint32_t bits) {
    float value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

struct Lcg {
    uint32_t state;
    uint32_t next() { return state = state * 1664525u + 1013904223u; }
};

}  // namespace shorvik
