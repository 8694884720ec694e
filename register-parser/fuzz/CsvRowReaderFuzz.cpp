// The CSV row reader in every mode, with plain and ".tbl" coding: the reader
// always advances, a row never holds more text than its line, a plain row has
// one cell more than its line has separators, a terminated cell is followed
// by a NUL, and a text read as CSV and its ".tbl" form read as ".tbl" give
// the same rows.
#include "pelliton/CsvRowReader.h"
#include "test_support/FuzzSupport.h"
#include "TblForm.h"

#include <climits>

using namespace test_support;
using namespace pelliton;
using namespace fuzz_tables;

namespace {

struct Setup {
    int mode;
    int skipLines;
    char quote, escape, separator, lineEnd;
};

void configure(CsvRowReader& reader, const Setup& setup, bool tbl) {
    const int raise = tbl ? 100 : 0;
    reader.isTbl = tbl;
    reader.mode = setup.mode;
    reader.skipLines = setup.skipLines;
    reader.quote = static_cast<char>(setup.quote + raise);
    reader.escape = static_cast<char>(setup.escape + raise);
    reader.separator = static_cast<char>(setup.separator + raise);
    reader.lineEnd = static_cast<char>(setup.lineEnd + raise);
    reader.messages = false;
}

// Reads every row, checking what holds for each one.
std::vector<CsvRow> readAll(CsvRowReader& reader, const std::string& path, size_t size) {
    std::vector<CsvRow> rows;
    CsvRow reused;  // every third row goes through the reused list, every third as terminated views
    FUZZ_CHECK(reader.CsvOpen(path.c_str()), "an existing file opens");
    while (reader.CsvHasMoreRows()) {
        const long long before = reader.CsvBytesRead();
        CsvRow row;
        if (rows.size() % 3 == 0) {
            row = reader.CsvReadRow();
        } else if (rows.size() % 3 == 1) {
            reader.CsvReadRowInto(reused);
            row = reused;
        } else {
            for (std::string_view cell : reader.CsvReadTerminatedCells()) {
                FUZZ_CHECK(cell.data()[cell.size()] == '\0', "a terminated cell is followed by a NUL");
                row.emplace_back(cell);
            }
        }
        const long long after = reader.CsvBytesRead();
        FUZZ_CHECK(after > before || !reader.CsvHasMoreRows(), "every row read advances");
        FUZZ_CHECK(rows.size() <= size, "no more rows than bytes");
        size_t text = 0;
        for (const std::string& cell : row)
            text += cell.size();
        FUZZ_CHECK(text <= static_cast<size_t>(after - before), "a row holds no more text than its line");
        rows.push_back(row);
        FUZZ_CHECK(reader.rowCount == static_cast<int>(rows.size()), "rowCount counts the rows read");
    }
    FUZZ_CHECK(reader.CsvReadRow().empty(), "a read after the last row has no cells");
    reader.CsvClose();
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    Setup setup;
    setup.mode = input.Pick(5);  // 0 and 4 act as 3
    const int skip = input.Pick(8);
    setup.skipLines = skip == 7 ? INT_MIN : skip - 3;
    const bool custom = input.Byte() & 1;
    setup.quote = custom ? static_cast<char>(input.Byte()) : '"';
    setup.escape = custom ? static_cast<char>(input.Byte()) : '\\';
    setup.separator = custom ? static_cast<char>(input.Byte()) : ',';
    setup.lineEnd = custom ? static_cast<char>(input.Byte()) : '\n';
    const std::string text = input.Rest();

    const std::string csvPath = FuzzFolder() + "/rows.csv";
    FuzzWriteFile(csvPath, text);
    for (bool tbl : {false, true}) {
        CsvRowReader reader;
        configure(reader, setup, tbl);
        reader.quote = static_cast<char>(setup.quote);  // the raw text, read with either decoding
        reader.separator = setup.separator;
        reader.lineEnd = setup.lineEnd;
        std::vector<CsvRow> rows = readAll(reader, csvPath, text.size());
        if (setup.mode == CSV_MODE_NONE && setup.skipLines == 0 && !text.empty()) {
            // The first line: one cell more than it has separators (an empty file has no cells).
            size_t end = text.find(setup.lineEnd);
            std::string line = text.substr(0, end);
            size_t separators = 0;
            for (char c : line)
                separators += c == setup.separator;
            FUZZ_CHECK(rows[0].size() == separators + 1, "a plain row splits at every separator");
        }
    }

    // Plain CSV against its ".tbl" form, over the bytes both forms read alike.
    const std::string plain = WithoutCrAndNul(text);
    if (setup.quote == '\0' || setup.quote == '\r' || setup.separator == '\0' || setup.separator == '\r' ||
        setup.lineEnd == '\0' || setup.lineEnd == '\r')
        return 0;
    const std::string coded = TblForm(plain);
    const std::string tblPath = FuzzFolder() + "/rows.tbl";
    FuzzWriteFile(csvPath, plain);
    FuzzWriteFile(tblPath, coded);
    CsvRowReader csv, tbl;
    configure(csv, setup, false);
    configure(tbl, setup, true);
    FUZZ_CHECK(readAll(csv, csvPath, plain.size()) == readAll(tbl, tblPath, coded.size()),
               "a text and its .tbl form give the same rows");
    return 0;
}
