// Paired benchmark runs: a figure and its baseline are timed alternately in
// the same process, so that both see the same machine and the same load;
// each is reported as the median, minimum and maximum of its runs, with the
// median of the per-pair ratios.  Header only, for the benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace test_support {

struct RunStats {
    double median = 0.0, min = 0.0, max = 0.0;
};

inline RunStats StatsOf(std::vector<double> values) {
    RunStats stats;
    if (values.empty())
        return stats;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    stats.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    stats.min = values.front();
    stats.max = values.back();
    return stats;
}

struct PairedResult {
    RunStats figure, baseline;  // milliseconds per call
    RunStats ratio;             // figure / baseline, per pair
};

// How a benchmark runs: `--quick` (one pair, one call each: it only shows
// that the benchmark works) or the given number of pairs, each run
// repeating its call for at least minMs.
struct PairedSettings {
    bool quick = false;
    int pairs = 7;
    double minMs = 30.0;

    static PairedSettings FromArgs(int argc, char** argv) {
        PairedSettings settings;
        for (int i = 1; i < argc; ++i) {
            if (strcmp(argv[i], "--quick") == 0) {
                settings.quick = true;
                settings.pairs = 1;
                settings.minMs = 0.0;
            } else if (strcmp(argv[i], "--pairs") == 0 && i + 1 < argc) {
                settings.pairs = std::max(1, atoi(argv[++i]));
            }
        }
        return settings;
    }
};

inline double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Calls per run so that a run lasts at least minMs (one call at least).
template <typename Call>
long long CallsPerRun(double minMs, Call& call) {
    long long calls = 1;
    for (;;) {
        const double start = NowMs();
        for (long long i = 0; i < calls; ++i)
            call();
        const double elapsed = NowMs() - start;
        if (elapsed >= minMs || calls >= (1LL << 30))
            return calls;
        calls = elapsed <= 0.0 ? calls * 16
                               : std::max(calls * 2, static_cast<long long>(calls * minMs / elapsed) + 1);
    }
}

template <typename Call>
double TimedRun(long long calls, Call& call) {
    const double start = NowMs();
    for (long long i = 0; i < calls; ++i)
        call();
    return (NowMs() - start) / static_cast<double>(calls);
}

template <typename Figure, typename Baseline>
PairedResult RunPaired(const PairedSettings& settings, Figure figure, Baseline baseline) {
    const long long figureCalls = settings.quick ? 1 : CallsPerRun(settings.minMs, figure);
    const long long baselineCalls = settings.quick ? 1 : CallsPerRun(settings.minMs, baseline);
    std::vector<double> figures, baselines, ratios;
    for (int pair = 0; pair < settings.pairs; ++pair) {
        // Alternate which one goes first, so neither always runs on a warm cache.
        double f, b;
        if (pair % 2 == 0) {
            b = TimedRun(baselineCalls, baseline);
            f = TimedRun(figureCalls, figure);
        } else {
            f = TimedRun(figureCalls, figure);
            b = TimedRun(baselineCalls, baseline);
        }
        figures.push_back(f);
        baselines.push_back(b);
        ratios.push_back(b > 0.0 ? f / b : 0.0);
    }
    return PairedResult{StatsOf(figures), StatsOf(baselines), StatsOf(ratios)};
}

// "<what>: 1.234 ms (1.200-1.300) | <baseline>: 0.100 ms (0.090-0.110) |
// ratio 12.3 x, 8 % of the baseline's throughput"
inline void PrintPaired(FILE* out, const char* what, const char* baselineName, const PairedResult& r) {
    fprintf(out,
            "%s: %.4f ms (%.4f-%.4f) | %s: %.4f ms (%.4f-%.4f) | ratio %.2f x (%.2f-%.2f), %.0f %% of the "
            "baseline's throughput\n",
            what, r.figure.median, r.figure.min, r.figure.max, baselineName, r.baseline.median,
            r.baseline.min, r.baseline.max, r.ratio.median, r.ratio.min, r.ratio.max,
            r.ratio.median > 0.0 ? 100.0 / r.ratio.median : 0.0);
    fflush(out);
}

}  // namespace test_support
