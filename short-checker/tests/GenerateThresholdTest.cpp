// GenerateThreshold end to end, from a fresh working folder: stdout, every
// log byte for byte, and the set of files written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "ReportFixture.h"
#include "ThresholdGenerator.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
const std::string kLineEnd = "\r\n";
#else
const std::string kLineEnd = "\n";
#endif

std::string readBinary(const std::string& path) {
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) return "<missing " + path + ">";
    int c;
    while ((c = getc(file)) != EOF) bytes.push_back(static_cast<char>(c));
    fclose(file);
    return bytes;
}

std::string repeatLines(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += line + kLineEnd;
    return out;
}

// A 7 x 7 pattern file.  Shorted folders: the s shorted lines have product 60,
// good lines 100 at odd distance from the shorted block and 102 at even.
void writeShorted(const std::string& path, bool alongY, bool atEnd, int s) {
    std::string text = "Width,7\nHeight,7\nNode\n";
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y) {
            int line = alongY ? y : x;
            int distance = atEnd ? (7 - s) - line : line - (s - 1);  // 1 for the nearest good line
            float product = distance <= 0 ? 60.0f : (distance % 2 ? 100.0f : 102.0f);
            char row[96];
            snprintf(row, sizeof row, "N,%d,%d,%.1f,1,1000,1000\n", x + 1, y + 1, product);
            text += row;
        }
    ASSERT_TRUE(WriteBytes(path, text));
}

struct Folders {
    std::string names[20];
    PatternFolderConfig config;
};

// Relative folder names in the Part's index order, each with one file p.csv.
void makeFolders(Folders& folders) {
    const char* kinds[4] = {"xh", "xe", "yh", "ye"};
    folders.names[0] = "ok";
    for (int k = 0; k < 4; ++k)
        for (int kind = 0; kind < 4; ++kind) folders.names[1 + kind + 4 * k] = std::string(kinds[kind]) + std::to_string(k + 2);
    folders.names[19] = "gnd";
    for (int i = 0; i < 20; ++i) folders.config.folders[i] = folders.names[i].c_str();
    // Entries 17 and 18 are never read: an invalid pointer shows it.
    folders.config.folders[17] = reinterpret_cast<const char*>(static_cast<uintptr_t>(1));
    folders.config.folders[18] = reinterpret_cast<const char*>(static_cast<uintptr_t>(3));
    fs::create_directories("ok");
    std::string text = "Width,7\nHeight,7\nNode\n";
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y)
            text += "N," + std::to_string(x + 1) + "," + std::to_string(y + 1) + (x % 2 ? ",105" : ",100") + ",1,1000,1000\n";
    ASSERT_TRUE(WriteBytes(JoinPath("ok", "p.csv"), text));
    for (int i = 1; i <= 16; ++i) {
        fs::create_directories(folders.names[i]);
        int kind = (i - 1) % 4, s = (i - 1) / 4 + 2;
        writeShorted(JoinPath(folders.names[i], "p.csv"), kind >= 2, kind % 2 == 1, s);
    }
    fs::create_directories("gnd");
    text = "Width,7\nHeight,7\nNode\n";
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y)
            text += "N," + std::to_string(x + 1) + "," + std::to_string(y + 1) + ",1,1," +
                    (x == 0 && y == 0 ? "1100" : "1000") + ",1000\n";
    ASSERT_TRUE(WriteBytes(JoinPath("gnd", "p.csv"), text));
}

std::string normalised(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out.push_back(c);
    return out;
}

struct FreshFolder {
    explicit FreshFolder(const std::string& name) : previous(fs::current_path()) {
        fs::path folder = previous / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~FreshFolder() { fs::current_path(previous); }
    fs::path previous;
};

}  // namespace

TEST(GenerateThreshold, EndToEndFromAFreshFolder) {
    FreshFolder here("generate_end_to_end");
    Folders folders;
    makeFolders(folders);
    std::set<std::string> inputs;
    for (const auto& entry : fs::recursive_directory_iterator(fs::current_path()))
        if (entry.is_regular_file()) inputs.insert(fs::relative(entry.path()).generic_string());

    MutualShortThreshold out{-5, 77, -6, 88, -7};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int code = GenerateThreshold(folders.config, &out);
    std::string printed = normalised(testing::internal::GetCapturedStdout());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(code, 0);

    // Folder order 0, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16, 19.
    const int order[] = {0, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16, 19};
    std::string expected;
    for (int index : order) expected += "parse " + JoinPath(folders.names[index], "p.csv") + "\n";
    // Sets in collection order: the ok folder, then the 16 shorted folders.
    expected += "=== inner threshold ===\nok=50%, short=0%\n";
    for (int i = 0; i < 16; ++i) expected += "ok=0%, short=100%\n";
    expected += "result: 50% ~ 100%\n=== inter threshold ===\n";
    // j from (int)(37.5 + 25) = 62 to (int)(12.5 + 75) = 87.
    std::string okBins = "    ( 5.00, ", interBins = "    ( 66.00, ";
    for (int i = 0; i < 16; ++i) okBins += "2.00, ";
    for (int i = 0; i < 15; ++i) interBins += "66.00, ";
    for (int j = 62; j <= 87; ++j)
        expected += okBins + ")\n" + interBins + ")\n" + std::to_string(j) + "%: 35.50 ( 5.00 ~ 66.00, 61.00 )\n\n";
    expected += "\nBest is 87%\n";
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(out.maxDevPct, 35);
    EXPECT_EQ(out.linePct, 87);
    EXPECT_EQ(out.lower, 1);
    EXPECT_EQ(out.maxValueDevPct, 77);
    EXPECT_EQ(out.upper, 88);

    std::set<std::string> expectedFiles = inputs;
    auto expectLog = [&](const std::string& name, const std::string& diff, const std::string& hist) {
        expectedFiles.insert("diff_" + name + ".log");
        expectedFiles.insert("hist_" + name + ".log");
        EXPECT_EQ(readBinary("diff_" + name + ".log"), diff) << name;
        EXPECT_EQ(readBinary("hist_" + name + ".log"), hist) << name;
    };
    auto hist = [&](int maxBin, const std::string& bins) {
        char head[32];
        snprintf(head, sizeof head, "MAX = %d", maxBin);
        return std::string(head) + kLineEnd + kLineEnd + bins;
    };
    expectLog("ok", repeatLines("5.000000", 42) + repeatLines("0.000000", 42),
              hist(5, repeatLines("50.00%", 1) + repeatLines("0.00%", 4) + repeatLines("50.00%", 1)));
    const char* kinds[4] = {"xh", "xe", "yh", "ye"};
    for (int s = 2; s <= 5; ++s)
        for (const char* kind : kinds) {
            const std::string suffix = "_s" + std::to_string(s) + kind;
            std::string inter;
            for (int c = 0; c < 7; ++c) inter += repeatLines("66.666664", s);
            expectLog("inner" + suffix, repeatLines("0.000000", 7 * (s - 1)), hist(0, repeatLines("100.00%", 1)));
            expectLog("inter" + suffix, inter, hist(66, repeatLines("0.00%", 66) + repeatLines("100.00%", 1)));
            expectLog("ok" + suffix, repeatLines("2.000000", 7 * (6 - s)),
                      hist(2, repeatLines("0.00%", 2) + repeatLines("100.00%", 1)));
        }
    expectLog("gnd", repeatLines("10.000000", 1) + repeatLines("0.000000", 48),
              hist(10, repeatLines("97.96%", 1) + repeatLines("0.00%", 9) + repeatLines("2.04%", 1)));
    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(fs::current_path()))
        if (entry.is_regular_file()) written.insert(fs::relative(entry.path()).generic_string());
    EXPECT_EQ(written, expectedFiles);
}

namespace {

int allocations = 0, failAt = 0, live = 0;
void* countedZeroed(size_t count, size_t size) {
    if (++allocations == failAt) return nullptr;
    ++live;
    return calloc(count, size);
}
void countedRelease(void* block) {
    --live;
    free(block);
}

}  // namespace

TEST(GenerateThreshold, FailuresLeaveTheOutputUntouched) {
    FreshFolder here("generate_failures");
    Folders folders;
    makeFolders(folders);
    for (int fail = 1; fail <= 6; ++fail) {
        allocations = 0;
        live = 0;
        failAt = fail;
        MutualShortThreshold out{-5, 77, -6, 88, -7};
        testing::internal::CaptureStdout();
        int code = GenerateThresholdWith(folders.config, &out, GridAllocator{countedZeroed, countedRelease});
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "initial buffer memory fail\n") << fail;
        EXPECT_EQ(code, -1);
        EXPECT_EQ(live, 0) << fail;  // everything obtained is released
        EXPECT_EQ(out.lower, -7);
        EXPECT_EQ(out.linePct, -6);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(GenerateThreshold(folders.config, nullptr), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "GenerateThreshold: result missing\n");
    EXPECT_FALSE(fs::exists("diff_ok.log"));

    // Only an ok folder: no inner data.
    PatternFolderConfig onlyOk = {};
    onlyOk.folders[0] = "ok";
    onlyOk.folders[1] = "missing";
    MutualShortThreshold out{-5, 77, -6, 88, -7};
    testing::internal::CaptureStdout();
    EXPECT_EQ(GenerateThreshold(onlyOk, &out), -1);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("result: 50% ~ 101%\n"), std::string::npos);
    EXPECT_EQ(out.lower, -7);
    EXPECT_EQ(out.maxDevPct, -5);
}
