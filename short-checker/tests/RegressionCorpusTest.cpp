// The library's results over a corpus of generated pattern files, checks
// and generator folders, compared byte for byte (by digest) with the results
// recorded before the readers and checks were made faster.  Inputs are
// generated from fixed seeds; only their digests are stored.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CheckFixture.h"
#include "test_support/CorpusDigest.h"
#include "GeneratorFixture.h"
#include "ReportFixture.h"
#include "shorvik/Shorvik.h"

using namespace shorvik;
using namespace test_support;

namespace {

const std::string kGolden = std::string(SUITE_TEST_DATA_DIR) + "/corpus/" CORPUS_PLATFORM ".txt";

// Cells that no clean file holds: C-library spellings of special values,
// signs, overflow, underflow, junk and enclosed text.
const char* const kOddCells[] = {"nan",      "-nan",  "NaN",    "inf",       "-inf", "INF",    "-12.5",
                                 "1e39",     "-1e39", "3.4e38", "1e-45",     "abc",  "",       " 42 ",
                                 "\"77.5\"", "0",     "-0",     "0.0",       "1e5",  "12.3.4", "0x1A",
                                 "+7",       "  ",    "1,5",    "9999999999"};

std::string Decimal(int hundredths) {
    char text[32];
    snprintf(text, sizeof text, "%s%d.%02d", hundredths < 0 ? "-" : "", std::abs(hundredths) / 100,
             std::abs(hundredths) % 100);
    return text;
}

struct GridSpec {
    const char* name;
    int width, height;
    unsigned seed;
    bool dirty;     // odd cells and malformed rows
    bool crlf;      // CR LF line ends
    bool lastLine;  // the last line ends without a line end
};

const GridSpec kGrids[] = {
    {"g1x1", 1, 1, 11, false, false, false},         {"g2x3d", 2, 3, 12, true, false, false},
    {"g7x5d", 7, 5, 13, true, true, false},          {"g10x10", 10, 10, 14, false, false, false},
    {"g10x10d", 10, 10, 15, true, false, true},      {"g50x50", 50, 50, 16, false, true, false},
    {"g50x50d", 50, 50, 17, true, false, false},     {"g120x37d", 120, 37, 18, true, false, true},
    {"g300x300", 300, 300, 19, false, false, false}, {"g300x300d", 300, 300, 20, true, true, false},
};

// A pattern file: header rows, then one row per node.  Lines 1 and the
// third-last of each grid are shorted (low products), so checks find
// something.
std::string PatternText(const GridSpec& spec) {
    CorpusRandom random(spec.seed);
    const std::string end = spec.crlf ? "\r\n" : "\n";
    std::string text = "Pattern,corpus" + end;
    if (spec.dirty)
        text += "Width,301" + end + " Height , -2" + end;
    text += "Width," + std::to_string(spec.width) + end + "Height," + std::to_string(spec.height) + end;
    if (spec.dirty)
        text += "N,1,1,5,5,5,5" + end;  // before "Node": ignored
    text += "Node" + end;
    auto cell = [&](int hundredths) {
        if (spec.dirty && random.Below(40) == 0)
            return std::string(kOddCells[random.Below(sizeof kOddCells / sizeof kOddCells[0])]);
        return Decimal(hundredths);
    };
    for (int x = 1; x <= spec.width; ++x) {
        for (int y = 1; y <= spec.height; ++y) {
            const bool shorted = (x == 1 || y == spec.height - 2) && spec.width > 2;
            const int a = shorted ? 6000 + random.Below(300) : 9500 + random.Below(1000);
            const int b = random.Below(8) == 0 ? 150 : 100;
            const int value = 100000 + random.Below(4000) - 2000;
            text += "N," + std::to_string(x) + "," + std::to_string(y) + "," + cell(a) + "," + cell(b) + "," +
                    cell(value);
            if (random.Below(50) == 0)
                text += "," + cell(100000);
            text += end;
            if (spec.dirty && random.Below(60) == 0) {
                static const char* const kBadRows[] = {
                    "N,0,1,1,1,1",   "N,301,1,1,1,1",        "N,5",
                    "N,-1,2,3,4,5",  "N,2147483648,1,7,7,7", "",
                    "   ,1,1,1,1,1", "\"N\",2,2,\"8\",1,1",  "N,1,301,1,1,1",
                    "Node"};
                text += std::string(kBadRows[random.Below(sizeof kBadRows / sizeof kBadRows[0])]) + end;
            }
        }
    }
    if (spec.lastLine && text.size() >= end.size())
        text.resize(text.size() - end.size());
    return text;
}

void RecordReport(ByteRecord& record, const CanaryReport& canary) {
    const MutualReport& r = canary.report;
    record.Int(r.total);
    record.Int(r.width);
    record.Int(r.height);
    record.Float(r.reference);
    for (int x = 0; x < 300; ++x) {
        record.Raw(r.nodes[x], 300 * sizeof(MutualNode));
        record.Raw(r.values[x], 300 * sizeof(float));
        record.Raw(r.status[x], 300 * sizeof(int));
    }
    record.Int(canary.CanariesIntact());
}

void CopyReport(CanaryReport& to, const CanaryReport& from) {
    to.report.total = from.report.total;
    to.report.width = from.report.width;
    to.report.height = from.report.height;
    to.report.reference = from.report.reference;
    for (int x = 0; x < 300; ++x) {
        memcpy(to.report.nodes[x], from.report.nodes[x], 300 * sizeof(MutualNode));
        memcpy(to.report.values[x], from.report.values[x], 300 * sizeof(float));
        memcpy(to.report.status[x], from.report.status[x], 300 * sizeof(int));
    }
}

// Runs one call with stdout and stderr captured into the record.
template <typename Call>
void Captured(ByteRecord& record, Call call) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    call();
    record.Text(testing::internal::GetCapturedStdout());
    record.Text(testing::internal::GetCapturedStderr());
}

// Each test compares its own cases, named by its prefix.
class ShorvikCorpus : public testing::Test {
protected:
    CorpusDigests& digests() { return digests_; }
    void Compare(const char* prefix) { digests_.CompareWith(kGolden, prefix); }

private:
    CorpusDigests digests_;
};

TEST_F(ShorvikCorpus, ToCsvOverFloats) {
    ByteRecord record;
    CorpusRandom random(5);
    std::vector<float> inputs = {0.0f,    -0.0f,    0.05f,  -0.05f,  0.15f,        1.15f,
                                 2.45f,   -2.45f,   99.95f, 1e-6f,   21474836.48f, -21474836.48f,
                                 3.4e38f, -3.4e38f, 1e30f,  1.4e-45f};
    for (int i = 0; i < 200000; ++i) {
        uint32_t bits = static_cast<uint32_t>(random.Next());
        float f;
        memcpy(&f, &bits, sizeof f);
        inputs.push_back(f);
        inputs.push_back(static_cast<float>(random.Below(2000000) - 1000000) / 1000.0f);
    }
    for (float f : inputs)
        record.Float(ToCsv(f));
    digests().Add("tocsv", record);
    Compare("tocsv");
}

TEST_F(ShorvikCorpus, ParsePattern) {
    for (const GridSpec& spec : kGrids) {
        const std::string path = std::string(spec.name) + ".csv";
        ASSERT_TRUE(WriteBytes(path, PatternText(spec)));
        CanaryReport parsed;
        ByteRecord record;
        Captured(record, [&] { ParsePattern(path.c_str(), &parsed.report); });
        RecordReport(record, parsed);
        digests().Add(std::string("parse-") + spec.name, record);
    }
    // Hand-made files: missing, empty, no node rows, sizes only, enclosures.
    const std::pair<const char*, const char*> kFiles[] = {
        {"empty", ""},
        {"sizes", "Width,5\nHeight,4"},
        {"quoted", "\"Width\",\"3\"\n\"Height\",3\n\"Node\"\n\"N\",\"1\",\"2\",\"3.5\",\"2\",\"9\",\"10\"\n"
                   "N,2,2,\"4,5\",1,1\nN,3,3,\"a\"\"b\",1,1\nN,\"3\",1,7,7,7,\"x\n"},
        {"blanks", "\n\n  Width , 2 \n\tHeight\t,\t2\t\n Node \n N , 1 , 1 , 5 , 6 , 7 \n,2,2,1,1,1\n"},
        {"overflow", "Width,2\nHeight,2\nNode\nN,1,1,1e39,-1e39,1e-50,3.5e38\nN,2,2,nan,inf,-inf,NAN\n"},
    };
    for (const auto& file : kFiles) {
        const std::string path = std::string(file.first) + ".csv";
        ASSERT_TRUE(WriteBytes(path, file.second));
        CanaryReport parsed;
        ByteRecord record;
        Captured(record, [&] { ParsePattern(path.c_str(), &parsed.report); });
        RecordReport(record, parsed);
        digests().Add(std::string("parse-") + file.first, record);
    }
    CanaryReport untouched;
    ByteRecord record;
    Captured(record, [&] { ParsePattern("no such file.csv", &untouched.report); });
    RecordReport(record, untouched);
    digests().Add("parse-missing", record);
    Compare("parse-");
}

// The windows each check runs over, for a report of width x height.
std::vector<Range> Windows(int width, int height) {
    std::vector<Range> ranges = {{0, 0, width, height}};
    if (width >= 4 && height >= 4)
        ranges.push_back({width / 4, height / 3, width / 2, height / 2});
    ranges.push_back({0, 0, std::min(300, width + 3), std::min(300, height + 2)});  // beyond the data
    return ranges;
}

bypassInfo SomeBypass(int width, int height) {
    bypassInfo bypass = NoBypass();
    bypass.x[bypass.xCount++] = width > 1 ? 1 : 0;
    bypass.x[bypass.xCount++] = 299;
    bypass.y[bypass.yCount++] = height / 2;
    return bypass;
}

void RecordResult(ByteRecord& record, int rc, const CheckResult& result) {
    record.Int(rc);
    record.Int(result.result.count);
    for (int v : result.lines)
        record.Int(v);
}

TEST_F(ShorvikCorpus, Checks) {
    const MutualShortThreshold thresholds[] = {Threshold(10, 50), Threshold(5, 30, 1, 9000, 10500),
                                               Threshold(0, 0, 0, -1, 2000000000)};
    for (const GridSpec& spec : kGrids) {
        const std::string path = std::string(spec.name) + ".csv";
        ASSERT_TRUE(WriteBytes(path, PatternText(spec)));
        CanaryReport parsed, golden, work;
        ParsePattern(path.c_str(), &parsed.report);
        GridSpec goldenSpec = spec;
        goldenSpec.seed += 1000;
        goldenSpec.dirty = false;
        ASSERT_TRUE(WriteBytes("golden.csv", PatternText(goldenSpec)));
        ParsePattern("golden.csv", &golden.report);
        const int w = parsed.report.width, h = parsed.report.height;
        std::vector<int> lineStates(300);
        for (int x = 0; x < 300; ++x)
            lineStates[x] = x % 3 == 0 ? -1 : x % 3;

        int caseNumber = 0;
        auto add = [&](const char* check, ByteRecord& record) {
            digests().Add(
                std::string("check-") + check + "-" + spec.name + "-" + std::to_string(caseNumber++), record);
        };
        // Big grids take the first threshold and the extreme block counts only.
        const bool big = w * h > 2500;
        for (const Range& range : Windows(w, h)) {
            for (const MutualShortThreshold& threshold : thresholds) {
                if (big && &threshold != &thresholds[0])
                    continue;
                {
                    CopyReport(work, parsed);
                    CheckResult result(range.width + range.height, 3);
                    ByteRecord record;
                    int rc = 0;
                    Captured(record,
                             [&] { rc = CheckMutualShort(work.report, threshold, &result.result, range); });
                    RecordResult(record, rc, result);
                    RecordReport(record, work);
                    add("short", record);
                }
                for (int mode : {0, 1}) {
                    for (bool bypassed : {false, true}) {
                        const bypassInfo bypass = bypassed ? SomeBypass(w, h) : NoBypass();
                        CopyReport(work, parsed);
                        CheckResult result(range.width + range.height);
                        ByteRecord record;
                        int rc = 0;
                        Captured(record, [&] {
                            rc = CheckMutualShortWithGolden(work.report, golden.report, threshold,
                                                            &result.result, range, mode, lineStates.data(),
                                                            bypass);
                        });
                        RecordResult(record, rc, result);
                        RecordReport(record, work);
                        add("golden", record);
                    }
                }
                const int blockChoices[][2] = {{1, 1}, {3, 2}, {10, 10}, {0, 1}};
                for (const auto& blocks : blockChoices) {
                    if (big && blocks[0] == 3)
                        continue;
                    for (int medianMode : {0, 1}) {
                        for (int mode : {0, 1}) {
                            const bypassInfo bypass = mode == 1 ? SomeBypass(w, h) : NoBypass();
                            CopyReport(work, parsed);
                            CheckResult result(range.width + range.height);
                            ByteRecord record;
                            int rc = 0;
                            Captured(record, [&] {
                                rc = CheckMutualShortNew(work.report, threshold, &result.result, range,
                                                         blocks[0], blocks[1], medianMode, mode,
                                                         lineStates.data(), bypass);
                            });
                            RecordResult(record, rc, result);
                            RecordReport(record, work);
                            add("new", record);
                        }
                    }
                }
            }
        }

        const MutualThreshold q50[] = {{10, -10, 15, -15, 20, -20}, {1, -1, 1, -1, 1, -1}};
        const SecondThreshold second = {0, 0, 5, 5, 5, 5, 5, 5};
        for (const MutualThreshold& threshold : q50) {
            for (bool bypassed : {false, true}) {
                const bypassInfo bypass = bypassed ? SomeBypass(w, h) : NoBypass();
                CopyReport(work, parsed);
                Q50Grids grids;
                int failCount = -5, marginalCount = -5;
                ByteRecord record;
                int rc = 0;
                Captured(record, [&] {
                    rc = CheckMutualWithGoldenQ50(failCount, marginalCount, work.report, golden.report,
                                                  threshold, second, grids.valueRows, grids.goldenRows,
                                                  grids.calibRows, bypass);
                    record.Int(failCount);
                    for (int forgiven : {0, 3, 1000})
                        for (int neighbours : {0, 2}) {
                            int count = failCount;
                            CheckSecondThresholdQ50(count, marginalCount, work.report, forgiven, neighbours,
                                                    bypass);
                            record.Int(count);
                        }
                });
                record.Int(rc);
                record.Int(failCount);
                record.Int(marginalCount);
                for (float v : grids.valueBlock)
                    record.Float(v);
                for (float v : grids.goldenBlock)
                    record.Float(v);
                for (const CalibData& c : grids.calibBlock)
                    record.Float(c.deviation);
                RecordReport(record, work);
                add("q50", record);

                CopyReport(work, parsed);
                Q50Grids alone;
                failCount = marginalCount = -5;
                ByteRecord aloneRecord;
                Captured(aloneRecord, [&] {
                    rc = CheckMutualWithoutGoldenQ50(failCount, marginalCount, work.report, threshold, second,
                                                     alone.valueRows, bypass);
                });
                aloneRecord.Int(rc);
                aloneRecord.Int(failCount);
                aloneRecord.Int(marginalCount);
                for (float v : alone.valueBlock)
                    aloneRecord.Float(v);
                RecordReport(aloneRecord, work);
                add("q50alone", aloneRecord);
            }
        }
    }
    Compare("check-");
}

// Every file of the working folder, in name order, with its bytes.
void RecordFolder(ByteRecord& record, const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        record.Text(name);
        record.Text(readBinary(FixturePath(folder, name)));
    }
}

// Generator folders with several noisy 20 x 20 files each (seeded), beside
// the 7 x 7 tree of the generator's own tests.
void WriteNoisyFolders(Folders& folders, unsigned seed, int filesPerFolder) {
    makeFolders(folders);
    CorpusRandom random(seed);
    for (int i = 0; i <= 19; ++i) {
        if (i == 17 || i == 18)
            continue;
        const int kind = (i - 1) % 4, shorted = (i - 1) / 4 + 2;
        for (int f = 0; f < filesPerFolder; ++f) {
            std::string text = "Width,20\nHeight,20\nNode\n";
            for (int x = 0; x < 20; ++x)
                for (int y = 0; y < 20; ++y) {
                    const int line = kind >= 2 ? y : x;
                    const bool shortedLine =
                        i >= 1 && i <= 16 && (kind % 2 ? line >= 20 - shorted : line < shorted);
                    const int a = shortedLine ? 6000 + random.Below(500) : 9800 + random.Below(400);
                    const int value = i == 19 && random.Below(30) == 0 ? 120000 : 100000 + random.Below(100);
                    text += "N," + std::to_string(x + 1) + "," + std::to_string(y + 1) + "," + Decimal(a) +
                            ",1," + Decimal(value) + ",1000\n";
                }
            ASSERT_TRUE(WriteBytes(FixturePath(folders.names[i], "n" + std::to_string(f) + ".csv"), text));
        }
    }
}

TEST_F(ShorvikCorpus, GenerateThreshold) {
    for (int filesPerFolder : {0, 3}) {
        const std::string name = "gen" + std::to_string(filesPerFolder);
        ByteRecord record;
        {
            FreshFolder folder(name + ".work");
            Folders folders;
            if (filesPerFolder == 0)
                makeFolders(folders);
            else
                WriteNoisyFolders(folders, 77, filesPerFolder);
            MutualShortThreshold out = Threshold(-1, -2, -3, -4, -5);
            int rc = 0;
            Captured(record, [&] { rc = GenerateThreshold(folders.config, &out); });
            record.Int(rc);
            record.Int(out.maxDevPct);
            record.Int(out.maxValueDevPct);
            record.Int(out.linePct);
            record.Int(out.upper);
            record.Int(out.lower);
            RecordFolder(record, ".");
        }
        digests().Add(name, record);
    }
    Compare("gen");
}

}  // namespace
