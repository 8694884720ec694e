// GenerateThreshold end to end, from a fresh working folder: stdout, every
// log byte for byte, and the set of files written.  Built against the
// library's parts and through Shorvik.dll.
#include <gtest/gtest.h>

#include "GeneratorFixture.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace shorvik {

TEST(GenerateThreshold, EndToEndFromAFreshFolder) {
    FreshFolder here("generate_end_to_end");
    Folders folders;
    makeFolders(folders);
    std::set<std::string> inputs;
    for (const auto& entry : fs::recursive_directory_iterator(fs::current_path()))
        if (entry.is_regular_file())
            inputs.insert(fs::relative(entry.path()).generic_string());

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
    for (int index : order)
        expected += "parse " + FixturePath(folders.names[index], "p.csv") + "\n";
    // Sets in collection order: the ok folder, then the 16 shorted folders.
    expected += "=== inner threshold ===\nok=50%, short=0%\n";
    for (int i = 0; i < 16; ++i)
        expected += "ok=0%, short=100%\n";
    expected += "result: 50% ~ 100%\n=== inter threshold ===\n";
    // j from (int)(37.5 + 25) = 62 to (int)(12.5 + 75) = 87.
    std::string okBins = "    ( 5.00, ", interBins = "    ( 66.00, ";
    for (int i = 0; i < 16; ++i)
        okBins += "2.00, ";
    for (int i = 0; i < 15; ++i)
        interBins += "66.00, ";
    for (int j = 62; j <= 87; ++j)
        expected +=
            okBins + ")\n" + interBins + ")\n" + std::to_string(j) + "%: 35.50 ( 5.00 ~ 66.00, 61.00 )\n\n";
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
            for (int c = 0; c < 7; ++c)
                inter += repeatLines("66.666664", s);
            expectLog("inner" + suffix, repeatLines("0.000000", 7 * (s - 1)),
                      hist(0, repeatLines("100.00%", 1)));
            expectLog("inter" + suffix, inter,
                      hist(66, repeatLines("0.00%", 66) + repeatLines("100.00%", 1)));
            expectLog("ok" + suffix, repeatLines("2.000000", 7 * (6 - s)),
                      hist(2, repeatLines("0.00%", 2) + repeatLines("100.00%", 1)));
        }
    expectLog("gnd", repeatLines("10.000000", 1) + repeatLines("0.000000", 48),
              hist(10, repeatLines("97.96%", 1) + repeatLines("0.00%", 9) + repeatLines("2.04%", 1)));
    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(fs::current_path()))
        if (entry.is_regular_file())
            written.insert(fs::relative(entry.path()).generic_string());
    EXPECT_EQ(written, expectedFiles);
}

namespace {

// A listed file that fopen refuses: held open without sharing on Windows,
// a socket natively (stat lists it as a file; open gives ENXIO).
class UnopenableFile {
public:
    explicit UnopenableFile(const std::string& path) {
#ifdef _WIN32
        handle_ = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
        made_ = handle_ != INVALID_HANDLE_VALUE;
#else
        socket_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        made_ = socket_ >= 0 && bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
#endif
    }
    ~UnopenableFile() {
#ifdef _WIN32
        if (made_)
            CloseHandle(handle_);
#else
        if (socket_ >= 0)
            close(socket_);
#endif
    }
    UnopenableFile(const UnopenableFile&) = delete;
    UnopenableFile& operator=(const UnopenableFile&) = delete;
    bool made() const {
        return made_;
    }

private:
#ifdef _WIN32
    HANDLE handle_;
#else
    int socket_;
#endif
    bool made_;
};

}  // namespace

TEST(GenerateThreshold, AFileThatDoesNotOpenAddsNothing) {
    FreshFolder here("generate_unopenable");
    fs::create_directories("ok");
    // x lines alternate 100 and 105; along y nothing changes.
    std::string text = "Width,3\nHeight,2\nNode\n";
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            text += "N," + std::to_string(x + 1) + "," + std::to_string(y + 1) + (x % 2 ? ",105" : ",100") +
                    ",1,1000,1000\n";
    ASSERT_TRUE(WriteBytes(FixturePath("ok", "a.csv"), text));
    UnopenableFile locked(FixturePath("ok", "b.csv"));
    ASSERT_TRUE(locked.made());

    PatternFolderConfig onlyOk = {};
    onlyOk.folders[0] = "ok";
    MutualShortThreshold out{-5, 77, -6, 88, -7};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(GenerateThreshold(onlyOk, &out), -1);  // no inner data
    std::string errors = testing::internal::GetCapturedStderr();
    std::string printed = normalised(testing::internal::GetCapturedStdout());
    EXPECT_EQ(errors, "Fatal error : unable to open input file " + FixturePath("ok", "b.csv") + "\n");
    EXPECT_EQ(printed.substr(0, printed.find("===")),
              "parse " + FixturePath("ok", "a.csv") + "\nparse " + FixturePath("ok", "b.csv") + "\n");
    // a.csv once: b.csv must not hand in a.csv's data a second time.
    EXPECT_EQ(readBinary("diff_ok.log"), repeatLines("5.000000", 4) + repeatLines("0.000000", 3));
    EXPECT_EQ(out.lower, -7);
}

}  // namespace shorvik
