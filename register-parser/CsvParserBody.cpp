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
using namespace std::string_view_literals;

namespace {

enum GroupKind { GROUP_ORDINARY = 0, GROUP_DEFINE_TABLE = 1, GROUP_DEFINE_DATA = 2 };

const char kWhite[] = " \t\f\v\n\r";

// One of kWhite's characters: a blank, or \t \n \v \f \r (9 to 13).
bool isWhite(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The cells handed to these end in a NUL (see cell()), so C functions read
// them where they stand.
const char* skipWhite(std::string_view text) {
    const char* p = text.data();
    return isWhite(*p) ? p + strspn(p, kWhite) : p;
}

// The cell from its first character that is not white space, up to its
// first NUL (as the C text at skipWhite reads).
std::string_view afterWhite(std::string_view text) {
    const char* start = skipWhite(text);
    size_t n = static_cast<size_t>(text.data() + text.size() - start);
    if (const void* nul = memchr(start, '\0', n))
        n = static_cast<size_t>(static_cast<const char*>(nul) - start);
    return std::string_view(start, n);
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

void storeAddress(Register& reg, std::string_view text) {
    unsigned int value = 0;
    if (!ReadPlainHex(text.data(), value) && sscanf(text.data(), "%10x", &value) != 1)
        value = 0;
    WriteAddress(reg.address, value);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The first two words of text split at blanks and tabs (empty when absent);
// a loop of its own, since find_first_of calls memchr per character.
void splitWords(std::string_view text, std::string_view& first, std::string_view& second) {
    const char* p = text.data();
    const char* const end = p + text.size();
    first = second = std::string_view();
    while (p < end && isBlank(*p))
        ++p;
    if (p == end)
        return;
    const char* word = p;
    while (p < end && !isBlank(*p))
        ++p;
    first = std::string_view(word, static_cast<size_t>(p - word));
    while (p < end && isBlank(*p))
        ++p;
    word = p;
    while (p < end && !isBlank(*p))
        ++p;
    second = std::string_view(word, static_cast<size_t>(p - word));
}

// The cell without leading and trailing white space, up to its first NUL.
std::string_view trimmedWhite(std::string_view text) {
    std::string_view rest = afterWhite(text);
    while (!rest.empty() && isWhite(rest.back()))
        rest.remove_suffix(1);
    return rest;
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
    if (reader == nullptr)
        return 0;
    for (const std::string_view& text : reader->reader.CsvCurrentCells())
        if (!text.empty())
            ++size;
    return size;
}

bool CCsvParser::getNonEmptyLine(int& size) {
    size = 0;
    if (reader == nullptr)
        return false;
    CsvRowReader& r = reader->reader;
    while (r.CsvHasMoreRows()) {
        r.CsvReadTerminatedCells();
        size = getRowSize();
        if (size > 0)
            return true;
    }
    r.CsvDropCells();
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

// Registers are built where they are stored: the table was cleared before
// the parse (every caller of startParse clears it first) and nothing writes
// past the registers read, so registers[count] is still an empty record
// (createData's zeros with editable set below) and no 536-byte record is
// cleared and copied per row.
int CCsvParser::startParse(char* wantedMainCodeId, char* wantedBuildTime) {
    itoOrderCount = txOrderCount = 0;
    firstItoOrder = firstTxOrder = 0;
    nonReservedCount = 0;
    registerCount = 0;

    const int type = checkFileType(wantedMainCodeId, wantedBuildTime);
    if (type < 0)
        return type;

    CsvRowReader& rows = reader->reader;
    // cell()'s reading, inline: the list is the reader's, refilled by every read.
    const CsvCells& cells = rows.CsvCurrentCells();
    auto at = [&cells](size_t index) {
        return index < cells.size() ? cells[index] : std::string_view("", 0);
    };
    const bool tbl = rows.isTbl;
    const bool early = type == TABLE_NO_HEADER || type == TABLE_ONLINE;
    const int descriptionCell = early ? 4 : 5;
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

    while (headerRowIsBody || rows.CsvHasMoreRows()) {
        int size = 0;
        if (headerRowIsBody) {
            headerRowIsBody = false;
            size = getRowSize();
        } else {
            rows.CsvReadTerminatedCells();
            size = getRowSize();
            if (size == 0)
                continue;
        }
        const std::string_view first = at(0);  // valid until the next row is read

        const bool slashes = !first.empty() && first[0] == '/';  // most rows are registers
        if (slashes && startsWith(first, "////")) {
            const std::string_view rest = first.substr(4);
            PellitonCopyBounded(groupName, sizeof groupName - 1, rest);
            groupKind = startsWith(rest, "DefineTable")  ? GROUP_DEFINE_TABLE
                        : startsWith(rest, "DefineData") ? GROUP_DEFINE_DATA
                                                         : GROUP_ORDINARY;
            continue;
        }
        if (slashes && startsWith(first, "///") && count > 0) {
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
            else if (at(1) == "Rx")
                ok = parsePinAssignRX();
            else if (at(1) == "Tx")
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

        const bool shortForm = early && groupKind == GROUP_ORDINARY && size >= 4;
        if (!shortForm && size < 5)
            continue;
        // A register row past the table's room fails the table (whatever it
        // would have held is cleared with it).
        if (count >= REGISTER_TABLE_MAX_REGISTERS)
            return fail();
        Register& reg = registers[count];
        reg.editable = true;
        if (shortForm) {
            std::string_view typeWord, name;
            splitWords(first, typeWord, name);
            PellitonCopyBounded(reg.type, sizeof reg.type - 1, typeWord);
            PellitonCopyBounded(reg.name, sizeof reg.name - 1, name);
            storeAddress(reg, at(1));
            reg.startByte = PellitonTextToInt(at(2).data());
            reg.byteLength = PellitonTextToInt(at(3).data());
        } else {
            storeAddress(reg, first);
            reg.startByte = PellitonTextToInt(at(1).data());
            reg.byteLength = PellitonTextToInt(at(2).data());
            std::string_view name, unused;
            splitWords(at(3), name, unused);
            PellitonCopyBounded(reg.name, sizeof reg.name - 1, name);
            reg.value = PellitonTextToInt(at(4).data());
        }

        if (size >= descriptionCell + 1)
            PellitonCopyBounded(reg.description, sizeof reg.description - 1,
                                afterWhite(at(static_cast<size_t>(descriptionCell))));
        // Trailing blanks would keep the name from matching its DefineTable entry.
        if (size >= descriptionCell + 2)
            PellitonCopyBounded(reg.defineRef, sizeof reg.defineRef - 1,
                                trimmedWhite(at(static_cast<size_t>(descriptionCell) + 1)));

        if (groupKind == GROUP_DEFINE_TABLE) {
            reg.editable = false;
            reg.fromDefineTable = true;
            if (reg.value == 0)
                checkDefineEffectedItems(reg, count);
        } else if (groupKind == GROUP_ORDINARY) {
            // The first letter first: strncmp is a call per row.
            if (reg.name[0] == 'I' && strncmp(reg.name, "ItoOrder", 8) == 0) {
                reg.isItoOrder = true;
                if (itoOrderCount == 0)
                    firstItoOrder = tbl ? nonReservedCount : count;
                ++itoOrderCount;
            }
            if (reg.name[0] == 'T' && strncmp(reg.name, "TxOrder", 7) == 0) {
                reg.isTxOrder = true;
                if (txOrderCount == 0 && !tbl)
                    firstTxOrder = count;
                ++txOrderCount;
            }
        }

        PellitonCopyBounded(reg.group, sizeof reg.group - 1, groupName);
        ++count;
        if (tbl && strcmp(reg.name, "reserved") != 0)
            ++nonReservedCount;
    }
    registerCount = count;
    return fileType;
}
