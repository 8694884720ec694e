#include "TestArgv.h"
#include "console_tools/CendraOptions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace console_tools {

namespace {

// The options point into args, which must outlive them.
CendraOptions scan(std::vector<std::string>& args) {
    args.insert(args.begin(), "");
    std::vector<char*> argv = argvOf(args);
    return ScanCendraOptions(static_cast<int>(args.size()), argv.data());
}

std::string str(const char* s) {
    return s ? s : "(null)";
}

TEST(CendraOptions, Table) {
    struct Case {
        std::vector<std::string> args;
        const char* table;
        const char* config;
        int slave;
        const char* script;
    } cases[] = {
        {{"-c", "t.csv", "-i", "o.ini"}, "t.csv", "o.ini", 0xFFFF, nullptr},
        {{"-c", "t.csv", "-i", "o.ini", "-s", "2", "-o", "out.txt"}, "t.csv", "o.ini", 2, "out.txt"},
        // upper case does not count
        {{"-C", "t.csv", "-I", "o.ini"}, nullptr, nullptr, 0xFFFF, nullptr},
        // only the character after '-' is looked at
        {{"-cfoo", "t.csv", "-iXYZ", "o.ini"}, "t.csv", "o.ini", 0xFFFF, nullptr},
        // the next argument is the value even when it begins with '-'
        {{"-c", "-i", "-i", "-c"}, "-i", "-c", 0xFFFF, nullptr},
        // the last argument is never an option
        {{"-c", "t.csv", "-i"}, "t.csv", nullptr, 0xFFFF, nullptr},
        {{"-i", "o.ini", "x", "-c"}, nullptr, "o.ini", 0xFFFF, nullptr},
        // bare words and unknown options are skipped; the next argument is examined
        {{"word", "-x", "-c", "t.csv", "-", "-i", "o.ini"}, "t.csv", "o.ini", 0xFFFF, nullptr},
        // a repeated option keeps its last value
        {{"-c", "a", "-c", "b", "-i", "x", "-s", "3", "-s", "4", "-i", "y"}, "b", "y", 4, nullptr},
        // -s reads like atoi
        {{"-s", "12abc", "-c", "t"}, "t", nullptr, 12, nullptr},
        {{"-s", "x", "-c", "t"}, "t", nullptr, 0, nullptr},
        {{"-s", "-7", "-c", "t"}, "t", nullptr, -7, nullptr},
        {{"-s", "99999999999999", "-c", "t"}, "t", nullptr, 2147483647, nullptr},
        {{"-c", ""}, "", nullptr, 0xFFFF, nullptr},
        {{}, nullptr, nullptr, 0xFFFF, nullptr},
        {{"-c"}, nullptr, nullptr, 0xFFFF, nullptr},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        const CendraOptions o = scan(args);
        std::string where;
        for (const auto& a : c.args)
            where += a + " ";
        EXPECT_EQ(str(c.table), str(o.tablePath)) << where;
        EXPECT_EQ(str(c.config), str(o.configPath)) << where;
        EXPECT_EQ(c.slave, o.slave) << where;
        EXPECT_EQ(str(c.script), str(o.scriptPath)) << where;
    }
}

TEST(CendraOptions, SeededRandomVectorsNeverCrash) {
    std::mt19937 random(20240611);
    const char* pieces[] = {"-",  "-c",    "-i", "-s", "-o", "-", "x", "", "-s99999999999999999999",
                            "--", "-\xff", "12", "-9"};
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::string> args;
        const int n = static_cast<int>(random() % 9);
        for (int i = 0; i < n; ++i) {
            std::string arg = pieces[random() % (sizeof pieces / sizeof pieces[0])];
            if (random() % 4 == 0)
                arg += static_cast<char>(random() % 256);
            args.push_back(arg);
        }
        args.insert(args.begin(), "");
        std::vector<char*> argv = argvOf(args);
        const CendraOptions o = ScanCendraOptions(static_cast<int>(args.size()), argv.data());
        // a value is always an argument after an option, never argv[0] or argv[1]
        for (const char* value : {o.tablePath, o.configPath, o.scriptPath}) {
            if (value == nullptr)
                continue;
            bool found = false;
            for (std::size_t i = 2; i < args.size(); ++i)
                found = found || (value == argv[i] && argv[i - 1][0] == '-');
            ASSERT_TRUE(found);
        }
    }
}

}  // namespace

}  // namespace console_tools
