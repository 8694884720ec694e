// shorvik_bench [--quick] [--pairs N] [--only TEXT]: Shorvik's checks, pattern reader and
// threshold generator against baselines measured in the same process, in
// paired runs (test_support/PairedRuns.h): per size the median, min and max
// of each and their ratio.
//   checks on 10 x 10, 50 x 50, 300 x 300 windows  vs one pass over the window's products
//   ParsePattern of 10 x 10 .. 300 x 300 files     vs reading the file and splitting lines and commas
//   GenerateThreshold over 17, 102, 1,003 files    vs reading the same files
// --quick runs each once (the test suite's run); the program exits non-zero
// when a repetition's results differ from the first or a check fails.
// --only runs just the figures whose names (checks: with the size) contain
// TEXT.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "shorvik/Shorvik.h"
#include "test_support/PairedRuns.h"

using namespace test_support;

namespace {

const int kGrid = 300;
bool allAgree = true;
const char* only = nullptr;

bool Selected(const char* what) {
    return only == nullptr || strstr(what, only) != nullptr;
}

void Disagree(const std::string& what) {
    fprintf(stderr, "%s: results differ between repetitions\n", what.c_str());
    allAgree = false;
}

// A report built the way an outside caller builds one: 300 x 300 grids.
template <typename T>
struct Grid {
    Grid() : block(kGrid * kGrid) {
        for (int i = 0; i < kGrid; ++i)
            rows[i] = &block[static_cast<size_t>(i) * kGrid];
    }
    std::vector<T> block;
    T* rows[kGrid];
};

struct BenchReport {
    explicit BenchReport(int size) {
        report = MutualReport{2 * size, size, size, 1000.0f, nodes.rows, values.rows, status.rows};
    }
    Grid<MutualNode> nodes;
    Grid<float> values;
    Grid<int> status;
    MutualReport report;
};

// Deterministic values around a = 60, b = 50; shorted panels have low lines.
void FillPanel(BenchReport& panel, int size, unsigned seed, bool shorted) {
    unsigned state = seed;
    for (int x = 0; x < kGrid; ++x)
        for (int y = 0; y < kGrid; ++y) {
            state = state * 1664525u + 1013904223u;
            float noise = static_cast<float>((state >> 8) % 2001) / 1000.0f - 1.0f;  // -1 .. 1
            MutualNode& node = panel.report.nodes[x][y];
            node.a = 60.0f + 1.5f * noise;
            node.b = 50.0f - noise;
            bool onShort = shorted && (x == 1 || x == 2 || x == size - 3 || y == size / 3);
            if (onShort)
                node.a *= 0.6f;
            panel.report.values[x][y] = 1000.0f + 20.0f * noise - (onShort ? 300.0f : 0.0f);
            panel.report.status[x][y] = 0;
        }
}

// The baseline of the checks: one pass over the window's node products.
volatile float sink;
void OnePass(const MutualReport& report, int size) {
    float sum = 0.0f;
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            sum += report.nodes[x][y].a * report.nodes[x][y].b;
    sink = sum;
}

void BenchChecks(const PairedSettings& settings, int size) {
    BenchReport sample(size), golden(size);
    FillPanel(sample, size, 7u, true);
    FillPanel(golden, size, 11u, false);
    const Range window{0, 0, size, size};
    const MutualShortThreshold threshold{15, 20, 50, 100, 20};
    const MutualThreshold q50{20, -20, 20, -20, 15, -15};
    const SecondThreshold second{0, 0, 5, 5, 5, 5, 5, 5};
    std::vector<int> perLine(2 * size);
    bypassInfo bypass;
    memset(&bypass, 0, sizeof bypass);
    bypass.x[0] = size / 2;
    bypass.xCount = 1;
    Grid<MutualData> valueDev, goldenDev;
    Grid<CalibData> calibDev;
    int failCount = 0, marginalCount = 0;

    // Each check returns what it produced, to compare repetitions.
    auto shortResult = [&](int code, const MutualShortResult& result) {
        std::vector<float> seen(perLine.begin(), perLine.end());
        seen.push_back(static_cast<float>(code));
        seen.push_back(static_cast<float>(result.count));
        for (int x = 0; x < size; x += 3)
            for (int y = 0; y < size; y += 2)
                seen.push_back(sample.report.nodes[x][y].devOut);
        return seen;
    };
    auto q50Result = [&](int code) {
        std::vector<float> seen{static_cast<float>(code), static_cast<float>(failCount),
                                static_cast<float>(marginalCount)};
        for (int x = 0; x < size; x += 3)
            for (int y = 0; y < size; y += 2)
                seen.push_back(valueDev.rows[x][y] + static_cast<float>(sample.report.status[x][y]));
        return seen;
    };
    auto clearStatus = [&] {
        for (int x = 0; x < size; ++x)
            memset(sample.report.status[x], 0, sizeof(int) * size);
    };
    struct Check {
        const char* name;
        std::function<std::vector<float>()> run;
    };
    std::vector<Check> checks = {
        {"CheckMutualShort",
         [&] {
             clearStatus();
             MutualShortResult result{perLine.data(), 0, 0};
             int code = CheckMutualShort(sample.report, threshold, &result, window);
             return shortResult(code, result);
         }},
        {"CheckMutualShortWithGolden",
         [&] {
             clearStatus();
             MutualShortResult result{perLine.data(), 0, 0};
             int code = CheckMutualShortWithGolden(sample.report, golden.report, threshold, &result, window,
                                                   0, nullptr, bypass);
             return shortResult(code, result);
         }},
        {"CheckMutualShortNew blocks 10x10 median 0",
         [&] {
             clearStatus();
             MutualShortResult result{perLine.data(), 0, 0};
             int code = CheckMutualShortNew(sample.report, threshold, &result, window, 10, 10, 0, 0, nullptr,
                                            bypass);
             return shortResult(code, result);
         }},
        {"CheckMutualShortNew blocks 10x10 median 1",
         [&] {
             clearStatus();
             MutualShortResult result{perLine.data(), 0, 0};
             int code = CheckMutualShortNew(sample.report, threshold, &result, window, 10, 10, 1, 0, nullptr,
                                            bypass);
             return shortResult(code, result);
         }},
        {"CheckMutualWithGoldenQ50",
         [&] {
             clearStatus();
             failCount = marginalCount = 0;
             int code =
                 CheckMutualWithGoldenQ50(failCount, marginalCount, sample.report, golden.report, q50, second,
                                          valueDev.rows, goldenDev.rows, calibDev.rows, bypass);
             return q50Result(code);
         }},
        {"CheckMutualWithoutGoldenQ50",
         [&] {
             clearStatus();
             failCount = marginalCount = 0;
             int code = CheckMutualWithoutGoldenQ50(failCount, marginalCount, sample.report, q50, second,
                                                    valueDev.rows, bypass);
             return q50Result(code);
         }},
        {"CheckSecondThresholdQ50",
         [&] {
             clearStatus();
             failCount = marginalCount = 0;
             CheckMutualWithoutGoldenQ50(failCount, marginalCount, sample.report, q50, second, valueDev.rows,
                                         bypass);
             CheckSecondThresholdQ50(failCount, marginalCount, sample.report, 5, 2, bypass);
             return q50Result(0);
         }},
    };
    bool ranShort = false;
    for (const Check& check : checks) {
        char what[128];
        snprintf(what, sizeof what, "%s %dx%d", check.name, size, size);
        if (!Selected(what))
            continue;
        ranShort = ranShort || strncmp(check.name, "CheckMutualShort", 16) == 0;
        const std::vector<float> first = check.run();
        // The second-threshold figure includes the Q50 check that feeds it.
        PairedResult result = RunPaired(
            settings, [&] { check.run(); }, [&] { OnePass(sample.report, size); });
        if (check.run() != first)
            Disagree(what);
        PrintPaired(stdout, what, "one pass", result);
    }
    if (ranShort && perLine[1] != LINE_SHORT) {
        fprintf(stderr, "%dx%d: the shorted line was not found\n", size, size);
        allAgree = false;
    }
}

bool WritePattern(const std::string& path, const BenchReport& panel, int size, bool crlf, long long& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const char* end = crlf ? "\r\n" : "\n";
    bool ok =
        fprintf(file, "Width,%d%sHeight,%d%sNode,X,Y,A,B,Value,Reference%s", size, end, size, end, end) > 0;
    for (int x = 0; x < size && ok; ++x)
        for (int y = 0; y < size && ok; ++y) {
            const MutualNode& node = panel.report.nodes[x][y];
            ok = fprintf(file, "N%d,%d,%d,%.3f,%.3f,%.2f,%.1f%s", x * size + y + 1, x + 1, y + 1, node.a,
                         node.b, panel.report.values[x][y], panel.report.reference, end) > 0;
        }
    bytes = ftell(file);
    return fclose(file) == 0 && ok;
}

// The baseline of the readers: read the whole file (in the reader's mode),
// then find every line and every comma, converting nothing.
std::vector<char> wholeFile;
long long ReadAndSplit(const char* path, const char* mode) {
    FILE* file = fopen(path, mode);
    if (file == nullptr)
        return -1;
    long long cells = 0;
    size_t got;
    wholeFile.resize(1 << 16);
    static std::vector<char> text;  // keeps its storage from call to call
    text.clear();
    while ((got = fread(wholeFile.data(), 1, wholeFile.size(), file)) > 0)
        text.insert(text.end(), wholeFile.data(), wholeFile.data() + got);
    fclose(file);
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* line = static_cast<const char*>(memchr(p, '\n', end - p));
        const char* lineEnd = line != nullptr ? line : end;
        for (const char* c = p; c < lineEnd; ++c)
            cells += *c == ',';
        ++cells;
        p = lineEnd + 1;
    }
    return cells;
}

void BenchParse(const PairedSettings& settings, const std::filesystem::path& folder, int size) {
    BenchReport sample(size);
    FillPanel(sample, size, 7u, true);
    for (bool crlf : {false, true}) {
        if (crlf && size != kGrid)
            continue;
        if (!Selected("ParsePattern"))
            continue;
        const std::string path =
            (folder / ("pattern" + std::to_string(size) + (crlf ? "crlf" : "lf") + ".csv")).string();
        long long bytes = 0;
        if (!WritePattern(path, sample, size, crlf, bytes)) {
            fprintf(stderr, "cannot write %s\n", path.c_str());
            allAgree = false;
            return;
        }
        BenchReport parsed(size);
        auto seen = [&] {
            std::vector<float> values{static_cast<float>(parsed.report.total), parsed.report.reference};
            for (int x = 0; x < size; ++x)
                for (int y = 0; y < size; y += 3) {
                    values.push_back(parsed.report.nodes[x][y].a);
                    values.push_back(parsed.report.values[x][y]);
                }
            return values;
        };
        ParsePattern(path.c_str(), &parsed.report);
        const std::vector<float> first = seen();
        PairedResult result = RunPaired(
            settings, [&] { ParsePattern(path.c_str(), &parsed.report); },
            [&] { ReadAndSplit(path.c_str(), "r"); });
        if (seen() != first)
            Disagree("ParsePattern");
        char what[96];
        snprintf(what, sizeof what, "ParsePattern %dx%d %s %.3f MB", size, size, crlf ? "CR LF" : "LF",
                 bytes / 1e6);
        PrintPaired(stdout, what, "read and split", result);
    }
}

// Folders of 40 x 30 pattern files for GenerateThreshold, the same number
// in each of the 17 folders: good lines vary by a few percent, shorted
// lines sit about 40 % below them.
bool WriteGeneratorFolders(const std::filesystem::path& root, int filesPerFolder, PatternFolderConfig& config,
                           std::vector<std::string>& names, std::vector<std::string>& paths) {
    const char* kinds[4] = {"xh", "xe", "yh", "ye"};
    names.assign(20, std::string());
    names[0] = "ok";
    for (int k = 0; k < 4; ++k)
        for (int kind = 0; kind < 4; ++kind)
            names[1 + kind + 4 * k] = std::string(kinds[kind]) + std::to_string(k + 2);
    memset(&config, 0, sizeof config);
    unsigned state = 99u;
    paths.clear();
    for (int index = 0; index <= 16; ++index) {
        std::error_code error;
        std::filesystem::create_directories(root / names[index], error);
        if (error)
            return false;
        config.folders[index] = names[index].c_str();
        const int kind = (index - 1) % 4, s = (index - 1) / 4 + 2;
        for (int f = 0; f < filesPerFolder; ++f) {
            std::string path = (root / names[index] / ("p" + std::to_string(f) + ".csv")).string();
            FILE* file = fopen(path.c_str(), "wb");
            if (file == nullptr)
                return false;
            bool ok = fprintf(file, "Width,40\nHeight,30\nNode,X,Y,A,B,Value,Reference\n") > 0;
            for (int x = 0; x < 40 && ok; ++x)
                for (int y = 0; y < 30 && ok; ++y) {
                    state = state * 1664525u + 1013904223u;
                    float a = 60.0f * (1.0f + static_cast<float>((state >> 8) % 601) / 10000.0f - 0.03f);
                    int line = kind >= 2 ? y : x, lines = kind >= 2 ? 30 : 40;
                    bool shorted = index > 0 && (kind % 2 == 0 ? line < s : line >= lines - s);
                    if (shorted)
                        a *= 0.6f;
                    ok = fprintf(file, "N%d,%d,%d,%.3f,50,1000,1000\n", x * 30 + y + 1, x + 1, y + 1, a) > 0;
                }
            if (fclose(file) != 0 || !ok)
                return false;
            paths.push_back(
                (std::filesystem::path(names[index]) / ("p" + std::to_string(f) + ".csv")).string());
        }
    }
    return true;
}

// The baseline of the generator: read every one of its files whole.
long long ReadFiles(const std::vector<std::string>& paths) {
    long long bytes = 0;
    wholeFile.resize(1 << 16);
    for (const std::string& path : paths) {
        FILE* file = fopen(path.c_str(), "r");
        if (file == nullptr)
            return -1;
        size_t got;
        while ((got = fread(wholeFile.data(), 1, wholeFile.size(), file)) > 0)
            bytes += static_cast<long long>(got);
        fclose(file);
    }
    return bytes;
}

void BenchGenerator(const PairedSettings& settings, const std::filesystem::path& folder, int filesPerFolder) {
    if (!Selected("GenerateThreshold"))
        return;
    PatternFolderConfig config;
    std::vector<std::string> names, paths;
    const std::filesystem::path root = folder / ("generator" + std::to_string(filesPerFolder));
    if (!WriteGeneratorFolders(root, filesPerFolder, config, names, paths)) {
        fprintf(stderr, "cannot write the generator's pattern files\n");
        allAgree = false;
        return;
    }
    std::error_code error;
    const std::filesystem::path previous = std::filesystem::current_path(error);
    std::filesystem::current_path(root, error);
    // The generator prints its progress: into a file, while it runs.
    fflush(stdout);
    const int savedStdout = dup(fileno(stdout));
    if (error || savedStdout < 0 || freopen("generator_stdout.txt", "w", stdout) == nullptr) {
        fprintf(stderr, "cannot redirect the generator's output\n");
        allAgree = false;
        return;
    }
    MutualShortThreshold first{0, 0, 0, 0, 0}, proposal{0, 0, 0, 0, 0};
    int generated = GenerateThreshold(config, &first);
    PairedResult result = RunPaired(
        settings, [&] { generated |= GenerateThreshold(config, &proposal); }, [&] { ReadFiles(paths); });
    const long long bytes = ReadFiles(paths);
    fflush(stdout);
    dup2(savedStdout, fileno(stdout));
    close(savedStdout);
    std::filesystem::current_path(previous, error);
    if (generated != 0 || memcmp(&first, &proposal, sizeof first) != 0) {
        fprintf(stderr, "GenerateThreshold returned %d or differed between repetitions\n", generated);
        allAgree = false;
    }
    char what[96];
    snprintf(what, sizeof what, "GenerateThreshold %d files %.2f MB", static_cast<int>(paths.size()),
             bytes / 1e6);
    PrintPaired(stdout, what, "reading the files", result);
}

}  // namespace

int main(int argc, char** argv) {
    const PairedSettings settings = PairedSettings::FromArgs(argc, argv);
    for (int i = 1; i + 1 < argc; ++i)
        if (strcmp(argv[i], "--only") == 0)
            only = argv[i + 1];
    for (int size : {10, 50, kGrid})
        BenchChecks(settings, size);

    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path(error) / ("shorvik_bench_" + std::to_string(NowMs()));
    if (error || !std::filesystem::create_directories(folder, error)) {
        fprintf(stderr, "cannot create a temporary folder\n");
        return 2;
    }
    for (int size : {10, 50, kGrid})
        BenchParse(settings, folder, size);
    // The generator's runs take long: fewer pairs for the largest, and only
    // the small sizes in the quick run.
    for (int filesPerFolder : {1, 6, 59}) {
        if (filesPerFolder == 59 && settings.quick)
            continue;
        PairedSettings generatorSettings = settings;
        if (filesPerFolder == 59 && !settings.quick)
            generatorSettings.pairs = std::min(settings.pairs, 5);
        BenchGenerator(generatorSettings, folder, filesPerFolder);
    }
    std::filesystem::remove_all(folder, error);
    return allAgree ? 0 : 1;
}
