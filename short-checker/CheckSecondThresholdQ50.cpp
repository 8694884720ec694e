// CheckSecondThresholdQ50: forgives a run whose failed nodes were all
// marginal, few, and isolated from each other.
#include <cstdio>

#include "shorvik/Shorvik.h"

void CheckSecondThresholdQ50(int& failCount, int marginalCount, const MutualReport& report, int maxForgiven,
                             int maxNeighbours, bypassInfo) {
    if (marginalCount == 0 || failCount > maxForgiven || failCount != marginalCount)
        return;
    const int width = report.width, height = report.height;
    if (width < 0 || width > SHORVIK_GRID_SIZE || height < 0 || height > SHORVIK_GRID_SIZE) {
        // Nothing is forgiven: the failure stands.
        fprintf(stderr, "CheckSecondThresholdQ50: invalid report size %d x %d\n", width, height);
        return;
    }
    // The neighbourhood is cut at the report's edges: statuses beyond them
    // are the caller's and are neither counted nor cleared.
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            int status = report.status[x][y];
            if (status == 0 || status == STATUS_BYPASSED)
                continue;
            int flagged = 0;
            for (int nx = x - 1; nx <= x + 1; ++nx)
                for (int ny = y - 1; ny <= y + 1; ++ny)
                    if (nx >= 0 && nx < width && ny >= 0 && ny < height && report.status[nx][ny] != 0)
                        ++flagged;
            if (flagged > maxNeighbours)
                return;
        }
    }
    failCount = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (report.status[x][y] != STATUS_BYPASSED)
                report.status[x][y] = 0;
}
