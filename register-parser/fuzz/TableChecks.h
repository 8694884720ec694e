// What every parsed register table must satisfy, and the comparison of two
// tables, for the register-table fuzz targets.
#pragma once

#include "pelliton/CsvParser.h"
#include "test_support/FuzzSupport.h"

#include <cstring>
#include <new>

namespace fuzz_tables {

// Room for one parser that is reused run after run: a table is 600 KB, and
// fresh pages for it cost more than the parse.
template <int Slot>
class ParserSlot {
public:
    template <typename... Args>
    CCsvParser& make(Args... args) {
        clear();
        parser_ = new (storage_) CCsvParser(args...);
        return *parser_;
    }
    void clear() {
        if (parser_ != nullptr)
            parser_->~CCsvParser();
        parser_ = nullptr;
    }
    ~ParserSlot() { clear(); }

private:
    alignas(CCsvParser) static inline unsigned char storage_[sizeof(CCsvParser)];
    CCsvParser* parser_ = nullptr;
};

template <size_t N>
bool terminated(const char (&text)[N]) {
    return memchr(text, '\0', N) != nullptr;
}

inline void checkChips(const ChipPin* chips, int count) {
    FUZZ_CHECK(count >= 0 && count <= REGISTER_TABLE_MAX_CHIPS, "chip count within the table");
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(terminated(chips[i].chipName), "chip name terminated");
        // A count below 0 is the file's own (a block whose counts are all 0 or
        // less runs to the end of the file); above 104 it fails the block.
        FUZZ_CHECK(chips[i].pinCount <= REGISTER_TABLE_MAX_PINS, "pin count within the row");
    }
}

// Counts within their arrays, every text terminated inside its field, every
// register found again by its name, and a failed table empty.
inline void checkTable(CCsvParser& parser) {
    const int type = parser.fileType;
    FUZZ_CHECK(type == TABLE_BAD || type == TABLE_NOT_PARSED || type == TABLE_OTHER_FIRMWARE ||
                   type == TABLE_NO_HEADER || type == TABLE_ONLINE || type == TABLE_BITS ||
                   type == TABLE_BYTES || type == TABLE_BYTES_SECOND_KIND,
               "fileType is one of the codes");
    const int count = parser.registerCount;
    FUZZ_CHECK(count >= 0 && count <= REGISTER_TABLE_MAX_REGISTERS, "register count within the table");
    FUZZ_CHECK(terminated(parser.mainCodeId) && terminated(parser.buildTime), "header texts terminated");
    for (int i = 0; i < count; ++i) {
        Register& reg = parser.registers[i];
        FUZZ_CHECK(terminated(reg.type) && terminated(reg.name) && terminated(reg.address) &&
                       terminated(reg.description) && terminated(reg.defineRef) && terminated(reg.group),
                   "register texts terminated");
        Register* found = parser.lookUp(reg.name);
        FUZZ_CHECK(found != nullptr && found <= &reg && found >= parser.registers,
                   "a register is found by name");
        FUZZ_CHECK(strcasecmp(found->name, reg.name) == 0, "lookUp finds that name");
    }
    checkChips(parser.chips, parser.chipCount);
    checkChips(parser.rxChips, parser.rxChipCount);
    checkChips(parser.txChips, parser.txChipCount);
    FUZZ_CHECK(parser.ctrlChipCount >= 0 && parser.ctrlChipCount <= REGISTER_TABLE_MAX_CHIPS,
               "control chips");
    for (int i = 0; i < parser.ctrlChipCount; ++i)
        FUZZ_CHECK(terminated(parser.ctrlChips[i].chipName), "control chip name terminated");
    FUZZ_CHECK(parser.ctrlRowCount >= 0 && parser.ctrlRowCount <= REGISTER_TABLE_MAX_PINS, "control rows");
    FUZZ_CHECK(parser.itoOrderCount >= 0 && parser.itoOrderCount <= count, "ItoOrder count");
    FUZZ_CHECK(parser.txOrderCount >= 0 && parser.txOrderCount <= count, "TxOrder count");
    FUZZ_CHECK(parser.nonReservedCount >= 0 && parser.nonReservedCount <= count, "non-reserved count");
    if (type < 0) {
        FUZZ_CHECK(count == 0 && parser.chipCount == 0, "a failed table is empty");
        FUZZ_CHECK(parser.lookUp("") == nullptr, "nothing is found in a failed table");
    }
    for (int index : {-1, 0, int(REGISTER_TABLE_MAX_CHIPS) - 1, int(REGISTER_TABLE_MAX_CHIPS)}) {
        ChipPin chip = getChipPin(parser, index);
        if (index < 0 || index >= REGISTER_TABLE_MAX_CHIPS)
            FUZZ_CHECK(chip.pinCount == 0 && chip.chipName[0] == '\0', "a chip outside the table is zeroed");
    }
}

inline bool sameChips(const ChipPin* a, const ChipPin* b, int count) {
    for (int i = 0; i < count; ++i)
        if (strcmp(a[i].chipName, b[i].chipName) != 0 || a[i].pinCount != b[i].pinCount ||
            a[i].id != b[i].id || memcmp(a[i].pins, b[i].pins, sizeof a[i].pins) != 0)
            return false;
    return true;
}

// Field by field (padding bytes are not part of a table).  The ".tbl"-only
// counts (firstItoOrder, firstTxOrder, nonReservedCount) differ by rule
// between the two forms of one table and are compared only with `all`.
inline bool sameTable(const RegisterTable& a, const RegisterTable& b, bool all) {
    if (a.fileType != b.fileType || a.registerCount != b.registerCount || a.startAddr != b.startAddr ||
        a.headerWord != b.headerWord || a.headerInt != b.headerInt ||
        strcmp(a.mainCodeId, b.mainCodeId) != 0 || strcmp(a.buildTime, b.buildTime) != 0 ||
        memcmp(a.usbDescId, b.usbDescId, sizeof a.usbDescId) != 0 || a.hasUsbDescId != b.hasUsbDescId)
        return false;
    for (int i = 0; i < a.registerCount; ++i) {
        const Register& x = a.registers[i];
        const Register& y = b.registers[i];
        if (strcmp(x.type, y.type) != 0 || strcmp(x.name, y.name) != 0 || strcmp(x.address, y.address) != 0 ||
            x.startByte != y.startByte || x.byteLength != y.byteLength ||
            strcmp(x.description, y.description) != 0 || x.value != y.value ||
            strcmp(x.defineRef, y.defineRef) != 0 || x.isItoOrder != y.isItoOrder ||
            x.isTxOrder != y.isTxOrder || x.editable != y.editable ||
            x.fromDefineTable != y.fromDefineTable || strcmp(x.group, y.group) != 0)
            return false;
    }
    if (a.chipCount != b.chipCount || a.rxChipCount != b.rxChipCount || a.txChipCount != b.txChipCount ||
        !sameChips(a.chips, b.chips, a.chipCount) || !sameChips(a.rxChips, b.rxChips, a.rxChipCount) ||
        !sameChips(a.txChips, b.txChips, a.txChipCount))
        return false;
    if (a.ctrlChipCount != b.ctrlChipCount || a.ctrlRowCount != b.ctrlRowCount)
        return false;
    for (int i = 0; i < a.ctrlChipCount; ++i)
        if (strcmp(a.ctrlChips[i].chipName, b.ctrlChips[i].chipName) != 0 ||
            a.ctrlChips[i].id != b.ctrlChips[i].id ||
            memcmp(a.ctrlChips[i].pins, b.ctrlChips[i].pins, sizeof a.ctrlChips[i].pins) != 0)
            return false;
    for (int i = 0; i < a.ctrlRowCount; ++i)
        if (a.ctrlRowNames[i] != b.ctrlRowNames[i])
            return false;
    if (a.itoOrderCount != b.itoOrderCount || a.txOrderCount != b.txOrderCount)
        return false;
    return !all || (a.firstItoOrder == b.firstItoOrder && a.firstTxOrder == b.firstTxOrder &&
                    a.nonReservedCount == b.nonReservedCount);
}

}  // namespace fuzz_tables
