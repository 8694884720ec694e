// Body of a register table: groups, comment rows, register rows in their
// short and long forms, and the hand-over to the pin blocks.
#include "pelliton/CsvParser.h"

#include "HexCells.h"
#include "SharedCsvReader.h"
#include "TextRules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace pelliton;

namespace {

enum GroupKind { GROUP_ORDINARY = 0, GROUP_DEFINE_TABLE = 1, GROUP_DEFINE_DATA = 2 };

const char kWhite[] = " \t\f\v\n\r";

const char* skipWhite(const std::string& text) {
    return text.c_str() + strspn(text.c_str(), kWhite);
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, strlen(prefix), prefix) == 0;
}

void storeAddress(Register& reg, const std::string& text) {
    unsigned int value = 0;
    if (!ReadPlainHex(text.c_str(), value) && sscanf(text.c_str(), "%10x", &value) != 1)
        value = 0;
    WriteAddress(reg.address, value);
}

// The words of text split at blanks and tabs.
void splitWords(const std::string& text, std::string& first, std::string& second) {
    size_t a = text.find_first_not_of(" \t");
    first.clear();
    second.clear();
    if (a == std::string::npos)
        return;
    size_t b = text.find_first_of(" \t", a);
    first = text.substr(a, b == std::string::npos ? std::string::npos : b - a);
    if (b == std::string::npos)
        return;
    size_t c = text.find_first_not_of(" \t", b);
    if (c == std::string::npos)
        return;
    size_t d = text.find_first_of(" \t", c);
    second = text.substr(c, d == std::string::npos ? std::string::npos : d - c);
}

}  // namespace

Register CCsvParser::createData() {
    Register reg;
    memset(&reg, 0, sizeof reg);
    reg.editable = true;
    return reg;
}

int CCsvParser::getRowSize() {
    int size = 0;
    if (currentRow == nullptr)
        return 0;
    for (const std::string& text : *currentRow)
        if (!text.empty())
            ++size;
    return size;
}

bool CCsvParser::getNonEmptyLine(int& size) {
    size = 0;
    if (reader == nullptr) {
        currentRow->clear();
        return false;
    }
    CsvRowReader& r = reader->reader;
    while (r.CsvHasMoreRows()) {
        r.CsvReadRowInto(*currentRow);
        size = getRowSize();
        if (size > 0)
            return true;
    }
    currentRow->clear();
    size = 0;
    return false;
}

void CCsvParser::checkDefineEffectedItems(Register& define, int count) {
    if (count > REGISTER_TABLE_MAX_REGISTERS)
        count = REGISTER_TABLE_MAX_REGISTERS;
    for (int i = 0; i < count; ++i)
        if (strcmp(registers[i].defineRef, define.name) == 0)
            registers[i].editable = define.value > 0;
}

bool CCsvParser::checkParmType(Register& reg) {
    if ((strcmp(reg.type, "char") == 0 && reg.byteLength == 1) ||
        (strcmp(reg.type, "short") == 0 && reg.byteLength == 2) ||
        (strcmp(reg.type, "int") == 0 && reg.byteLength == 4))
        return true;
    printf("The type and length of %s is not consistent!\n", reg.name);
    return false;
}

void CCsvParser::ParserRemoveSpaceAndTab(char* text) {
    if (text == nullptr)
        return;
    char* out = text;
    for (char* p = text; *p != '\0'; ++p)
        if (*p != ' ' && *p != '\t')
            *out++ = *p;
    *out = '\0';
}

int CCsvParser::startParse(char* wantedMainCodeId, char* wantedBuildTime) {
    itoOrderCount = txOrderCount = 0;
    firstItoOrder = firstTxOrder = 0;
    nonReservedCount = 0;
    registerCount = 0;

    const int type = checkFileType(wantedMainCodeId, wantedBuildTime);
    if (type < 0)
        return type;

    const bool tbl = reader->reader.isTbl;
    char groupName[80] = "";
    int groupKind = GROUP_ORDINARY;
    int count = 0;
    bool headerRowIsBody = type == TABLE_NO_HEADER;

    auto fail = [&]() {
        // A failed table is an empty table: nothing of it may be looked up.
        registerCount = 0;
        memset(registers, 0, sizeof registers);
        chipCount = rxChipCount = txChipCount = 0;
        ctrlChipCount = ctrlRowCount = 0;
        itoOrderCount = txOrderCount = firstItoOrder = firstTxOrder = nonReservedCount = 0;
        fileType = TABLE_BAD;
        return fileType;
    };

    while (headerRowIsBody || reader->reader.CsvHasMoreRows()) {
        Register reg = createData();
        int size = 0;
        if (headerRowIsBody) {
            headerRowIsBody = false;
            size = getRowSize();
        } else {
            reader->reader.CsvReadRowInto(*currentRow);
            size = getRowSize();
            if (size == 0)
                continue;
        }
        const std::string first = cell(0);

        if (startsWith(first, "////")) {
            const std::string rest = first.substr(4);
            PellitonCopyBounded(groupName, sizeof groupName - 1, rest.c_str());
            groupKind = startsWith(rest, "DefineTable")  ? GROUP_DEFINE_TABLE
                        : startsWith(rest, "DefineData") ? GROUP_DEFINE_DATA
                                                         : GROUP_ORDINARY;
            continue;
        }
        if (startsWith(first, "///") && count > 0) {
            char* description = registers[count - 1].description;
            const size_t room = sizeof registers[count - 1].description - 1;
            std::string text = description;
            text += ' ';
            text += first.substr(3);
            PellitonCopyBounded(description, room, text.c_str());
            continue;
        }
        if (first == "Pin Assignment") {
            bool handled = true, ok = true;
            if (size == 1)
                ok = parsePinAssign();
            else if (cell(1) == "Rx")
                ok = parsePinAssignRX();
            else if (cell(1) == "Tx")
                ok = parsePinAssignTX();
            else
                handled = false;
            if (!ok)
                return fail();
            if (handled)
                continue;
        }
        if (first == "Ctrl Pin Table") {
            if (!parseCtrlPinTable())
                return fail();
            continue;
        }

        const bool shortForm =
            (type == TABLE_NO_HEADER || type == TABLE_ONLINE) && groupKind == GROUP_ORDINARY && size >= 4;
        if (shortForm) {
            std::string typeWord, name;
            splitWords(first, typeWord, name);
            PellitonCopyBounded(reg.type, sizeof reg.type - 1, typeWord.c_str());
            PellitonCopyBounded(reg.name, sizeof reg.name - 1, name.c_str());
            storeAddress(reg, cell(1));
            reg.startByte = PellitonTextToInt(cell(2).c_str());
            reg.byteLength = PellitonTextToInt(cell(3).c_str());
        } else {
            if (size < 5)
                continue;
            storeAddress(reg, cell(0));
            reg.startByte = PellitonTextToInt(cell(1).c_str());
            reg.byteLength = PellitonTextToInt(cell(2).c_str());
            std::string name, unused;
            splitWords(cell(3), name, unused);
            PellitonCopyBounded(reg.name, sizeof reg.name - 1, name.c_str());
            reg.value = PellitonTextToInt(cell(4).c_str());
        }

        const bool early = type == TABLE_NO_HEADER || type == TABLE_ONLINE;
        const size_t descriptionCell = early ? 4 : 5;
        if (size >= static_cast<int>(descriptionCell) + 1)
            PellitonCopyBounded(reg.description, sizeof reg.description - 1,
                                skipWhite(cell(descriptionCell)));
        if (size >= static_cast<int>(descriptionCell) + 2) {
            // Trailing blanks would keep the name from matching its DefineTable entry.
            std::string ref = skipWhite(cell(descriptionCell + 1));
            ref.erase(ref.find_last_not_of(kWhite) + 1);
            PellitonCopyBounded(reg.defineRef, sizeof reg.defineRef - 1, ref.c_str());
        }

        if (groupKind == GROUP_DEFINE_TABLE) {
            reg.editable = false;
            reg.fromDefineTable = true;
            if (reg.value == 0)
                checkDefineEffectedItems(reg, count);
        } else if (groupKind == GROUP_ORDINARY) {
            if (strncmp(reg.name, "ItoOrder", 8) == 0) {
                reg.isItoOrder = true;
                if (itoOrderCount == 0)
                    firstItoOrder = tbl ? nonReservedCount : count;
                ++itoOrderCount;
            }
            if (strncmp(reg.name, "TxOrder", 7) == 0) {
                reg.isTxOrder = true;
                if (txOrderCount == 0 && !tbl)
                    firstTxOrder = count;
                ++txOrderCount;
            }
        }

        if (count >= REGISTER_TABLE_MAX_REGISTERS)
            return fail();
        PellitonCopyBounded(reg.group, sizeof reg.group - 1, groupName);
        registers[count++] = reg;
        if (tbl && strcmp(reg.name, "reserved") != 0)
            ++nonReservedCount;
    }
    registerCount = count;
    return fileType;
}
