// CsvRowReader: reads a delimited text file one row at a time into a list of
// cell texts.  The special characters are settable, so the same reader reads
// plain CSV files and the scrambled ".tbl" register tables (every byte of the
// CSV text plus 100, modulo 256).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pelliton {

typedef std::vector<std::string> CsvRow;

// Enclosure modes.
enum CsvMode {
    CSV_MODE_NONE = 1,      // no enclosure characters
    CSV_MODE_REQUIRED = 2,  // only text between enclosure characters is a cell
    CSV_MODE_OPTIONAL = 3   // split at every separator, then drop enclosing pairs
};

struct CsvRowReader {
    bool isTbl = false;             // every byte of every cell is decoded by subtracting 100
    char quote = '"';               // enclosure character
    char escape = '\\';             // escape before an enclosure character (mode 2)
    char separator = ',';           // cell separator
    char lineEnd = '\n';            // row terminator
    int options[4] = {0, 0, 0, 0};  // kept for the table parser; no effect on reading
    int skipLines = 0;              // rows skipped right after opening (absolute value)
    int rowCount = 0;               // rows read since the skipping
    FILE* file = nullptr;
    char* fileName = nullptr;  // heap copy of the name
    int mode = CSV_MODE_NONE;  // any value other than 1 and 2 acts as 3
    bool moreRows = false;
    int verbose = 0;       // print "Open %s ...\n" on opening
    bool messages = true;  // the sequencer's copy prints nothing

    CsvRowReader() = default;
    CsvRowReader(const CsvRowReader&) = delete;
    CsvRowReader& operator=(const CsvRowReader&) = delete;
    ~CsvRowReader() { CsvClose(); }

    // Opens the file for binary reading and skips skipLines rows.
    bool CsvOpen(const char* name);
    bool CsvHasMoreRows() const { return moreRows; }
    // The next row; a read after the last row gives a row without cells.
    CsvRow CsvReadRow();
    void CsvClose();

    // Internal steps, public for the table parser and the tests.
    void CsvSkipLines();
    std::string CsvReadLine();
    CsvRow CsvSplitPlain(const std::string& line) const;
    CsvRow CsvSplitEnclosed(const std::string& line) const;
    CsvRow CsvSplitOptional(const std::string& line) const;
};

}  // namespace pelliton
