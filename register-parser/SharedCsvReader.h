// The row reader of a CCsvParser, shared by the parser's copies: the last
// one to let go closes the file.
#pragma once

#include "pelliton/CsvRowReader.h"

namespace pelliton {

struct SharedCsvReader {
    CsvRowReader reader;
    int references = 1;
};

}  // namespace pelliton
