// shorvik_bench [--quick]: throughput of Shorvik's checks and pattern reader
// on 300 x 300 panels.  Each measurement repeats its call for at least a
// second (once with --quick) and prints
//   <what>: <n> nodes in <s> s, <rate> nodes/s
// It exits non-zero when two repetitions disagree.  Last it runs
// GenerateThreshold over 1,003 pattern files of 40 x 30 nodes (20 with
// --quick) and prints its rate on stderr.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "shorvik/Shorvik.h"

namespace {

const int kSize = 300;

// A report built the way an outside caller builds one.
struct BenchReport {
    BenchReport() : nodeBlock(kSize * kSize), valueBlock(kSize * kSize), statusBlock(kSize * kSize) {
        for (int i = 0; i < kSize; ++i) {
            nodeRows[i] = &nodeBlock[i * kSize];
            valueRows[i] = &valueBlock[i * kSize];
            statusRows[i] = &statusBlock[i * kSize];
        }
        report = MutualReport{2 * kSize, kSize, kSize, 1000.0f, nodeRows, valueRows, statusRows};
    }
    std::vector<MutualNode> nodeBlock;
    std::vector<float> valueBlock;
    std::vector<int> statusBlock;
    MutualNode* nodeRows[kSize];
    float* valueRows[kSize];
    int* statusRows[kSize];
    MutualReport report;
};

// Deterministic values around a = 60, b = 50, with a few shorted lines.
void fillPanel(BenchReport& panel, unsigned seed, bool shorted) {
    unsigned state = seed;
    for (int x = 0; x < kSize; ++x)
        for (int y = 0; y < kSize; ++y) {
            state = state * 1664525u + 1013904223u;
            float noise = static_cast<float>((state >> 8) % 2001) / 1000.0f - 1.0f;  // -1 .. 1
            MutualNode& node = panel.report.nodes[x][y];
            node.a = 60.0f + 1.5f * noise;
            node.b = 50.0f - noise;
            bool onShort = shorted && (x == 17 || x == 18 || x == 240 || y == 99);
            if (onShort)
                node.a *= 0.6f;
            panel.report.values[x][y] = 1000.0f + 20.0f * noise - (onShort ? 300.0f : 0.0f);
            panel.report.status[x][y] = 0;
        }
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// What a repetition produced, to compare repetitions.
std::vector<float> outcome(const BenchReport& panel, const std::vector<int>& perLine, int count) {
    std::vector<float> seen(perLine.begin(), perLine.end());
    seen.push_back(static_cast<float>(count));
    for (int x = 0; x < kSize; x += 3)
        for (int y = 0; y < kSize; y += 5) {
            seen.push_back(panel.report.nodes[x][y].refOut);
            seen.push_back(panel.report.nodes[x][y].devOut);
        }
    return seen;
}

bool allAgree = true;

// Repeats run() (which returns a comparable outcome) for at least minSeconds.
template <typename Run>
void measure(const std::string& what, long long nodesPerRun, double minSeconds, Run run) {
    std::vector<float> first = run();
    long long runs = 1;
    auto start = std::chrono::steady_clock::now();
    double elapsed = 0.0;
    long long timedRuns = 0;
    do {
        std::vector<float> again = run();
        ++timedRuns;
        ++runs;
        if (again != first) {
            fprintf(stderr, "%s: repetition %lld disagrees with the first\n", what.c_str(), runs);
            allAgree = false;
            break;
        }
        elapsed = seconds(start);
    } while (elapsed < minSeconds);
    long long nodes = nodesPerRun * timedRuns;
    printf("%s: %lld nodes in %.2f s, %.0f nodes/s\n", what.c_str(), nodes, elapsed,
           elapsed > 0.0 ? static_cast<double>(nodes) / elapsed : 0.0);
    fflush(stdout);
}

bool writePattern(const std::string& path, const BenchReport& panel, bool crlf, long long& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const char* end = crlf ? "\r\n" : "\n";
    bool ok =
        fprintf(file, "Width,%d%sHeight,%d%sNode,X,Y,A,B,Value,Reference%s", kSize, end, kSize, end, end) > 0;
    for (int x = 0; x < kSize && ok; ++x)
        for (int y = 0; y < kSize && ok; ++y) {
            const MutualNode& node = panel.report.nodes[x][y];
            ok = fprintf(file, "N%d,%d,%d,%.3f,%.3f,%.2f,%.1f%s", x * kSize + y + 1, x + 1, y + 1, node.a,
                         node.b, panel.report.values[x][y], panel.report.reference, end) > 0;
        }
    ok = ok && ftell(file) > 0;
    bytes = ftell(file);
    return fclose(file) == 0 && ok;
}

// Folders of 40 x 30 pattern files for GenerateThreshold: good lines vary by
// a few percent, shorted lines sit about 40 % below them.
bool writeGeneratorFolders(const std::filesystem::path& root, int filesPerFolder, int okFiles,
                           PatternFolderConfig& config, std::vector<std::string>& names, int& files,
                           long long& bytes) {
    const char* kinds[4] = {"xh", "xe", "yh", "ye"};
    names.assign(20, std::string());
    names[0] = "ok";
    for (int k = 0; k < 4; ++k)
        for (int kind = 0; kind < 4; ++kind)
            names[1 + kind + 4 * k] = std::string(kinds[kind]) + std::to_string(k + 2);
    memset(&config, 0, sizeof config);
    unsigned state = 99u;
    files = 0;
    bytes = 0;
    for (int index = 0; index <= 16; ++index) {
        std::error_code error;
        std::filesystem::create_directories(root / names[index], error);
        if (error)
            return false;
        config.folders[index] = names[index].c_str();
        const int kind = (index - 1) % 4, s = (index - 1) / 4 + 2;
        for (int f = 0; f < (index == 0 ? okFiles : filesPerFolder); ++f) {
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
            bytes += ftell(file);
            if (fclose(file) != 0 || !ok)
                return false;
            ++files;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && strcmp(argv[1], "--quick") == 0;
    const double minSeconds = quick ? 0.0 : 1.0;
    const long long fullWindow = static_cast<long long>(kSize) * kSize;

    BenchReport sample, golden;
    fillPanel(sample, 7u, true);
    fillPanel(golden, 11u, false);
    const Range window{0, 0, kSize, kSize};
    const MutualShortThreshold threshold{15, 20, 50, 100, 20};
    std::vector<int> perLine(2 * kSize);
    bypassInfo bypass;
    memset(&bypass, 0, sizeof bypass);
    bypass.x[0] = 150;
    bypass.xCount = 1;

    auto runCheck = [&](int which, int medianMode) {
        MutualShortResult result{perLine.data(), 0, 0};
        for (int x = 0; x < kSize; ++x)
            for (int y = 0; y < kSize; ++y)
                sample.report.status[x][y] = 0;
        int code = 1;
        if (which == 0)
            code = CheckMutualShort(sample.report, threshold, &result, window);
        if (which == 1)
            code = CheckMutualShortWithGolden(sample.report, golden.report, threshold, &result, window, 0,
                                              nullptr, bypass);
        if (which == 2)
            code = CheckMutualShortNew(sample.report, threshold, &result, window, 10, 10, medianMode, 0,
                                       nullptr, bypass);
        if (code != 0)
            allAgree = false;
        return outcome(sample, perLine, result.count);
    };
    measure("CheckMutualShort 300x300", fullWindow, minSeconds, [&] { return runCheck(0, 0); });
    measure("CheckMutualShortWithGolden 300x300", fullWindow, minSeconds, [&] { return runCheck(1, 0); });
    measure("CheckMutualShortNew 300x300 blocks 10x10 median 0", fullWindow, minSeconds,
            [&] { return runCheck(2, 0); });
    measure("CheckMutualShortNew 300x300 blocks 10x10 median 1", fullWindow, minSeconds,
            [&] { return runCheck(2, 1); });
    if (perLine[17] != LINE_SHORT || perLine[kSize + 99] != LINE_SHORT) {
        fprintf(stderr, "the shorted lines were not found\n");
        allAgree = false;
    }

    std::error_code error;
    std::filesystem::path folder =
        std::filesystem::temp_directory_path(error) /
        ("shorvik_bench_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    if (error || !std::filesystem::create_directories(folder, error)) {
        fprintf(stderr, "cannot create a temporary folder\n");
        return 2;
    }
    for (bool crlf : {false, true}) {
        std::string path = (folder / (crlf ? "pattern_crlf.csv" : "pattern_lf.csv")).string();
        long long bytes = 0;
        if (!writePattern(path, sample, crlf, bytes)) {
            fprintf(stderr, "cannot write %s\n", path.c_str());
            return 2;
        }
        BenchReport parsed;
        char what[96];
        snprintf(what, sizeof what, "ParsePattern 300x300 %s %.2f MB", crlf ? "CR LF" : "LF", bytes / 1e6);
        measure(what, fullWindow, minSeconds, [&] {
            ParsePattern(path.c_str(), &parsed.report);
            std::vector<float> seen;
            seen.push_back(static_cast<float>(parsed.report.total));
            seen.push_back(parsed.report.reference);
            for (int x = 0; x < kSize; x += 7)
                for (int y = 0; y < kSize; y += 3) {
                    seen.push_back(parsed.report.nodes[x][y].a);
                    seen.push_back(parsed.report.values[x][y]);
                }
            return seen;
        });
    }

    // The generator over an ok folder and all 16 shorted folders.
    PatternFolderConfig config;
    std::vector<std::string> names;
    int files = 0;
    long long patternBytes = 0;
    std::filesystem::path generatorRoot = folder / "generator";
    if (!writeGeneratorFolders(generatorRoot, quick ? 1 : 59, quick ? 4 : 59, config, names, files,
                               patternBytes)) {
        fprintf(stderr, "cannot write the generator's pattern files\n");
        return 2;
    }
    std::filesystem::path previous = std::filesystem::current_path(error);
    std::filesystem::current_path(generatorRoot, error);
    // The generator prints its progress; keep it in a file.
    if (error || freopen("generator_stdout.txt", "w", stdout) == nullptr) {
        fprintf(stderr, "cannot redirect the generator's output\n");
        return 2;
    }
    MutualShortThreshold proposal{0, 0, 0, 0, 0};
    auto start = std::chrono::steady_clock::now();
    int generated = GenerateThreshold(config, &proposal);
    double elapsed = seconds(start);
    fflush(stdout);
    fprintf(stderr, "GenerateThreshold: %d files, %.2f MB in %.2f s, %.1f files/s, %.2f MB/s\n", files,
            patternBytes / 1e6, elapsed, elapsed > 0 ? files / elapsed : 0.0,
            elapsed > 0 ? patternBytes / 1e6 / elapsed : 0.0);
    if (generated != 0) {
        fprintf(stderr, "GenerateThreshold returned %d\n", generated);
        allAgree = false;
    }
    fclose(stdout);
    std::filesystem::current_path(previous, error);
    std::filesystem::remove_all(folder, error);
    return allAgree ? 0 : 1;
}
