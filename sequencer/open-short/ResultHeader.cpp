#include <cctype>

#include "OpenShortRows.h"
#include "vantro/OpenShortParse.h"

namespace vantro {

namespace {

// A chip count from a header row; 0 when the record cannot hold it.
int ChipCountOf(int cells, int fixedCells, int perChip) {
    int count = (cells - fixedCells) / perChip;
    if (count < 1)
        count = 1;
    return count > kOsMaxChips ? 0 : count;
}

bool ReadOverlapRow(OpenShortRecords& r, const CsvRow& row) {
    const int cells = CellCount(row);
    const int chips = ChipCountOf(cells, 3, 4);
    if (chips == 0)
        return false;
    r.shared.chipCount = chips;
    if (cells >= 4 * chips + 3)
        for (int i = 0; i < chips; ++i)
            r.layout.overlap[i] = {CellInt(row, 4 * i + 4), CellInt(row, 4 * i + 5), CellInt(row, 4 * i + 6)};
    return true;
}

bool ReadChannelInfoRow(OpenShortRecords& r, const CsvRow& row) {
    const int cells = CellCount(row);
    const int chips = ChipCountOf(cells, 2, 2);
    if (chips == 0)
        return false;
    r.shared.chipCount = chips;
    if (cells >= 2 * chips + 2) {
        for (int i = 0; i < chips; ++i) {
            int low = 0, high = 0;
            if (sscanf(row[2 * i + 1].c_str(), "X%d~X%d", &low, &high) == 2) {
                r.data.chipX[i].low = low;
                r.data.chipX[i].high = high;
            }
        }
    }
    return true;
}

int SharedWidth(const OpenShortRecords& r) {
    int extra = 0;
    for (int i = 0; i < r.shared.chipCount && i < kOsMaxChips; ++i)
        if (r.layout.overlap[i].type == kOverlapShared)
            extra = AddClamped(extra, AddClamped(r.layout.overlap[i].left, r.layout.overlap[i].right));
    return extra;
}

// The "Width" row: the panel width and the chips' order numbers and first values.
bool ReadWidthRow(OpenShortRecords& r, const CsvRow& row, int& width) {
    width = AddClamped(CellInt(row, 1), SharedWidth(r));
    if (width <= 0 || width > kOsGridSide)
        return false;
    const int cells = CellCount(row);
    const int chips = ChipCountOf(cells, 2, 2);
    if (chips == 0)
        return false;
    r.shared.chipCount = chips;
    ChipLayout& t = r.layout;
    if (cells >= 2 * chips + 2) {
        for (int i = 0; i < chips; ++i) {
            t.firstValue[i] = CellInt(row, 2 * i + 3);
            r.data.secondChipTotal = AddClamped(r.data.secondChipTotal, t.firstValue[i]);
            const std::string& label = row[2 * i + 2];
            const unsigned char last = label.empty() ? 0 : static_cast<unsigned char>(label.back());
            t.orderNumber[i] = isdigit(last) ? last - '0' + 1 : 0;
        }
    } else {
        for (int i = 0; i < kOsMaxChips; ++i) {
            t.orderNumber[i] = 0;
            t.firstValue[i] = 0;
        }
        r.data.firstChipTotal = width;
    }
    return true;
}

// The "Height" row: the panel height and the chips' second values and ends.
bool ReadHeightRow(OpenShortRecords& r, const CsvRow& row, int& height) {
    height = CellInt(row, 1);
    if (height <= 0 || height > kOsGridSide)
        return false;
    const int chips = r.shared.chipCount;
    ChipLayout& t = r.layout;
    if (CellCount(row) >= 2 * chips + 2) {
        int running = 0;
        for (int i = 0; i < chips; ++i) {
            const OverlapEntry e = OverlapOfChip(t, i);
            t.secondValue[i] = AddClamped(CellInt(row, 2 * i + 3),
                                          e.type == kOverlapShared ? AddClamped(e.left, e.right) : 0);
            running = AddClamped(running, t.secondValue[i]);
            t.runningEnd[i] = running;
            r.data.firstChipTotal = AddClamped(r.data.firstChipTotal, t.secondValue[i]);
        }
    } else {
        for (int i = 0; i < chips; ++i) {
            t.secondValue[i] = 0;
            t.runningEnd[i] = height;
        }
        r.data.secondChipTotal = height;
    }
    return true;
}

int LayoutOf(const CsvRow& row, int ngCount) {
    const int cells = CellCount(row);
    if (cells == 0)
        return kLayoutUnknown;
    const std::string& label = row[0];
    if (label == "Channel") {
        if (cells >= 6)
            return ngCount > 0 ? kLayoutSelfNg : kLayoutSelf;
        if (cells == 4)
            return kLayoutSelfGolden;
    } else if (label == "   Node") {
        if (cells == 9)
            return ngCount > 0 ? kLayoutMutualNodeNg : kLayoutMutualNode;
        if (cells == 6)
            return kLayoutMutualGoldenNode;
    } else if (label == "Table1:" && cells >= 2 && row[1] == "CalibLoopcnt") {
        if (cells == 2)
            return ngCount > 0 ? kLayoutMutualNg : kLayoutMutual;
        if (cells == 3)
            return kLayoutMutualGolden;
    }
    return kLayoutUnknown;
}

}  // namespace

OverlapEntry OverlapOfChip(const ChipLayout& layout, int chip) {
    if (chip < 0 || chip >= kOsMaxChips)
        return {0, 0, 0};
    const int order = layout.orderNumber[chip];
    if (order < 0 || order >= kOsMaxChips)
        return {0, 0, 0};
    return layout.overlap[order];
}

bool OpenResultReader(CsvRowReader& reader, const char* path) {
    reader.quote = '"';
    reader.escape = '\\';
    reader.separator = ',';
    reader.lineEnd = '\n';
    reader.mode = pelliton::CSV_MODE_OPTIONAL;
    reader.skipLines = 0;
    reader.isTbl = false;
    reader.messages = false;
    return reader.CsvOpen(path);
}

int ParseResultHeader(OpenShortRecords& r, CsvRowReader& reader, int& width, int& height, int& buttons) {
    r.layout.xInverse = r.shared.check_inv_X_order;
    r.layout.yInverse = r.shared.check_inv_Y_order;
    width = height = buttons = 0;
    int w = 0, h = 0, b = 0;

    CsvRow row;
    if (!NextRow(reader, row) || CellCount(row) < 2 || (row[0] != "NG Num" && row[0] != "Short Num"))
        return kLayoutUnknown;
    r.data.ngCount = CellInt(row, 1);

    for (;;) {
        if (!NextRow(reader, row))
            return kLayoutUnknown;
        if (Labelled(row, "Width", 2))
            break;
        if (Labelled(row, "X Inverse", 4)) {
            r.layout.xInverse = CellInt(row, 1);
            r.layout.yInverse = CellInt(row, 3);
        } else if (Labelled(row, "OverlapType", 3)) {
            if (!ReadOverlapRow(r, row))
                return kLayoutUnknown;
        } else if (Labelled(row, "Channel Info", 3)) {
            if (!ReadChannelInfoRow(r, row))
                return kLayoutUnknown;
        }
    }
    if (!ReadWidthRow(r, row, w))
        return kLayoutUnknown;
    if (!NextRow(reader, row) || !Labelled(row, "Height", 2) || !ReadHeightRow(r, row, h))
        return kLayoutUnknown;
    if (!NextRow(reader, row) || !Labelled(row, "Button", 2))
        return kLayoutUnknown;
    b = CellInt(row, 1);
    if (b < 0 || b > kOsMaxButtons)
        return kLayoutUnknown;
    if (!SkipRows(reader, 1) || !NextRow(reader, row))
        return kLayoutUnknown;
    const int layout = LayoutOf(row, r.data.ngCount);
    if (layout != kLayoutUnknown) {
        width = w;
        height = h;
        buttons = b;
    }
    return layout;
}

}  // namespace vantro
