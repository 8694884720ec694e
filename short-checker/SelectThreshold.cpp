// The inner and inter thresholds: which deviation limit and line share best
// separate good lines from shorted ones.
#include <cstdio>

#include "ThresholdGenerator.h"

namespace shorvik {

namespace {

// Share (%) of bin 0, truncated; 0 for an empty histogram.
int binZeroShare(const PercentHistogram& histogram) {
    return histogram.total > 0 ? static_cast<int>(histogram.bins[0] * 100.0 / histogram.total) : 0;
}

// The first bin whose running count exceeds the limit; -1 when none does.
int firstBinAbove(const PercentHistogram& histogram, double limit) {
    long long running = 0;
    for (int bin = 0; bin <= histogram.maxBin; ++bin) {
        running += histogram.bins[bin];
        if (running > limit)
            return bin;
    }
    return -1;
}

void printBins(const std::vector<int>& bins) {
    printf("    ( %.2f, ", static_cast<double>(bins[0]));
    for (size_t i = 1; i < bins.size(); ++i)
        printf("%.2f, ", static_cast<double>(bins[i]));
    printf(")\n");
}

}  // namespace

int SelectThreshold(const std::vector<DiffSet>& sets, MutualShortThreshold& out) {
    struct Histograms {
        PercentHistogram ok, inner, inter;
    };
    std::vector<Histograms> histograms;
    for (const DiffSet& set : sets)
        histograms.push_back(
            Histograms{BuildHistogram(set.ok), BuildHistogram(set.inner), BuildHistogram(set.inter)});

    printf("=== inner threshold ===\n");
    int hi = -1, lo = 101;
    for (const Histograms& h : histograms) {
        int okPct = binZeroShare(h.ok), shortPct = binZeroShare(h.inner);
        printf("ok=%d%%, short=%d%%\n", okPct, shortPct);
        if (h.ok.total > 0 && okPct > hi)
            hi = okPct;
        if (h.inner.total > 0 && shortPct < lo)
            lo = shortPct;
    }
    printf("result: %d%% ~ %d%%\n", hi, lo);
    if (hi == -1 || lo == 101)
        return -1;

    out.lower = 1;
    printf("=== inter threshold ===\n");
    long long best = 0;
    int bestJ = 0;
    const int from = static_cast<int>(hi * 0.75 + lo * 0.25), to = static_cast<int>(hi * 0.25 + lo * 0.75);
    for (int j = from; j <= to; ++j) {
        std::vector<int> okBins, interBins;
        for (const Histograms& h : histograms) {
            if (h.ok.total > 0) {
                int bin = firstBinAbove(h.ok, h.ok.total * static_cast<double>(j) / 100.0);
                if (bin >= 0)
                    okBins.push_back(bin);
            }
            if (h.inter.total > 0) {
                int bin = firstBinAbove(h.inter, (100.0 - j) * h.inter.total / 100.0);
                if (bin >= 0)
                    interBins.push_back(bin);
            }
        }
        if (okBins.empty() || interBins.empty())
            continue;
        int okMax = okBins[0], interMin = interBins[0];
        for (int bin : okBins)
            okMax = bin > okMax ? bin : okMax;
        for (int bin : interBins)
            interMin = bin < interMin ? bin : interMin;
        printBins(okBins);
        printBins(interBins);
        double middle = (static_cast<double>(interMin) + okMax) / 2.0;
        printf("%d%%: %.2f ( %.2f ~ %.2f, %.2f )\n\n", j, middle, static_cast<double>(okMax),
               static_cast<double>(interMin), static_cast<double>(interMin - okMax));
        long long score = static_cast<long long>(interMin - okMax) * j;
        if (score > best) {
            best = score;
            bestJ = j;
            out.maxDevPct = static_cast<int>(middle);
            out.linePct = j;
        }
    }
    printf("\nBest is %d%%\n", bestJ);
    return 0;
}

}  // namespace shorvik
