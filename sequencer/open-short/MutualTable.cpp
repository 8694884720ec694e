#include <cstring>

#include "OpenShortRows.h"
#include "vantro/OpenShortParse.h"

namespace vantro {

namespace {

// Marks the bypassed lines inside the panel, each once; answers how many X
// and Y lines are bypassed.
void MarkBypassed(OpenShortRecords& r, MutualBlock& block, int& bypassedX, int& bypassedY) {
    const int width = block.width, height = block.height;
    const bool xInverse = r.layout.xInverse == 1, yInverse = r.layout.yInverse == 1;
    bool seen[kOsGridSide];
    bypassedX = bypassedY = 0;

    memset(seen, 0, sizeof seen);
    const BypassList& xs = r.shared.bypassX;
    for (int k = 0; k < xs.count && k < kMaxBypassChannels; ++k) {
        const int line = xs.channel[k];
        if (line < 0 || line >= width || seen[line])
            continue;
        seen[line] = true;
        ++bypassedX;
        r.ngLines.line[line] = kLineBypassed;
        const int column = xInverse ? width - 1 - line : line;
        for (int y = 0; y < height; ++y)
            block.status[column * kOsGridSide + y] = kNodeBypassed;
    }

    memset(seen, 0, sizeof seen);
    const BypassList& ys = r.shared.bypassY;
    for (int k = 0; k < ys.count && k < kMaxBypassChannels; ++k) {
        const int line = ys.channel[k];
        if (line < 0 || line >= height || seen[line])
            continue;
        seen[line] = true;
        ++bypassedY;
        r.ngLines.line[width + line] = kLineBypassed;
        const int gridRow = yInverse ? line : height - 1 - line;
        for (int x = 0; x < width; ++x)
            block.status[x * kOsGridSide + gridRow] = kNodeBypassed;
    }
}

void StoreCell(OpenShortData& data, MutualBlock& block, int table, int node, const std::string& text) {
    const float value = static_cast<float>(atof(text.c_str()));
    switch (table) {
        case 1:
            block.pair[node].first = value;
            break;
        case 2:
            block.pair[node].second = value;
            break;
        case 3:
            block.table3[node] = value;
            break;
        case 4:
            block.status[node] = atoi(text.c_str());  // the number before "("
            break;
        case 5:
            data.table5[node] = value;
            break;
        case 6:
            data.table6[node] = value;
            break;
        case 7:
            data.secondPair[node].second = value;
            break;
        default: {  // 8: "p/q"
            const size_t slash = text.find('/');
            data.secondPair[node].second = value;
            data.secondPair[node].first =
                slash == std::string::npos ? 0.0f : static_cast<float>(atof(text.c_str() + slash + 1));
            break;
        }
    }
}

}  // namespace

bool ParseMutualTable(OpenShortRecords& r, CsvRowReader& reader, MutualBlock& block, int table) {
    const int width = block.width, height = block.height;
    if (table < 1 || table > 8 || width <= 0 || width > kOsGridSide || height <= 0 || height > kOsGridSide)
        return false;
    int bypassedX = 0, bypassedY = 0;
    MarkBypassed(r, block, bypassedX, bypassedY);
    const bool xInverse = r.layout.xInverse == 1, yInverse = r.layout.yInverse == 1;

    int rows = 0;
    CsvRow row;
    for (int y = 0; y < height; ++y) {
        if (r.ngLines.line[width + y] == kLineBypassed)
            continue;
        if (!NextRow(reader, row) || CellCount(row) < width - bypassedX + 2)
            break;
        const int gridRow = yInverse ? y : height - 1 - y;
        int cell = 1;
        for (int x = 0; x < width && cell < CellCount(row); ++x) {
            const int column = xInverse ? width - 1 - x : x;
            const int node = column * kOsGridSide + gridRow;
            if (block.status[node] == kNodeBypassed)
                continue;
            StoreCell(r.data, block, table, node, row[cell++]);
        }
        ++rows;
    }
    return rows == height - bypassedY;
}

}  // namespace vantro
