// Pin-assignment blocks (all, Rx and Tx pins) and the control-pin table.
#include "pelliton/CsvParser.h"

#include "SharedCsvReader.h"
#include "TextRules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace pelliton;

namespace {

// text ends in a NUL (a cell of the row).
unsigned int readHex(std::string_view text) {
    unsigned int value = 0;
    if (sscanf(text.data(), "%10x", &value) != 1)
        return 0;
    return value;
}

// "CIN7" and "7" are pin 7; an empty cell, or one of only the letters of
// "CIN", is pin 0.
int pinNumber(std::string_view text) {
    const char* p = text.data();
    p += strspn(p, " \tCIN");
    if (*p == '\0')
        return 0;
    return PellitonTextToInt(p);
}

}  // namespace

bool CCsvParser::parsePinAssign() {
    return parsePinBlock(chips, chipCount);
}
bool CCsvParser::parsePinAssignRX() {
    return parsePinBlock(rxChips, rxChipCount);
}
bool CCsvParser::parsePinAssignTX() {
    return parsePinBlock(txChips, txChipCount);
}

bool CCsvParser::parsePinBlock(ChipPin* block, int32_t& count) {
    int size = 0;
    count = 0;
    getNonEmptyLine(size);
    if (size < 2 || cell(0) != "chip")
        return false;
    const int n = size - 1;
    if (n > REGISTER_TABLE_MAX_CHIPS)
        return false;
    for (int k = 1; k <= n; ++k)
        PellitonCopyBounded(block[k - 1].chipName, sizeof block[k - 1].chipName - 1, cell(k));

    getNonEmptyLine(size);
    if (size <= 1 || cell(0) != "id")
        return false;
    for (int k = 1; k <= n; ++k)
        block[k - 1].id = readHex(cell(k));

    getNonEmptyLine(size);
    if (size <= 1 || cell(0) != "pins")
        return false;
    int m = PellitonTextToInt(cell(1).data());
    for (int k = 1; k <= n; ++k) {
        block[k - 1].pinCount = PellitonTextToInt(cell(k).data());
        if (block[k - 1].pinCount > m)
            m = block[k - 1].pinCount;
    }
    if (m > REGISTER_TABLE_MAX_PINS)
        return false;
    count = n;

    // m of 0 or less: the block runs to the end of the file.
    for (int r = 0; (m <= 0 || r < m) && reader->reader.CsvHasMoreRows(); ++r) {
        if (!getNonEmptyLine(size))
            break;
        if (r >= REGISTER_TABLE_MAX_PINS || size > n + 1) {
            count = 0;
            return false;
        }
        for (int k = 1; k <= n; ++k) {
            if (cellCount() <= static_cast<size_t>(k)) {
                for (int rest = k; rest <= n; ++rest)
                    block[rest - 1].pins[r] = 0;
                break;
            }
            block[k - 1].pins[r] = pinNumber(cell(k));
        }
    }
    return true;
}

bool CCsvParser::parseCtrlPinTable() {
    int size = 0;
    ctrlChipCount = 0;
    ctrlRowCount = 0;
    getNonEmptyLine(size);
    if (size < 1 || cell(0) != "chip")
        return false;
    const int n = size - 1;
    if (n > REGISTER_TABLE_MAX_CHIPS)
        return false;
    for (int k = 1; k <= n; ++k)
        PellitonCopyBounded(ctrlChips[k - 1].chipName, sizeof ctrlChips[k - 1].chipName - 1, cell(k));

    getNonEmptyLine(size);
    if (size <= 1 || cell(0) != "id")
        return false;
    for (int k = 1; k <= n; ++k)
        ctrlChips[k - 1].id = readHex(cell(k));
    ctrlChipCount = n;

    getNonEmptyLine(size);  // column titles

    // Blank lines after the last row are the normal end of the table.
    int r = 0;
    while (getNonEmptyLine(size)) {
        if (size != n + 1 || r >= REGISTER_TABLE_MAX_PINS) {
            ctrlChipCount = 0;
            return false;
        }
        ctrlRowNames[r] = cell(0);
        for (int k = 1; k <= n; ++k)
            ctrlChips[k - 1].pins[r] = pinNumber(cell(k));
        ctrlRowCount = ++r;
    }
    return true;
}
