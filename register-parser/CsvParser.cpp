// CCsvParser: construction, copies, lifetime, opening a table, lookups.
#include "pelliton/CsvParser.h"

#include "SharedCsvReader.h"
#include "TextRules.h"

#include <cstdio>
#include <cstring>

using namespace pelliton;

CCsvParser::CCsvParser() : reader(nullptr), currentRow(nullptr), verbose(0) {
    initData();
}

CCsvParser::CCsvParser(char* file) : CCsvParser(static_cast<const char*>(file)) {}

CCsvParser::CCsvParser(const char* file) : reader(nullptr), currentRow(nullptr), verbose(0) {
    initData();
    if (!initParser(file)) {
        printf("%s : init csv parser failed!\n", file != nullptr ? file : "");
        return;
    }
    if (startParse(nullptr, nullptr) < 0)
        printf("The format of %s is incorrect!\n", file);
}

// The search only reads the three texts.
CCsvParser::CCsvParser(const char* folder, const char* mainCodeId, const char* buildTime)
    : CCsvParser(const_cast<char*>(folder), const_cast<char*>(mainCodeId), const_cast<char*>(buildTime)) {}

CCsvParser::CCsvParser(char* folder, char* mainCodeId, char* buildTime)
    : reader(nullptr), currentRow(nullptr), verbose(0) {
    initData();
    if (!findMatchFile(folder, mainCodeId, buildTime))
        printf("%s cannot find any matching file!\n", folder != nullptr ? folder : "");
}

CCsvParser::CCsvParser(char* file, bool headerOnly)
    : CCsvParser(static_cast<const char*>(file), headerOnly) {}

CCsvParser::CCsvParser(const char* file, bool) : reader(nullptr), currentRow(nullptr), verbose(0) {
    initData();
    if (!initParser(file)) {
        printf("%s : init csv parser failed!\n", file != nullptr ? file : "");
        return;
    }
    getMainCodeIdAndBuildTime();
}

// Copies share the reader (counted) and own their row.
CCsvParser::CCsvParser(const CCsvParser& other)
    : RegisterTable(other), reader(other.reader), currentRow(new CsvRow(*other.currentRow)),
      verbose(other.verbose) {
    if (reader != nullptr)
        ++reader->references;
}

CCsvParser& CCsvParser::operator=(const CCsvParser& other) {
    if (this == &other)
        return *this;
    RegisterTable::operator=(other);
    if (other.reader != nullptr)
        ++other.reader->references;
    releaseReader();
    reader = other.reader;
    *currentRow = *other.currentRow;
    verbose = other.verbose;
    return *this;
}

CCsvParser::~CCsvParser() {
    releaseReader();
    delete currentRow;
}

void CCsvParser::releaseReader() {
    if (reader == nullptr)
        return;
    if (--reader->references == 0)
        delete reader;  // its destructor closes the file
    reader = nullptr;
}

void CCsvParser::initData() {
    verbose = 0;
    releaseReader();
    if (currentRow == nullptr)
        currentRow = new CsvRow;
    else
        currentRow->clear();
    clearTable();
}

// Every parse starts from here: nothing of an earlier table survives.
void CCsvParser::clearTable() {
    fileType = TABLE_NOT_PARSED;
    registerCount = 0;
    startAddr = 0;
    headerWord = 0xFFFFFFFFu;
    headerInt = 0;
    memset(mainCodeId, 0, sizeof mainCodeId);
    memset(buildTime, 0, sizeof buildTime);
    memset(usbDescId, 0, sizeof usbDescId);
    hasUsbDescId = false;
    memset(registers, 0, sizeof registers);
    memset(chips, 0, sizeof chips);
    memset(rxChips, 0, sizeof rxChips);
    memset(txChips, 0, sizeof txChips);
    memset(ctrlChips, 0, sizeof ctrlChips);
    chipCount = rxChipCount = txChipCount = 0;
    ctrlChipCount = ctrlRowCount = 0;
    for (std::string& name : ctrlRowNames)
        name.clear();
    itoOrderCount = txOrderCount = 0;
    firstItoOrder = firstTxOrder = 0;
    nonReservedCount = 0;
}

bool CCsvParser::initParser(const char* file) {
    releaseReader();
    reader = new SharedCsvReader;
    CsvRowReader& r = reader->reader;
    r.quote = 0;
    r.escape = 92;
    r.separator = 44;
    r.lineEnd = 10;
    r.mode = CSV_MODE_NONE;
    r.verbose = verbose;
    if (!r.CsvOpen(file)) {
        fileType = TABLE_BAD;
        return false;
    }
    const char* dot = strrchr(file, '.');
    if (dot == nullptr)
        return false;  // no extension to tell the kind by
    bool tbl;
    if (strcmp(dot + 1, "csv") == 0)
        tbl = false;
    else if (strcmp(dot + 1, "tbl") == 0)
        tbl = true;
    else
        return false;
    r.isTbl = tbl;
    r.quote = static_cast<char>(tbl ? 134 : 34);
    r.separator = static_cast<char>(tbl ? 144 : 44);
    r.lineEnd = static_cast<char>(tbl ? 110 : 10);
    r.mode = CSV_MODE_OPTIONAL;
    for (int& option : r.options)
        option = 1;
    return true;
}

bool CCsvParser::init(const char* file) {
    const int keptVerbose = verbose;
    clearTable();
    currentRow->clear();
    verbose = keptVerbose;
    if (!initParser(file)) {
        printf("%s : init csv parser failed!\n", file != nullptr ? file : "");
        return false;
    }
    if (startParse(nullptr, nullptr) < 0) {
        printf("The format of %s is incorrect!\n", file);
        return false;
    }
    return true;
}

bool CCsvParser::isParserReady() {
    return reader != nullptr;
}

RegisterTable CCsvParser::getTable() {
    return *this;
}

unsigned int CCsvParser::getStartAddr() {
    return startAddr;
}

Register* CCsvParser::lookUp(const char* name) {
    if (name == nullptr)
        return nullptr;
    const int count = registerCount < 0                              ? 0
                      : registerCount > REGISTER_TABLE_MAX_REGISTERS ? REGISTER_TABLE_MAX_REGISTERS
                                                                     : registerCount;
    for (int i = 0; i < count; ++i)
        if (PellitonEqualNoCase(registers[i].name, name))
            return &registers[i];
    return nullptr;
}

unsigned int CCsvParser::getParamAddress(const char* name) {
    const Register* reg = lookUp(name);
    if (reg == nullptr)
        return 0;
    unsigned int address = 0;
    if (sscanf(reg->address, "%x", &address) != 1)
        address = 0;
    return address + startAddr;
}

void CCsvParser::setVerbose(int level) {
    verbose = level;
    if (reader != nullptr)
        reader->reader.verbose = level;
}

// The rows are read as views into the reader (no copy of any cell); the row
// list currentRow stays for the records' layout and holds no cells.
std::string_view CCsvParser::cell(size_t index) const {
    if (reader == nullptr || index >= reader->reader.CsvCurrentCells().size())
        return std::string_view("", 0);  // data() is a C text too
    return reader->reader.CsvCurrentCells()[index];
}

size_t CCsvParser::cellCount() const {
    return reader != nullptr ? reader->reader.CsvCurrentCells().size() : 0;
}

ChipPin getChipPin(const RegisterTable& table, int index) {
    ChipPin pin;
    if (index < 0 || index >= REGISTER_TABLE_MAX_CHIPS) {
        memset(&pin, 0, sizeof pin);
        return pin;
    }
    return table.chips[index];
}
