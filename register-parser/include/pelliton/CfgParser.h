// CCfgParser: reads a key = value configuration file ("#" and ";" start a
// comment) into its Config entries, in file order.
#pragma once

#include "framework/CString.h"
#include "pelliton/PellitonExport.h"

#include <vector>

struct Config {
    CString key;
    int value;
};

class PELLITON_API CCfgParser {
public:
    // file is not copied: it must outlive the parser.  Parses at once; a
    // missing file gives an empty list and no message.
    explicit CCfgParser(const char* file);
    explicit CCfgParser(char* file);  // the form the DLL's callers declare
    CCfgParser(const CCfgParser& other);
    CCfgParser& operator=(const CCfgParser& other);
    ~CCfgParser();

    void setVerbose(int level);
    // The entries; the parser keeps ownership.
    std::vector<Config>* getContent();

private:
    // The tests run parseFile again with verbose set; nothing else can.
    friend class CCfgParserTestAccess;

    bool parseFile();
    void filterComment(CString& line);
    bool parseLine(CString line, CString& key, CString& value);
    int getValue(CString value);

    const char* fileName;
    std::vector<Config>* content;
    int verbose;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(Config) == 8, "Config layout");
static_assert(sizeof(CCfgParser) == 12, "CCfgParser layout");
#endif
