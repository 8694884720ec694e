// shorvik_bench [--quick]: throughput of Shorvik's checks and pattern reader
// on 300 x 300 panels.  Each measurement repeats its call for at least a
// second (once with --quick) and prints
//   <what>: <n> nodes in <s> s, <rate> nodes/s
// It exits non-zero when two repetitions disagree.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Shorvik.h"

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
            if (onShort) node.a *= 0.6f;
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
    if (file == nullptr) return false;
    const char* end = crlf ? "\r\n" : "\n";
    bool ok = fprintf(file, "Width,%d%sHeight,%d%sNode,X,Y,A,B,Value,Reference%s", kSize, end, kSize, end, end) > 0;
    for (int x = 0; x < kSize && ok; ++x)
        for (int y = 0; y < kSize && ok; ++y) {
            const MutualNode& node = panel.report.nodes[x][y];
            ok = fprintf(file, "N%d,%d,%d,%.3f,%.3f,%.2f,%.1f%s", x * kSize + y + 1, x + 1, y + 1, node.a, node.b,
                         panel.report.values[x][y], panel.report.reference, end) > 0;
        }
    ok = ok && ftell(file) > 0;
    bytes = ftell(file);
    return fclose(file) == 0 && ok;
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
            for (int y = 0; y < kSize; ++y) sample.report.status[x][y] = 0;
        int code = 1;
        if (which == 0) code = CheckMutualShort(sample.report, threshold, &result, window);
        if (which == 1)
            code = CheckMutualShortWithGolden(sample.report, golden.report, threshold, &result, window, 0, nullptr,
                                              bypass);
        if (which == 2)
            code = CheckMutualShortNew(sample.report, threshold, &result, window, 10, 10, medianMode, 0, nullptr, bypass);
        if (code != 0) allAgree = false;
        return outcome(sample, perLine, result.count);
    };
    measure("CheckMutualShort 300x300", fullWindow, minSeconds, [&] { return runCheck(0, 0); });
    measure("CheckMutualShortWithGolden 300x300", fullWindow, minSeconds, [&] { return runCheck(1, 0); });
    measure("CheckMutualShortNew 300x300 blocks 10x10 median 0", fullWindow, minSeconds, [&] { return runCheck(2, 0); });
    measure("CheckMutualShortNew 300x300 blocks 10x10 median 1", fullWindow, minSeconds, [&] { return runCheck(2, 1); });
    if (perLine[17] != LINE_SHORT || perLine[kSize + 99] != LINE_SHORT) {
        fprintf(stderr, "the shorted lines were not found\n");
        allAgree = false;
    }

    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error) /
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
    std::filesystem::remove_all(folder, error);
    return allAgree ? 0 : 1;
}
