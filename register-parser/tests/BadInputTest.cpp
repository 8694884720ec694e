// Truncated and randomly damaged tables and configuration files: every
// parse ends with a table whose counts stay within the records.
#include "pelliton/CfgParser.h"
#include "ParserFixtures.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelliton {

namespace {

bool readAll(const std::string& name, std::string& bytes) {
    FILE* f = fopen(name.c_str(), "rb");
    if (f == nullptr)
        return false;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back(static_cast<char>(c));
    fclose(f);
    return true;
}

const char kSmall[] = "FW Tool\nstart,0x1000,x,x,0xAB,-7,x,0 1 2 1,x,T,x,x,x,51343031\nx,x,\tByte\n"
                      "////G\n0x10,0,4,\"Gain\",5,d,FLAG\n///note\n"
                      "////DefineTable\n0x20,0,1,FLAG,0\n"
                      "Pin Assignment\nchip,M,S\nid,1,2\npins,2,3\np,CIN1,CIN2\np,,CIN3\np,CIN4\n"
                      "Pin Assignment,Rx\nchip,M\nid,1\npins,0\nr,CIN1\n";

const char kConfig[] = "Gain = 0x1F ; note\r\nRate=12\n# comment = 3\nK=-1\nL = 4x\n";

std::vector<std::string> fixtureTables() {
    std::vector<std::string> tables = {kSmall, TblForm(kSmall),
                                       "Online FW Tool\nid,1 2 3 4,t,T\ntitles\nint A,0x1,0,4\n"
                                       "Ctrl Pin Table\nchip,M\nid,1\nt\nR,CIN1\n"};
    std::string demo;
    if (readAll(std::string(SUITE_TEST_DATA_DIR) + "/../../demo/register-tables/Q50_Online_0050.csv", demo))
        tables.push_back(demo);
    return tables;
}

bool knownFileType(int type) {
    return type == -3 || type == -2 || type == -1 || type == 0 || type == 1 || type == 2 || type == 3 ||
           type == 5;
}

void parseAndCheck(const std::string& bytes, bool tbl) {
    const char* name = tbl ? "fuzz.tbl" : "fuzz.csv";
    test_support::WriteBytes(name, bytes);
    // One parser for all rounds: every init starts from a cleared table.
    static CCsvParser* const p = new CCsvParser;
    p->init(name);
    ASSERT_GE(p->registerCount, 0);
    ASSERT_LE(p->registerCount, 1000);
    ASSERT_TRUE(knownFileType(p->fileType)) << p->fileType;
    ASSERT_LE(p->chipCount, 30);
    ASSERT_LE(p->rxChipCount, 30);
    ASSERT_LE(p->txChipCount, 30);
    ASSERT_LE(p->ctrlChipCount, 30);
    ASSERT_LE(p->ctrlRowCount, 104);
    for (int i = 0; i < p->registerCount; ++i)
        p->lookUp(p->registers[i].name);
}

void parseConfig(const std::string& bytes) {
    test_support::WriteBytes("fuzz.cfg", bytes);
    CCfgParser parser("fuzz.cfg");
    for (const Config& c : *parser.getContent())
        ASSERT_FALSE(c.key.IsEmpty());
}

// A small, seeded generator: the same damage on every run.
struct Random {
    uint32_t state;
    uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
};

// The parsers' messages are not what these tests judge.
struct Quiet {
    Quiet() {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
    }
    ~Quiet() {
        testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
    }
};

TEST(BadInput, EveryTruncation) {
    Quiet quiet;
    const std::vector<std::string> tables = fixtureTables();
    for (size_t t = 0; t < tables.size(); ++t)
        for (size_t n = 0; n <= tables[t].size(); ++n)
            parseAndCheck(tables[t].substr(0, n), t == 1);
    const std::string config = kConfig;
    for (size_t n = 0; n <= config.size(); ++n)
        parseConfig(config.substr(0, n));
}

TEST(BadInput, SeededRandomChanges) {
    Quiet quiet;
    Random random{12345};
    const std::vector<std::string> tables = fixtureTables();
    const unsigned char interesting[] = {',',  '\n', '\r', '"',  '/',  ' ', 0,
                                         0x1A, 0xFF, 0x90, 0x6E, 0x86, 'C', '0'};
    for (int round = 0; round < 3000; ++round) {
        const std::string& source = tables[round % tables.size()];
        const bool tbl = round % tables.size() == 1;
        std::string bytes = source;
        const int changes = 1 + static_cast<int>(random.next() % 8);
        for (int c = 0; c < changes && !bytes.empty(); ++c) {
            const size_t at = random.next() % bytes.size();
            const uint32_t kind = random.next() % 4;
            const char b = random.next() % 2
                               ? static_cast<char>(random.next() & 0xFF)
                               : static_cast<char>(interesting[random.next() % sizeof interesting]);
            if (kind == 0)
                bytes[at] = b;
            else if (kind == 1)
                bytes.insert(bytes.begin() + static_cast<long>(at), b);
            else if (kind == 2)
                bytes.erase(at, 1 + random.next() % 16);
            else
                bytes.insert(at, bytes.substr(random.next() % bytes.size(), 1 + random.next() % 64));
        }
        parseAndCheck(bytes, tbl);
        if (round % 10 == 0) {
            std::string config = kConfig;
            config[random.next() % config.size()] = static_cast<char>(random.next() & 0xFF);
            parseConfig(config);
        }
    }
}

}  // namespace

}  // namespace pelliton
