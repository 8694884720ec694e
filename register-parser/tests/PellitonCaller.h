// The parser classes as a caller of Pelliton.dll declares them, every
// exported member with its documented parameter types.  The DLL must export
// exactly these names: a caller built from them has to link.
#pragma once

#include "framework/CString.h"
#include "pelliton/RegisterTable.h"

#include <string>
#include <vector>

struct CsvRowReader;

class __declspec(dllimport) CCsvParser : public RegisterTable {
public:
    CCsvParser();
    CCsvParser(char* file);
    CCsvParser(char* folder, char* mainCodeId, char* buildTime);
    CCsvParser(char* file, bool headerOnly);
    CCsvParser(const CCsvParser& other);
    CCsvParser& operator=(const CCsvParser& other);
    ~CCsvParser();

    bool init(char const* file);
    bool isParserReady();
    RegisterTable getTable();
    unsigned int getStartAddr();
    Register* lookUp(char const* name);
    unsigned int getParamAddress(char const* name);
    void setVerbose(int level);

private:
    friend struct PellitonCallerNames;
    bool initParser(const char* file);
    void initData();
    Register createData();
    int getRowSize();
    bool getNonEmptyLine(int& size);
    bool getMainCodeIdAndBuildTime();
    bool findMatchFile(char* folder, char* wantedMainCodeId, char* wantedBuildTime);
    void parseMainCodeID(unsigned char out[4], char* text);
    void parseUSBDescID(unsigned char out[4], char* text);
    int checkFileType(char* wantedMainCodeId, char* wantedBuildTime);
    bool parsePinAssign();
    bool parsePinAssignRX();
    bool parsePinAssignTX();
    bool parseCtrlPinTable();
    void checkDefineEffectedItems(Register& define, int count);
    bool checkParmType(Register& reg);
    void ParserRemoveSpaceAndTab(char* text);
    int startParse(char* wantedMainCodeId, char* wantedBuildTime);

    CsvRowReader* reader;
    std::vector<std::string>* currentRow;
    int verbose;
};

__declspec(dllimport) ChipPin getChipPin(RegisterTable const& table, int index);

struct Config {
    CString key;
    int value;
};

class __declspec(dllimport) CCfgParser {
public:
    CCfgParser(char* file);
    ~CCfgParser();
    CCfgParser& operator=(const CCfgParser& other);
    void setVerbose(int level);

private:
    friend struct PellitonCallerNames;
    std::vector<Config>* getContent();
    bool parseFile();
    void filterComment(CString& line);
    bool parseLine(CString line, CString& key, CString& value);
    int getValue(CString value);

    char* fileName;
    std::vector<Config>* content;
    int verbose;
};
