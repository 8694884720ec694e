#include "OpenShortRows.h"
#include "vantro/OpenShortParse.h"

namespace vantro {

namespace {

// Channel rows fill fields 1, 0, 3 from cells 1, 2, 3; button rows fields 0, 3, 4.
void StoreRow(OpenShortData& data, const CsvRow& row, int index, bool button, bool goldenInUse) {
    SelfChannel& c = data.self.channel[index];
    if (button) {
        c.field[0] = CellFloat(row, 1);
        c.field[3] = CellFloat(row, 2);
        c.field[4] = CellFloat(row, 3);
    } else {
        c.field[1] = CellFloat(row, 1);
        c.field[0] = CellFloat(row, 2);
        c.field[3] = CellFloat(row, 3);
        data.self.channelStatus[index] = CellInt(row, 4);
    }
    if (goldenInUse) {
        data.selfCompare[index].field[0] = CellFloat(row, 5);
        data.selfCompare[index].field[3] = CellFloat(row, 6);
    }
}

}  // namespace

bool ParseSelfResultCsv(OpenShortRecords& r, const char* path, bool goldenInUse) {
    ClearChipLayout(r.layout);
    CsvRowReader reader;
    if (!OpenResultReader(reader, path))
        return false;
    int width = 0, height = 0, buttons = 0;
    const int layout = ParseResultHeader(r, reader, width, height, buttons);
    if (layout != kLayoutSelf && layout != kLayoutSelfNg)
        return false;
    if (width + height + buttons > kOsMaxChannels)
        return false;

    ResetSelfResult(r.data);
    SelfBlock& self = r.data.self;
    self.width = width;
    self.height = height;
    self.buttonCount = buttons;
    self.total = width + height + buttons;

    const int minCells = goldenInUse ? 8 : 6;
    const int channels = width + height;
    int read = 0;
    CsvRow row;
    while (NextRow(reader, row) && CellCount(row) >= minCells) {
        if (read < channels)
            StoreRow(r.data, row, read, false, goldenInUse);
        ++read;
    }
    if (read != channels)
        return false;
    for (int b = 0; b < buttons; ++b) {
        if (!NextRow(reader, row) || CellCount(row) < minCells)
            return false;
        StoreRow(r.data, row, channels + b, true, goldenInUse);
        self.buttonStatus[b] = CellInt(row, 4);
    }
    MarkOverlapChannels(r, width);
    return true;
}

}  // namespace vantro
