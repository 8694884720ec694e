// Reports and results for the short-check tests.
#pragma once

#include <vector>

#include "ReportFixture.h"

namespace shorvik {

// Products are a (b is 1), values equal the reference 100 unless a test
// changes them, and refOut/devOut start at -1 to show what a check wrote.
struct CheckReport : CanaryReport {
    CheckReport(int width, int height, float product = 100.0f) {
        FillUniform(report, width, height, product, 100.0f);
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 300; ++y)
                report.nodes[x][y].refOut = report.nodes[x][y].devOut = -1.0f;
    }
    void SetProduct(int x, int y, float product) { report.nodes[x][y].a = product; }
    const MutualNode& Node(int x, int y) const { return report.nodes[x][y]; }
};

// perLine with room for the window's entries plus canary entries.
struct CheckResult {
    explicit CheckResult(int entries, int count = 0) : lines(entries + 8, 77) {
        result.perLine = lines.data();
        result.unused = 0;
        result.count = count;
        this->entries = entries;
    }
    std::vector<int> Entries() const { return std::vector<int>(lines.begin(), lines.begin() + entries); }
    bool CanariesIntact() const {
        for (size_t i = entries; i < lines.size(); ++i)
            if (lines[i] != 77)
                return false;
        return true;
    }
    std::vector<int> lines;
    MutualShortResult result;
    int entries;
};

inline MutualShortThreshold Threshold(int maxDevPct, int linePct, int maxValueDevPct = 1000, int lower = 0,
                                      int upper = 100000) {
    return MutualShortThreshold{maxDevPct, maxValueDevPct, linePct, upper, lower};
}

// Caller-side deviation grids, pre-filled with -7 to show what was written.
struct Q50Grids {
    Q50Grids()
        : valueBlock(300 * 300, -7.0f), goldenBlock(300 * 300, -7.0f),
          calibBlock(300 * 300, CalibData{-7, -7, -7, -7}) {
        for (int i = 0; i < 300; ++i) {
            valueRows[i] = &valueBlock[i * 300];
            goldenRows[i] = &goldenBlock[i * 300];
            calibRows[i] = &calibBlock[i * 300];
        }
    }
    std::vector<MutualData> valueBlock, goldenBlock;
    std::vector<CalibData> calibBlock;
    MutualData* valueRows[300];
    MutualData* goldenRows[300];
    CalibData* calibRows[300];
};

}  // namespace shorvik
