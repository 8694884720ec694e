// The three checks over full 300 x 300 windows, for the thread tests: each
// run fills its own report and returns what the checks wrote.
#pragma once

#include <vector>

#include "CheckFixture.h"

namespace shorvik {

struct FullWindowRun {
    explicit FullWindowRun(int seed) : sample(300, 300), golden(300, 300), out(600) {
        unsigned state = 12345u + static_cast<unsigned>(seed);
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 300; ++y) {
                state = state * 1103515245u + 12345u;
                sample.SetProduct(x, y, 95.0f + static_cast<float>((state >> 16) % 1000) / 100.0f);
            }
        for (int y = 0; y < 300; ++y)
            sample.SetProduct(7 + seed, y, 40.0f);  // a shorted x line
    }

    // Runs all three checks; returns every perLine entry, count and devOut.
    void Run() {
        bypassInfo bypass = NoBypass();
        bypass.x[0] = 100;
        bypass.xCount = 1;
        MutualShortThreshold threshold = Threshold(20, 50, 1000, 0, 100000);
        Range range{0, 0, 300, 300};
        codes.push_back(CheckMutualShort(sample.report, threshold, &out.result, range));
        Record();
        codes.push_back(CheckMutualShortWithGolden(sample.report, golden.report, threshold, &out.result,
                                                   range, 0, nullptr, bypass));
        Record();
        codes.push_back(
            CheckMutualShortNew(sample.report, threshold, &out.result, range, 10, 10, 1, 0, nullptr, bypass));
        Record();
    }
    void Record() {
        seen.insert(seen.end(), out.lines.begin(), out.lines.end());
        seen.push_back(out.result.count);
        for (int x = 0; x < 300; x += 7)
            for (int y = 0; y < 300; y += 11)
                devOut.push_back(sample.Node(x, y).devOut);
    }

    CheckReport sample, golden;
    CheckResult out;
    std::vector<int> codes, seen;
    std::vector<float> devOut;
};

}  // namespace shorvik
