// Test helpers over the public records only, so that the same helpers serve
// the tests of the library's parts and the tests through Shorvik.dll.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shorvik/Shorvik.h"

namespace shorvik {

// A report whose grids are caller-built (as an outside caller would), with
// canary words after each grid block and each row table.
class CanaryReport {
public:
    static const unsigned kCanary = 0xC0FFEE42u;
    static const int kCanaryWords = 64;

    CanaryReport() {
        memset(&report, 0, sizeof report);
        report.nodes = static_cast<MutualNode**>(build(nodeBlock_, nodeRows_, sizeof(MutualNode)));
        report.values = static_cast<float**>(build(valueBlock_, valueRows_, sizeof(float)));
        report.status = static_cast<int**>(build(statusBlock_, statusRows_, sizeof(int)));
    }
    CanaryReport(const CanaryReport&) = delete;
    CanaryReport& operator=(const CanaryReport&) = delete;

    bool CanariesIntact() const {
        return intact(nodeBlock_, 300 * 300 * sizeof(MutualNode)) &&
               intact(valueBlock_, 300 * 300 * sizeof(float)) &&
               intact(statusBlock_, 300 * 300 * sizeof(int)) && intact(nodeRows_, 300 * sizeof(void*)) &&
               intact(valueRows_, 300 * sizeof(void*)) && intact(statusRows_, 300 * sizeof(void*));
    }

    // Every grid byte, for before/after comparisons.
    std::vector<unsigned char> Snapshot() const {
        const size_t nodes = 300 * 300 * sizeof(MutualNode), values = 300 * 300 * sizeof(float),
                     status = 300 * 300 * sizeof(int);
        std::vector<unsigned char> bytes(nodes + values + status);
        memcpy(bytes.data(), nodeBlock_.data(), nodes);
        memcpy(bytes.data() + nodes, valueBlock_.data(), values);
        memcpy(bytes.data() + nodes + values, statusBlock_.data(), status);
        return bytes;
    }

    MutualReport report;

private:
    // A block of 300 rows and a table of 300 row pointers, each followed by
    // canary words.
    static void* build(std::vector<unsigned char>& block, std::vector<unsigned char>& rows, size_t cell) {
        const size_t blockBytes = 300 * 300 * cell, rowBytes = 300 * sizeof(void*);
        block.assign(blockBytes + kCanaryWords * sizeof(unsigned), 0);
        rows.assign(rowBytes + kCanaryWords * sizeof(unsigned), 0);
        stamp(block, blockBytes);
        stamp(rows, rowBytes);
        for (int i = 0; i < 300; ++i) {
            unsigned char* row = block.data() + i * 300 * cell;
            memcpy(rows.data() + i * sizeof(void*), &row, sizeof row);
        }
        return rows.data();
    }
    static void stamp(std::vector<unsigned char>& bytes, size_t from) {
        for (int i = 0; i < kCanaryWords; ++i)
            memcpy(bytes.data() + from + i * sizeof(unsigned), &kCanary, sizeof kCanary);
    }
    static bool intact(const std::vector<unsigned char>& bytes, size_t from) {
        for (int i = 0; i < kCanaryWords; ++i) {
            unsigned word;
            memcpy(&word, bytes.data() + from + i * sizeof(unsigned), sizeof word);
            if (word != kCanary)
                return false;
        }
        return true;
    }

    std::vector<unsigned char> nodeBlock_, nodeRows_, valueBlock_, valueRows_, statusBlock_, statusRows_;
};

// Writes the bytes exactly (binary mode), so tests choose LF or CR LF.
inline bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}

// A report of width x height with a = aValue, b = 1, value = valueLevel and
// reference valueLevel at every node, so every product equals aValue.
inline void FillUniform(MutualReport& report, int width, int height, float aValue, float valueLevel) {
    report.width = width;
    report.height = height;
    report.total = width + height;
    report.reference = valueLevel;
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 300; ++y) {
            report.nodes[x][y] = MutualNode{aValue, 1.0f, 0.0f, 0.0f};
            report.values[x][y] = valueLevel;
            report.status[x][y] = 0;
        }
}

inline bypassInfo NoBypass() {
    bypassInfo bypass;
    memset(&bypass, 0, sizeof bypass);
    return bypass;
}

}  // namespace shorvik
