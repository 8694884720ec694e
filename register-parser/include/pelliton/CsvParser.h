// CCsvParser: reads a register table (CSV or ".tbl") into its RegisterTable
// and looks registers up by name.  About 600 KB: allocate it on the heap.
// A failed parse is never an error to the caller: fileType says why, and the
// table then holds no registers (lookUp NULL, getParamAddress 0).
#pragma once

#include "pelliton/PellitonExport.h"
#include "pelliton/RegisterTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelliton {
struct SharedCsvReader;  // the row reader, shared by copies of one parser
typedef std::vector<std::string> CsvRow;
}  // namespace pelliton

class PELLITON_API CCsvParser : public RegisterTable {
public:
    CCsvParser();
    // The char* constructors are the ones the DLL's callers declare; the
    // const forms beside them are the same constructors.
    // Parses file at once; messages on standard output when it fails.
    explicit CCsvParser(char* file);
    explicit CCsvParser(const char* file);
    // Searches folder and its sub-folders for the table of that firmware
    // (either wanted value may be NULL).
    CCsvParser(char* folder, char* mainCodeId, char* buildTime);
    CCsvParser(const char* folder, const char* mainCodeId, const char* buildTime);
    // Reads only the header's main code id and build time.
    CCsvParser(char* file, bool headerOnly);
    CCsvParser(const char* file, bool headerOnly);
    CCsvParser(const CCsvParser& other);
    CCsvParser& operator=(const CCsvParser& other);
    ~CCsvParser();

    // Parses file from a cleared table; true when fileType is not negative.
    bool init(const char* file);
    bool isParserReady();
    RegisterTable getTable();
    unsigned int getStartAddr();
    // First register of that name, ignoring case; valid while the parser lives.
    Register* lookUp(const char* name);
    // Address of the register plus startAddr; 0 when absent.
    unsigned int getParamAddress(const char* name);
    void setVerbose(int level);

private:
    // The exported names of these members are part of the DLL's interface:
    // their texts are char* although none of them writes through it.
    bool initParser(const char* file);
    void initData();
    void clearTable();
    Register createData();
    int getRowSize();
    bool getNonEmptyLine(int& size);
    bool getMainCodeIdAndBuildTime();
    bool findMatchFile(char* folder, char* wantedMainCodeId, char* wantedBuildTime);
    bool searchFolder(const std::string& folder, char* wantedMainCodeId, char* wantedBuildTime,
                      int& bestFailure);
    void parseMainCodeID(unsigned char out[4], char* text);
    void parseUSBDescID(unsigned char out[4], char* text);
    int checkFileType(char* wantedMainCodeId, char* wantedBuildTime);
    bool parsePinAssign();
    bool parsePinAssignRX();
    bool parsePinAssignTX();
    bool parsePinBlock(ChipPin* chips, int32_t& count);
    bool parseCtrlPinTable();
    void checkDefineEffectedItems(Register& define, int count);
    bool checkParmType(Register& reg);
    void ParserRemoveSpaceAndTab(char* text);
    int startParse(char* wantedMainCodeId, char* wantedBuildTime);
    void releaseReader();
    // Cells of the row last read, as views into the reader's storage that
    // end in a NUL; valid until the next read.  An absent cell is empty.
    std::string_view cell(size_t index) const;
    size_t cellCount() const;

    pelliton::SharedCsvReader* reader;
    pelliton::CsvRow* currentRow;
    int verbose;
};

// A copy of chips[index]; a zeroed record for an index outside 0..29.
PELLITON_API ChipPin getChipPin(const RegisterTable& table, int index);
