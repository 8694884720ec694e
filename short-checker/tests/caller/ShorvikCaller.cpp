// An outside caller of Shorvik.dll, written from the interface description
// alone: its own records, its own function types, LoadLibraryA and
// GetProcAddress by both export names of every function.  Exits 0 when all
// is well, else 1 after naming what failed.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace caller {

struct Node {
    float a, b, refOut, devOut;
};
struct Report {
    int total, width, height;
    float reference;
    Node** nodes;
    float** values;
    int** status;
};
struct Window {
    int x0, y0, width, height;
};
struct ShortLimits {
    int maxDevPct, maxValueDevPct, linePct, upper, lower;
};
struct ShortResult {
    int* perLine;
    int unused;
    int count;
};
struct Bypass {
    int x[300], y[300], xCount, yCount;
};

typedef void (*ParsePatternFn)(const char*, Report*);
typedef float (*ToCsvFn)(float);
typedef int (*CheckMutualShortFn)(const Report&, const ShortLimits&, ShortResult*, const Window&);
typedef int (*CheckWithGoldenFn)(const Report&, const Report&, const ShortLimits&, ShortResult*,
                                 const Window&, int, int*, Bypass);
typedef int (*CheckNewFn)(const Report&, const ShortLimits&, ShortResult*, const Window&, int, int, int, int,
                          int*, Bypass);

struct ExportPair {
    const char* mingw;
    const char* other;
    FARPROC address;
};

ExportPair exportsTable[] = {
    {"_Z12ParsePatternPKcP12MutualReport", "?ParsePattern@@YAXPBDPAUMutualReport@@@Z", nullptr},
    {"_Z5ToCsvf", "?ToCsv@@YAMM@Z", nullptr},
    {"_Z16CheckMutualShortRK12MutualReportRK20MutualShortThresholdP17MutualShortResultRK5Range",
     "?CheckMutualShort@@YAHABUMutualReport@@ABUMutualShortThreshold@@PAUMutualShortResult@@ABURange@@@Z",
     nullptr},
    {"_Z26CheckMutualShortWithGoldenRK12MutualReportS1_"
     "RK20MutualShortThresholdP17MutualShortResultRK5RangeiPi10bypassInfo",
     "?CheckMutualShortWithGolden@@YAHABUMutualReport@@0ABUMutualShortThreshold@@PAUMutualShortResult@@"
     "ABURange@@HPAHUbypassInfo@@@Z",
     nullptr},
    {"_Z19CheckMutualShortNewRK12MutualReportRK20MutualShortThresholdP17MutualShortResultRK5RangeiiiiPi10bypa"
     "ssInfo",
     "?CheckMutualShortNew@@YAHABUMutualReport@@ABUMutualShortThreshold@@PAUMutualShortResult@@ABURange@@"
     "HHHHPAHUbypassInfo@@@Z",
     nullptr},
    {"_Z24CheckMutualWithGoldenQ50RiS_RK12MutualReportS2_RK15MutualThresholdRK15SecondThresholdPPfSA_"
     "PP9CalibData10bypassInfo",
     "?CheckMutualWithGoldenQ50@@YAHAAH0ABUMutualReport@@1ABUMutualThreshold@@ABUSecondThreshold@@"
     "PAPAM4PAPAUCalibData@@UbypassInfo@@@Z",
     nullptr},
    {"_Z27CheckMutualWithoutGoldenQ50RiS_"
     "RK12MutualReportRK15MutualThresholdRK15SecondThresholdPPf10bypassInfo",
     "?CheckMutualWithoutGoldenQ50@@YAHAAH0ABUMutualReport@@ABUMutualThreshold@@ABUSecondThreshold@@"
     "PAPAMUbypassInfo@@@Z",
     nullptr},
    {"_Z23CheckSecondThresholdQ50RiiRK12MutualReportii10bypassInfo",
     "?CheckSecondThresholdQ50@@YAXAAHHABUMutualReport@@HHUbypassInfo@@@Z", nullptr},
    {"_Z17GenerateThresholdRK19PatternFolderConfigP20MutualShortThreshold",
     "?GenerateThreshold@@YAHABUPatternFolderConfig@@PAUMutualShortThreshold@@@Z", nullptr},
};
const int kParse = 0, kToCsv = 1, kShort = 2, kGolden = 3, kNew = 4, kWithoutGolden = 6, kSecond = 7;

struct Limits {
    int valueHigh, valueLow, calibHigh, calibLow, goldenHigh, goldenLow;
};
struct Extras {
    int unused0, unused1, calibHighExtra, calibLowExtra, goldenHighExtra, goldenLowExtra, valueHighExtra,
        valueLowExtra;
};
typedef int (*WithoutGoldenFn)(int&, int&, const Report&, const Limits&, const Extras&, float**, Bypass);
typedef void (*SecondFn)(int&, int, const Report&, int, int, Bypass);

int failures = 0;

// GetProcAddress gives a generic function pointer; go through void* to the real type.
template <typename Function>
Function as(FARPROC address) {
    void* raw;
    memcpy(&raw, &address, sizeof raw);
    Function function;
    memcpy(&function, &raw, sizeof function);
    return function;
}

void fail(const char* name, const char* what) {
    printf("FAIL %s: %s\n", name, what);
    ++failures;
}

// A caller-built report of width x height with product 100 at every node.
struct OwnReport {
    OwnReport(int width, int height)
        : nodeBlock(300 * 300), valueBlock(300 * 300, 100.0f), statusBlock(300 * 300) {
        for (int i = 0; i < 300; ++i) {
            nodeRows[i] = &nodeBlock[i * 300];
            valueRows[i] = &valueBlock[i * 300];
            statusRows[i] = &statusBlock[i * 300];
        }
        for (Node& node : nodeBlock)
            node = Node{100.0f, 1.0f, -1.0f, -1.0f};
        report = Report{width + height, width, height, 100.0f, nodeRows, valueRows, statusRows};
    }
    std::vector<Node> nodeBlock;
    std::vector<float> valueBlock;
    std::vector<int> statusBlock;
    Node* nodeRows[300];
    float* valueRows[300];
    int* statusRows[300];
    Report report;
};

bool sameFloat(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

void runToCsv(const ExportPair& pair) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float in, out;
    } cases[] = {{1.234f, 1.2f},
                 {1.256f, 1.3f},
                 {1.25f, 1.3f},
                 {-1.256f, -1.25f},
                 {1.15f, 1.1f},
                 {25000000.0f, 25000000.0f},
                 {inf, inf},
                 {-inf, -inf},
                 {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN()}};
    for (const char* name : {pair.mingw, pair.other}) {
        ToCsvFn toCsv = as<ToCsvFn>(GetProcAddress(GetModuleHandleA("Shorvik.dll"), name));
        for (const auto& c : cases)
            if (!sameFloat(toCsv(c.in), c.out))
                fail(name, "ToCsv table");
    }
}

void runParsePattern(ParsePatternFn parse, const char* name) {
    FILE* file = fopen("caller_pattern.csv", "w");
    if (file == nullptr || fputs("Width,2\nHeight,3\nNode\nN1,2,3,2.5,4,10,50\n", file) < 0 ||
        fclose(file) != 0) {
        fail(name, "cannot write the pattern file");
        return;
    }
    OwnReport own(0, 0);
    parse("caller_pattern.csv", &own.report);
    if (own.report.total != 5 || own.report.width != 2 || own.report.height != 3 ||
        own.report.reference != 50.0f || own.report.nodes[1][2].a != 2.5f ||
        own.report.nodes[1][2].b != 4.0f || own.report.values[1][2] != 10.0f)
        fail(name, "pattern not read");
    DeleteFileA("caller_pattern.csv");
}

Bypass noBypass() {
    Bypass bypass;
    memset(&bypass, 0, sizeof bypass);
    return bypass;
}

void runChecks() {
    ShortLimits limits{20, 1000, 50, 150, 0};  // the 200s are no reference nodes
    Window window{0, 0, 4, 4};
    int entries[8];
    ShortResult result{entries, 0, 0};
    {
        OwnReport own(4, 4);
        for (int y = 0; y < 4; ++y)
            own.nodeRows[2][y].a = 200.0f;
        CheckMutualShortFn check = as<CheckMutualShortFn>(exportsTable[kShort].address);
        if (check(own.report, limits, &result, window) != 0 || entries[2] != 1 || result.count != 1)
            fail(exportsTable[kShort].mingw, "x line 2 not short");
    }
    {
        OwnReport sample(4, 4), golden(4, 4);
        for (int x = 0; x < 4; ++x)
            sample.nodeRows[x][1].a = 50.0f;
        Bypass bypass = noBypass();
        bypass.x[0] = 3;
        bypass.xCount = 1;
        CheckWithGoldenFn check = as<CheckWithGoldenFn>(exportsTable[kGolden].address);
        result.count = 0;
        if (check(sample.report, golden.report, limits, &result, window, 0, nullptr, bypass) != 0 ||
            entries[3] != 2 || entries[5] != 1 || result.count != 1 || sample.statusRows[3][0] != 0x80)
            fail(exportsTable[kGolden].mingw, "y line 1 not short");
    }
    {
        OwnReport own(4, 4);
        own.nodeRows[1][1].a = 105.04f;
        CheckNewFn check = as<CheckNewFn>(exportsTable[kNew].address);
        ShortLimits five{5, 1000, 20, 0, 0};
        if (check(own.report, five, &result, window, 2, 2, 1, 0, nullptr, noBypass()) != 0 ||
            own.nodeRows[1][1].devOut != 5.0f || own.nodeRows[1][1].refOut != 100.0f || entries[1] != 0)
            fail(exportsTable[kNew].mingw, "rounded deviation");
    }
    {
        // Value 110 against reference 100: fails high, marginal (10 < 5 + 10); then forgiven.
        OwnReport own(4, 4);
        own.valueRows[1][2] = 110.0f;
        std::vector<float> devBlock(300 * 300, -7.0f);
        float* devRows[300];
        for (int i = 0; i < 300; ++i)
            devRows[i] = &devBlock[i * 300];
        int failCount = -1, marginalCount = -1;
        WithoutGoldenFn check = as<WithoutGoldenFn>(exportsTable[kWithoutGolden].address);
        if (check(failCount, marginalCount, own.report, Limits{5, -5, 5, -5, 5, -5},
                  Extras{0, 0, 0, 0, 0, 0, 10, 10}, devRows, noBypass()) != 0 ||
            failCount != 1 || marginalCount != 1 || own.statusRows[1][2] != 0x20 || devRows[1][2] != 10.0f)
            fail(exportsTable[kWithoutGolden].mingw, "marginal value failure");
        SecondFn second = as<SecondFn>(exportsTable[kSecond].address);
        second(failCount, marginalCount, own.report, 1, 1, noBypass());
        if (failCount != 0 || own.statusRows[1][2] != 0)
            fail(exportsTable[kSecond].mingw, "not forgiven");
    }
}

}  // namespace caller

int main() {
    using namespace caller;
    HMODULE library = LoadLibraryA("Shorvik.dll");
    if (library == nullptr) {
        printf("FAIL Shorvik.dll: LoadLibraryA error %lu\n", GetLastError());
        return 2;
    }
    for (ExportPair& pair : exportsTable) {
        FARPROC mingw = GetProcAddress(library, pair.mingw);
        FARPROC other = GetProcAddress(library, pair.other);
        if (mingw == nullptr)
            fail(pair.mingw, "not exported");
        if (other == nullptr)
            fail(pair.other, "not exported");
        if (mingw != nullptr && other != nullptr && mingw != other)
            fail(pair.other, "differs from its MinGW name");
        pair.address = mingw;
    }
    if (failures != 0)
        return 1;

    runToCsv(exportsTable[kToCsv]);
    runParsePattern(as<ParsePatternFn>(exportsTable[kParse].address), exportsTable[kParse].mingw);
    runParsePattern(as<ParsePatternFn>(GetProcAddress(library, exportsTable[kParse].other)),
                    exportsTable[kParse].other);
    runChecks();
    FreeLibrary(library);
    if (failures != 0)
        return 1;
    printf("all %d export pairs resolved and answered\n",
           static_cast<int>(sizeof exportsTable / sizeof exportsTable[0]));
    return 0;
}
