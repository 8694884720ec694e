// The records of a parsed register table.  Callers allocate them and read
// their fields directly, so field order and fixed widths are binary
// interface: change nothing here without rebuilding every caller.
#pragma once

#include <stdint.h>

#include <string>

enum { REGISTER_TABLE_MAX_REGISTERS = 1000, REGISTER_TABLE_MAX_CHIPS = 30, REGISTER_TABLE_MAX_PINS = 104 };

// fileType codes.
enum {
    TABLE_NOT_PARSED = -1,
    TABLE_BAD = -2,
    TABLE_OTHER_FIRMWARE = -3,  // main code id or build time differs from the wanted one
    TABLE_NO_HEADER = 0,
    TABLE_ONLINE = 1,
    TABLE_BITS = 2,
    TABLE_BYTES = 3,
    TABLE_BYTES_SECOND_KIND = 5
};

struct Register {
    char type[13];      // "char", "short", "int" in short-form rows, else empty
    char name[80];      // key of lookUp
    char address[11];   // "0x%08x"
    int32_t startByte;  // byte offset inside the 32-bit word
    int32_t byteLength;
    char description[255];
    int32_t value;       // long-form value; a DefineTable entry's value
    char defineRef[80];  // DefineTable entry that governs this register
    bool isItoOrder;
    bool isTxOrder;
    bool editable;
    bool fromDefineTable;
    char group[80];
};

struct ChipPin {
    char chipName[80];
    int32_t pinCount;
    uint32_t id;
    int32_t pins[REGISTER_TABLE_MAX_PINS];  // "CIN" numbers, 0 for an empty cell
};

struct CtrlChipPin {
    char chipName[80];
    uint32_t id;
    int32_t pins[REGISTER_TABLE_MAX_PINS];
};

struct RegisterTable {
    int32_t fileType;
    int32_t registerCount;
    uint32_t startAddr;
    uint32_t headerWord;
    int32_t headerInt;
    char mainCodeId[12];   // "%02d %02d %02d %02d" or "None"
    char buildTime[15];    // first word of the build-time cell, or "None"
    uint8_t usbDescId[5];  // four bytes and a NUL
    bool hasUsbDescId;
    Register registers[REGISTER_TABLE_MAX_REGISTERS];
    ChipPin chips[REGISTER_TABLE_MAX_CHIPS];
    int32_t chipCount;
    int32_t rxChipCount;
    int32_t txChipCount;
    ChipPin rxChips[REGISTER_TABLE_MAX_CHIPS];
    ChipPin txChips[REGISTER_TABLE_MAX_CHIPS];
    CtrlChipPin ctrlChips[REGISTER_TABLE_MAX_CHIPS];
    int32_t ctrlChipCount;
    int32_t ctrlRowCount;
    std::string ctrlRowNames[REGISTER_TABLE_MAX_PINS];
    int32_t itoOrderCount;
    int32_t txOrderCount;
    int32_t firstItoOrder;
    int32_t firstTxOrder;
    int32_t nonReservedCount;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(Register) == 536, "Register layout");
static_assert(sizeof(ChipPin) == 504, "ChipPin layout");
static_assert(sizeof(CtrlChipPin) == 500, "CtrlChipPin layout");
#endif
