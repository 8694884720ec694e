// Every kind of Trelliq.exe end to end: the bench station in auto mode with
// barcode UNIT-42, each kind's pass and fail script played by input_drive.exe,
// the verdict file, the screenshots and the exit code read afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/MessageBoxWatcher.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"
#include "TrelliqStation.h"

namespace {

using namespace trelliq_test;

// The names in the station's Shots folder.
std::set<std::string> Shots(const TrelliqStation& station) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(station.Path("Shots\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool WholeJpeg(const std::string& bytes) {
    return bytes.size() > 4 && bytes.compare(0, 3, "\xFF\xD8\xFF") == 0 &&
           bytes.compare(bytes.size() - 2, 2, "\xFF\xD9") == 0;
}

// The linear passes play some 1,100 moves, which a loaded machine takes
// longer than the bench's [Time] of 20 s to deliver; a line station sets
// the time its own pace needs.
bool SetLinearTimeForALoadedMachine(TrelliqStation& station) {
    return station.Set("Time", "value", "120");
}

struct KindRun {
    const char* script;
    int initialMode;
    const char* result;  // the verdict file at the end; null: none is written
    const char* shot;    // the one screenshot in Shots; null: none
};

void PrintTo(const KindRun& run, std::ostream* out) {
    *out << run.script;
}

std::string RunName(const testing::TestParamInfo<KindRun>& info) {
    std::string name;
    for (const char* c = info.param.script; *c && *c != '.'; ++c)
        name += *c == '-' ? '_' : *c;
    return name;
}

class TrelliqKindRuns : public test_support::FreshFolderTest, public testing::WithParamInterface<KindRun> {};

TEST_P(TrelliqKindRuns, TheScriptGivesItsOutcome) {
    const KindRun& run = GetParam();
    const bool fails = std::string(run.script).find("-fail") != std::string::npos;
    TrelliqStation station;
    ASSERT_TRUE(station.Set("AutoMode", "InitialMode", std::to_string(run.initialMode)));
    ASSERT_TRUE(station.Set("ScanBarcode", "Barcode", "UNIT-42"));
    if (fails) {
        // The time-outs come sooner than at the bench.
        ASSERT_TRUE(station.Set("Time", "value", "4"));
        ASSERT_TRUE(station.Set("TrcTime", "value", "4"));
        ASSERT_TRUE(station.Set("AccuracyTime", "testvalue", "4"));
    } else {
        ASSERT_TRUE(SetLinearTimeForALoadedMachine(station));
    }
    station.Write();
    test_support::Program trelliq(station.Trelliq());
    ASSERT_TRUE(trelliq.started());
    test_support::MessageBoxWatcher watcher(trelliq.processId(), {}, IDOK);
    test_support::Program driver(Driver(trelliq.processId(), BenchScript(run.script), station));
    ASSERT_TRUE(driver.started());

    // The screenshot is whole, and its bitmap gone, when the verdict appears.
    if (run.result) {
        ASSERT_TRUE(WaitForFile(station.Path("LinearResult.txt"), 150000));
        if (run.shot) {
            EXPECT_TRUE(WholeJpeg(ReadFile(station.Path(std::string("Shots\\") + run.shot))));
            EXPECT_FALSE(test_support::Exists(station.Path("Shots\\FS.bmp")));
        }
    }
    ASSERT_TRUE(driver.Wait(180000));
    EXPECT_EQ(0u, driver.ExitCode()) << driver.ReadErr();
    ASSERT_TRUE(trelliq.Wait(20000));
    EXPECT_EQ(0u, trelliq.ExitCode());

    EXPECT_EQ(run.result ? run.result : "<missing>", ReadFile(station.Path("LinearResult.txt")));
    const std::set<std::string> expected =
        run.shot ? std::set<std::string>{run.shot} : std::set<std::string>{};
    EXPECT_EQ(expected, Shots(station));
    if (run.shot) {
        EXPECT_TRUE(WholeJpeg(ReadFile(station.Path(std::string("Shots\\") + run.shot))));
    }
    EXPECT_FALSE(test_support::Exists(station.Path("FS.bmp")));
    // The store was saved at the end: the barcode the test wrote is still there.
    EXPECT_NE(std::string::npos, ReadFile(station.Path("LinearConfig.ini")).find("\r\nBarcode=UNIT-42\r\n"));
    EXPECT_TRUE(watcher.Seen().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, TrelliqKindRuns,
    testing::Values(KindRun{"linear-in-order-pass.txt", 0, "Result=1\r\n", "Linear(in order)-UNIT-42.jpg"},
                    KindRun{"linear-in-order-fail.txt", 0, "Result=2\r\n", "Linear(in order)-UNIT-42.jpg"},
                    KindRun{"linear-without-order-pass.txt", 7, "Result=1\r\n", "Linear-UNIT-42.jpg"},
                    KindRun{"linear-without-order-fail.txt", 7, "Result=2\r\n", "Linear-UNIT-42.jpg"},
                    KindRun{"trace-pass.txt", 1, "Result=1\r\n", "Trace-UNIT-42.jpg"},
                    KindRun{"trace-fail.txt", 1, "Result=2\r\n", "Trace-UNIT-42.jpg"},
                    KindRun{"paint-pass.txt", 2, nullptr, "Paint-UNIT-42.jpg"},
                    KindRun{"report-rate-pass.txt", 3, "Result=1\r\n", nullptr},
                    KindRun{"report-rate-fail.txt", 3, "Result=2\r\n", nullptr},
                    KindRun{"accuracy-pass.txt", 4, "Result=1\r\n", "Accuracy-UNIT-42.jpg"},
                    KindRun{"accuracy-fail.txt", 4, "Result=2\r\n", "Accuracy-UNIT-42.jpg"},
                    KindRun{"jitter-pass.txt", 5, "Result=1\r\n", nullptr},
                    KindRun{"jitter-fail.txt", 5, "Result=2\r\n", nullptr},
                    KindRun{"sensitivity-pass.txt", 6, nullptr, nullptr},
                    KindRun{"sensitivity-fail.txt", 6, nullptr, nullptr}),
    RunName);

}  // namespace

namespace {

using namespace trelliq_test;

// Every "[section] key" of a store's text (the store saves in its own order).
std::set<std::string> KeysOf(const std::string& ini) {
    std::set<std::string> keys;
    std::string section;
    std::istringstream lines(ini);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[')
            section = line;
        else if (line.find('=') != std::string::npos && line[0] != '#')
            keys.insert(section + " " + line.substr(0, line.find('=')));
    }
    return keys;
}

class TrelliqRoad : public test_support::FreshFolderTest {};

// As Vantro drives it: the kind and barcode set in the station's file, the
// old verdict deleted, Trelliq started with no arguments and polled once a
// second until the verdict is there, then terminated.
TEST_F(TrelliqRoad, TheTracePassIsReadByPollingAndTrelliqIsTerminated) {
    TrelliqStation station;
    ASSERT_TRUE(station.Set("AutoMode", "InitialMode", "1"));
    ASSERT_TRUE(station.Set("ScanBarcode", "Barcode", "UNIT-42"));
    station.Write();
    test_support::WriteBytes(station.Path("LinearResult.txt"), "Result=2\r\n");
    ASSERT_TRUE(DeleteFileA(station.Path("LinearResult.txt").c_str()));
    const std::set<std::string> keys = KeysOf(ReadFile(station.Path("LinearConfig.ini")));
    ASSERT_EQ(80u, keys.size());

    test_support::Program trelliq(station.Trelliq());
    ASSERT_TRUE(trelliq.started());
    test_support::MessageBoxWatcher watcher(trelliq.processId(), {}, IDOK);
    test_support::Program driver(Driver(trelliq.processId(), BenchScript("trace-pass.txt"), station));
    ASSERT_TRUE(driver.started());
    std::string firstLine;
    for (int second = 0; second < 60 && firstLine.empty(); ++second) {
        Sleep(1000);
        std::ifstream verdict(station.Path("LinearResult.txt"));
        std::getline(verdict, firstLine);
    }
    EXPECT_EQ("Result=1", firstLine);
    trelliq.Terminate(1);
    ASSERT_TRUE(trelliq.Wait(10000));
    driver.Terminate(1);

    const std::string jpeg = ReadFile(station.Path("Shots\\Trace-UNIT-42.jpg"));
    EXPECT_TRUE(WholeJpeg(jpeg));
    EXPECT_FALSE(test_support::Exists(station.Path("Shots\\FS.bmp")));
    EXPECT_FALSE(test_support::Exists(station.Path("FS.bmp")));
    EXPECT_EQ(keys, KeysOf(ReadFile(station.Path("LinearConfig.ini"))));
    EXPECT_TRUE(watcher.Seen().empty());
}

}  // namespace

namespace {

using namespace trelliq_test;

class TrelliqKindsByKey : public test_support::FreshFolderTest {};

// With the auto mode off the kind is selected in the list and started by F:
// the same strokes pass it, and no screenshot is taken.
TEST_F(TrelliqKindsByKey, TheSelectedKindStartedByFPasses) {
    struct Case {
        int selection;
        const char* script;
    } const cases[] = {{1, "trace-pass.txt"}, {7, "linear-without-order-pass.txt"}};
    for (const Case& c : cases) {
        TrelliqStation station(c.script);
        ASSERT_TRUE(station.Set("Switch", "automode", "0"));
        ASSERT_TRUE(SetLinearTimeForALoadedMachine(station));
        ASSERT_TRUE(station.Set("ScanBarcode", "Barcode", "UNIT-42"));
        station.Write();
        const std::string script = station.Path("by-key.txt");
        test_support::WriteBytes(script, "screen 1920 1080\nselect " + std::to_string(c.selection) +
                                             "\nkey F\n" + ReadFile(BenchScript(c.script)));
        test_support::Program trelliq(station.Trelliq());
        ASSERT_TRUE(trelliq.started());
        test_support::MessageBoxWatcher watcher(trelliq.processId(), {}, IDOK);
        ASSERT_NE(nullptr, WaitForReadyBar(30000)) << c.script;
        test_support::ProgramRun driver =
            test_support::RunProgram(Driver(trelliq.processId(), script, station), 180000);
        EXPECT_EQ(0u, driver.exitCode) << c.script << driver.err;
        ASSERT_TRUE(trelliq.Wait(20000)) << c.script;
        EXPECT_EQ(0u, trelliq.ExitCode()) << c.script;
        EXPECT_EQ("Result=1\r\n", ReadFile(station.Path("LinearResult.txt"))) << c.script;
        EXPECT_EQ(std::set<std::string>{}, Shots(station)) << c.script;
        EXPECT_TRUE(watcher.Seen().empty()) << c.script;
    }
}

}  // namespace
