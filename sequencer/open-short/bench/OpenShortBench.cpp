// openshort_bench [side] [repeats]: how long ParseMutualResultCsv takes on a
// side x side "2D_Mutual.csv" of every table (the golden ones included),
// against a plain read-and-split of the same bytes through the same reader.
// Prints
//   openshort-bench: 2D_Mutual.csv 300x300, <bytes> bytes: parse <a> ms
//   (<r> MB/s), plain split <b> ms, ratio <a/b>
// with the best of the repeats, and exits non-zero when the file does not
// parse.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "vantro/OpenShortParse.h"

using namespace vantro;

namespace {

std::string Table(int side, int table) {
    std::string rows;
    char cell[32];
    for (int y = 0; y < side; ++y) {
        rows += "Y" + std::to_string(y + 1) + ",";
        for (int x = 0; x < side; ++x) {
            const int v = (x * 7 + y * 13 + table) % 1000;
            if (table == 4)
                snprintf(cell, sizeof cell, "1(%d),", v);
            else if (table == 8)
                snprintf(cell, sizeof cell, "%d/%d.5,", v, v / 2);
            else
                snprintf(cell, sizeof cell, "%d.%d,", v, x % 10);
            rows += cell;
        }
        rows += "\n";
    }
    return rows;
}

std::string MutualFile(int side) {
    std::string s = "NG Num,0,\nWidth," + std::to_string(side) + ",\nHeight," + std::to_string(side) +
                    ",\nButton,0,\nheader\nTable1:,CalibLoopcnt\n";
    s += "gap\n" + Table(side, 1) + "gap\ngap\ngap\n" + Table(side, 2) + "gap\n";
    s += "Test,Voltage,=,3.3,V\ngap\n" + Table(side, 3) + "gap\ngap\ngap\n" + Table(side, 4);
    s += "gap\nno NG rows\ngap\n" + Table(side, 5);
    s += "gap\ngap\ngap\n" + Table(side, 6) + "gap\ngap\ngap\n" + Table(side, 7);
    return s;
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int side = argc > 1 ? atoi(argv[1]) : kOsGridSide;
    const int repeats = argc > 2 ? atoi(argv[2]) : 5;
    if (side < 1 || side > kOsGridSide || repeats < 1) {
        fprintf(stderr, "usage: openshort_bench [side 1..300] [repeats]\n");
        return 2;
    }
    const char* path = "2D_Mutual.csv";
    const std::string text = MutualFile(side);
    FILE* file = fopen(path, "wb");
    if (!file || fwrite(text.data(), 1, text.size(), file) != text.size() || fclose(file) != 0) {
        fprintf(stderr, "openshort-bench: cannot write %s\n", path);
        return 1;
    }

    std::unique_ptr<OpenShortData> data(new OpenShortData());
    ResetOpenShortData(*data);
    std::unique_ptr<ChipLayout> layout(new ChipLayout());
    std::unique_ptr<NgLineStatus> lines(new NgLineStatus());
    ProcessWideStageValues shared;
    OpenShortRecords records{*data, *layout, *lines, shared};

    double parse = 0, split = 0;
    size_t cells = 0;
    for (int r = 0; r < repeats; ++r) {
        auto start = std::chrono::steady_clock::now();
        if (!ParseMutualResultCsv(path, records, true)) {
            fprintf(stderr, "openshort-bench: the generated file did not parse\n");
            return 1;
        }
        const double a = Milliseconds(start);
        parse = r == 0 || a < parse ? a : parse;

        start = std::chrono::steady_clock::now();
        CsvRowReader reader;
        if (!OpenResultReader(reader, path))
            return 1;
        size_t counted = 0;
        while (reader.CsvHasMoreRows())
            counted += reader.CsvReadRow().size();
        const double b = Milliseconds(start);
        split = r == 0 || b < split ? b : split;
        cells = counted;
    }
    if (data->mutual.width != side || cells == 0)
        return 1;
    const double rate = parse > 0 ? text.size() / (parse * 1000.0) : 0;
    printf("openshort-bench: 2D_Mutual.csv %dx%d, %zu bytes: parse %.1f ms (%.1f MB/s), plain split %.1f ms, "
           "ratio %.2f\n",
           side, side, text.size(), parse, rate, split, split > 0 ? parse / split : 0);
    remove(path);
    return 0;
}
