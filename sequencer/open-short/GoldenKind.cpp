#include "OpenShortRows.h"
#include "vantro/OpenShortParse.h"

namespace vantro {

namespace {

void StoreGolden(int& total, int& width, int& height, int& buttonCount, int w, int h, int b) {
    width = w;
    height = h;
    buttonCount = b;
    total = w * h + b;
}

}  // namespace

int GetCsvKind(const char* path, OpenShortData& data) {
    CsvRowReader reader;
    if (!OpenResultReader(reader, path))
        return kCsvOther;
    CsvRow row;
    do {
        if (!NextRow(reader, row))
            return kCsvOther;
    } while (!Labelled(row, "Width", 2));
    const int width = CellInt(row, 1);
    if (!NextRow(reader, row) || CellCount(row) < 2)
        return kCsvOther;
    const int height = CellInt(row, 1);
    if (!NextRow(reader, row) || CellCount(row) < 2)
        return kCsvOther;
    const int buttons = CellInt(row, 1);
    if (width <= 0 || width > kOsGridSide || height <= 0 || height > kOsGridSide || buttons < 0 ||
        buttons > kOsMaxButtons)
        return kCsvOther;
    if (!SkipRows(reader, 1) || !NextRow(reader, row))
        return kCsvOther;

    const int cells = CellCount(row);
    if (cells == 4 && row[0] == "Channel") {
        SelfBlock& g = data.selfGolden;
        StoreGolden(g.total, g.width, g.height, g.buttonCount, width, height, buttons);
        return kCsvSelfGolden;
    }
    const bool tables = data.use2DFiles == 1 && cells == 3 && row[0] == "Table1:";
    const bool nodes = data.use2DFiles == 0 && cells == 6 && row[0] == "   Node";
    if (tables || nodes) {
        MutualBlock& g = data.mutualGolden;
        StoreGolden(g.total, g.width, g.height, g.buttonCount, width, height, buttons);
        return kCsvMutualGolden;
    }
    return kCsvOther;
}

}  // namespace vantro
