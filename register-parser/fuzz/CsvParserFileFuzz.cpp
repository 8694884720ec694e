// CCsvParser from a file: the table's invariants, a copy equal to its
// original, the header-only read agreeing with the full parse, and the same
// text as CSV and as ".tbl" giving the same table.
#include "TableChecks.h"
#include "TblForm.h"

using namespace test_support;
using namespace fuzz_tables;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string csv = FuzzFolder() + "/table.csv";
    FuzzWriteFile(csv, text);

    ParserSlot<0> first;
    ParserSlot<1> second;
    CCsvParser& parser = first.make(csv.c_str());
    checkTable(parser);
    FUZZ_CHECK(sameTable(second.make(parser), parser, true), "a copy equals its original");
    CCsvParser& again = second.make();
    FUZZ_CHECK(again.init(csv.c_str()) == (parser.fileType >= 0), "init succeeds as the constructor did");
    FUZZ_CHECK(sameTable(again, parser, true), "a second parse gives the same table");
    CCsvParser& header = second.make(csv.c_str(), true);
    FUZZ_CHECK(header.registerCount == 0, "the header-only read reads no register");
    FUZZ_CHECK(terminated(header.mainCodeId) && terminated(header.buildTime), "header texts terminated");
    if (parser.fileType >= 0)
        FUZZ_CHECK(strcmp(header.mainCodeId, parser.mainCodeId) == 0 &&
                       strcmp(header.buildTime, parser.buildTime) == 0,
                   "the header-only read gives the full parse's main code id and build time");

    // The same table as ".tbl", over the bytes both forms read alike.
    const std::string plain = WithoutCrAndNul(text);
    FuzzWriteFile(csv, plain);
    const std::string tbl = FuzzFolder() + "/table.tbl";
    FuzzWriteFile(tbl, TblForm(plain));
    CCsvParser& fromCsv = first.make(csv.c_str());
    CCsvParser& fromTbl = second.make(tbl.c_str());
    checkTable(fromTbl);
    FUZZ_CHECK(sameTable(fromCsv, fromTbl, false), "a CSV table and its .tbl form give the same table");
    return 0;
}
