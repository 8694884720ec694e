// Pelliton's results over a corpus of generated files, compared (by digest)
// with the results recorded before the row reader was made faster: the row
// reader in every mode over seeded byte strings, and the table parser over
// the demo table, generated tables with pin blocks in CSV and ".tbl" form,
// and damaged copies of them.
#include "ParserFixtures.h"
#include "pelliton/CsvRowReader.h"
#include "test_support/CorpusDigest.h"

#include <memory>
#include <string>
#include <vector>

using namespace pelliton;
using namespace test_support;

namespace {

const std::string kGolden = std::string(SUITE_TEST_DATA_DIR) + "/corpus/" CORPUS_PLATFORM ".txt";

// Bytes a reader treats specially, in plain and ".tbl" coding, among letters.
const char kAlphabet[] = {'a',
                          'b',
                          'Z',
                          '0',
                          '9',
                          ',',
                          ',',
                          '"',
                          '"',
                          '\\',
                          '\n',
                          '\n',
                          '\r',
                          ' ',
                          '\t',
                          '\x1A',
                          '\0',
                          static_cast<char>(0xC5),
                          static_cast<char>(0x90),
                          static_cast<char>(0x86),
                          static_cast<char>(0x6E),
                          static_cast<char>(0x64),
                          static_cast<char>(0xFF)};

std::string RandomBytes(CorpusRandom& random, size_t size, bool longLines) {
    std::string bytes;
    while (bytes.size() < size) {
        if (longLines && random.Below(200) == 0)
            bytes.append(5000 + random.Below(3000), static_cast<char>('c' + random.Below(3)));
        bytes.push_back(kAlphabet[random.Below(sizeof kAlphabet)]);
    }
    return bytes;
}

void RecordRows(ByteRecord& record, CsvRowReader& reader) {
    int rows = 0;
    while (reader.CsvHasMoreRows() && rows < 100000) {
        const CsvRow row = reader.CsvReadRow();
        record.Int(static_cast<long long>(row.size()));
        for (const std::string& cell : row)
            record.Text(cell);
        ++rows;
    }
    record.Int(rows);
    record.Int(reader.rowCount);
    // A read past the end.
    record.Int(static_cast<long long>(reader.CsvReadRow().size()));
}

template <typename Call>
void Captured(ByteRecord& record, Call call) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    call();
    record.Text(testing::internal::GetCapturedStdout());
    record.Text(testing::internal::GetCapturedStderr());
}

TEST(PellitonCorpus, RowReaderModes) {
    CorpusDigests digests;
    CorpusRandom random(3);
    const size_t sizes[] = {0, 1, 7, 100, 4095, 4096, 4097, 70000};
    int fileNumber = 0;
    for (size_t size : sizes) {
        for (bool longLines : {false, true}) {
            if (longLines && size < 4096)
                continue;
            const std::string name = "rows" + std::to_string(fileNumber++) + ".bin";
            ASSERT_TRUE(test_support::WriteBytes(name, RandomBytes(random, size, longLines)));
            for (int mode : {1, 2, 3, 7}) {
                for (bool tbl : {false, true}) {
                    for (int skip : {0, 2, -3}) {
                        ByteRecord record;
                        Captured(record, [&] {
                            CsvRowReader reader;
                            reader.mode = mode;
                            reader.skipLines = skip;
                            reader.verbose = skip == 2;
                            if (tbl) {
                                reader.isTbl = true;
                                reader.quote = static_cast<char>(134);
                                reader.separator = static_cast<char>(144);
                                reader.lineEnd = static_cast<char>(110);
                            }
                            record.Int(reader.CsvOpen(name.c_str()));
                            RecordRows(record, reader);
                        });
                        digests.Add("reader-" + name + "-m" + std::to_string(mode) + (tbl ? "-tbl" : "-csv") +
                                        "-s" + std::to_string(skip),
                                    record);
                    }
                }
            }
        }
    }
    ByteRecord missing;
    Captured(missing, [&] {
        CsvRowReader reader;
        reader.verbose = 1;
        missing.Int(reader.CsvOpen("no such file.csv"));
        RecordRows(missing, reader);
    });
    digests.Add("reader-missing", missing);
    digests.CompareWith(kGolden, "reader-");
}

void RecordChips(ByteRecord& record, const ChipPin* chips, int count) {
    record.Int(count);
    for (int i = 0; i < count && i < REGISTER_TABLE_MAX_CHIPS; ++i) {
        record.Text(chips[i].chipName);
        record.Int(chips[i].pinCount);
        record.Int(chips[i].id);
        for (int pin : chips[i].pins)
            record.Int(pin);
    }
}

// Every field of the table, field by field (the records have padding).
void RecordTable(ByteRecord& record, CCsvParser& p) {
    record.Int(p.fileType);
    record.Int(p.registerCount);
    record.Int(p.startAddr);
    record.Int(p.headerWord);
    record.Int(p.headerInt);
    record.Text(std::string(p.mainCodeId, strnlen(p.mainCodeId, sizeof p.mainCodeId)));
    record.Text(std::string(p.buildTime, strnlen(p.buildTime, sizeof p.buildTime)));
    record.Raw(p.usbDescId, sizeof p.usbDescId);
    record.Int(p.hasUsbDescId);
    for (int i = 0; i < p.registerCount && i < REGISTER_TABLE_MAX_REGISTERS; ++i) {
        const Register& r = p.registers[i];
        record.Text(r.type);
        record.Text(r.name);
        record.Text(r.address);
        record.Int(r.startByte);
        record.Int(r.byteLength);
        record.Text(r.description);
        record.Int(r.value);
        record.Text(r.defineRef);
        record.Int(r.isItoOrder);
        record.Int(r.isTxOrder);
        record.Int(r.editable);
        record.Int(r.fromDefineTable);
        record.Text(r.group);
    }
    RecordChips(record, p.chips, p.chipCount);
    RecordChips(record, p.rxChips, p.rxChipCount);
    RecordChips(record, p.txChips, p.txChipCount);
    record.Int(p.ctrlChipCount);
    for (int i = 0; i < p.ctrlChipCount && i < REGISTER_TABLE_MAX_CHIPS; ++i) {
        record.Text(p.ctrlChips[i].chipName);
        record.Int(p.ctrlChips[i].id);
        for (int pin : p.ctrlChips[i].pins)
            record.Int(pin);
    }
    record.Int(p.ctrlRowCount);
    for (int i = 0; i < p.ctrlRowCount && i < REGISTER_TABLE_MAX_PINS; ++i)
        record.Text(p.ctrlRowNames[i]);
    record.Int(p.itoOrderCount);
    record.Int(p.txOrderCount);
    record.Int(p.firstItoOrder);
    record.Int(p.firstTxOrder);
    record.Int(p.nonReservedCount);
    record.Int(p.isParserReady());
    record.Int(p.getStartAddr());
    record.Int(p.getParamAddress("Param0007"));
    record.Int(p.getParamAddress("ItoOrder1"));
}

// A table of n registers in short form, with groups, continued descriptions,
// define tables and pin blocks with up to `chips` chips.
std::string GeneratedTable(int registers, int chips, unsigned seed) {
    CorpusRandom random(seed);
    std::string t =
        "Online FW Tool,,,,,,,\n"
        "Main Code ID,00 50 12 01,Build Time,20240311153000 R2,Checksum,0x5A3C,USB Desc ID,51 34 30 31\n"
        "Register,Address,Start Byte,Length,Description,Define,,\n";
    const char* types[] = {"char", "short", "int"};
    for (int i = 0; i < registers; ++i) {
        if (i % 37 == 0)
            t += "////Group" + std::to_string(i / 37) + "\n";
        char row[200];
        const char* name = i % 11 == 3   ? "ItoOrder"
                           : i % 13 == 5 ? "TxOrder"
                           : i % 17 == 9 ? "reserved"
                                         : "Param";
        snprintf(row, sizeof row, "%s %s%04d,0x%08x,%d,%d,Register number %d,%s\n", types[random.Below(3)],
                 name, i, 0x20000000 + i * 4, random.Below(4), 1 + random.Below(4), i,
                 i % 7 == 0 ? "FLAG_EN" : "");
        t += row;
        if (i % 19 == 0)
            t += "///continued description " + std::to_string(i) + "\n";
    }
    t += "////DefineData\n0x20000200,0,2,PanelWidth,1920\n////DefineTable\n0x20000120,0,1,FLAG_EN,0\n";
    for (const char* block : {"Pin Assignment,,,\n", "Pin Assignment,Rx,,\n", "Pin Assignment,Tx,,\n"}) {
        t += block;
        std::string chipRow = "chip", idRow = "id", pinsRow = "pins";
        for (int c = 0; c < chips; ++c) {
            chipRow += ",Chip" + std::to_string(c);
            idRow += ",5a50" + std::to_string(10 + c);
            pinsRow += "," + std::to_string(3 + c);
        }
        t += chipRow + "\n" + idRow + "\n" + pinsRow + "\n";
        for (int pin = 0; pin < 3 + chips - 1; ++pin) {
            t += "CH" + std::to_string(pin);
            for (int c = 0; c < chips; ++c)
                t += pin < 3 + c ? ",CIN" + std::to_string(pin + 20 * c) : ",";
            t += "\n";
        }
    }
    t += "Ctrl Pin "
         "Table,,,\nchip,Master,Slave1\nid,5a5001,5a5002\nname,pin,pin\nRESET,CIN40,CIN40\nINT,CIN41,CIN42\n";
    return t;
}

// Damage: a line removed, a line doubled, or the text cut short.
std::string Damaged(const std::string& text, CorpusRandom& random) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    const int which = random.Below(static_cast<int>(lines.size()));
    switch (random.Below(3)) {
        case 0:
            lines.erase(lines.begin() + which);
            break;
        case 1:
            lines.insert(lines.begin() + which, lines[which]);
            break;
        default: {
            std::string out;
            for (const std::string& line : lines)
                out += line;
            return out.substr(0, random.Below(static_cast<int>(out.size()) + 1));
        }
    }
    std::string out;
    for (const std::string& line : lines)
        out += line;
    return out;
}

TEST(PellitonCorpus, Tables) {
    CorpusDigests digests;
    std::vector<std::pair<std::string, std::string>> texts;
    const std::string demo = SUITE_TEST_DATA_DIR "/../../demo/register-tables/Q50_Online_0050.csv";
    std::unique_ptr<CCsvParser> fromDemo;
    {
        FILE* f = fopen(demo.c_str(), "rb");
        ASSERT_NE(f, nullptr) << demo;
        std::string bytes;
        int c;
        while ((c = getc(f)) != EOF)
            bytes.push_back(static_cast<char>(c));
        fclose(f);
        texts.push_back({"demo", bytes});
    }
    texts.push_back({"gen10", GeneratedTable(10, 1, 1)});
    texts.push_back({"gen100", GeneratedTable(100, 3, 2)});
    texts.push_back({"gen1000", GeneratedTable(1000, 5, 3)});
    texts.push_back({"gen1001", GeneratedTable(1001, 2, 4)});
    texts.push_back({"gen31chips", GeneratedTable(20, 31, 5)});
    texts.push_back({"crlf", [] {
                         std::string t, g = GeneratedTable(50, 2, 6);
                         for (char c : g)
                             t += c == '\n' ? std::string("\r\n") : std::string(1, c);
                         return t;
                     }()});
    CorpusRandom random(9);
    const size_t whole = texts.size();
    for (size_t i = 0; i < whole; ++i)
        for (int d = 0; d < 12; ++d)
            texts.push_back(
                {texts[i].first + "-damaged" + std::to_string(d), Damaged(texts[i].second, random)});

    for (const auto& text : texts) {
        for (bool tbl : {false, true}) {
            const std::string name = text.first + (tbl ? ".tbl" : ".csv");
            ASSERT_TRUE(test_support::WriteBytes(name, tbl ? TblForm(text.second) : text.second));
            for (bool headerOnly : {false, true}) {
                ByteRecord record;
                std::unique_ptr<CCsvParser> parser;
                Captured(record, [&] {
                    parser.reset(headerOnly ? new CCsvParser(name.c_str(), true)
                                            : new CCsvParser(name.c_str()));
                });
                RecordTable(record, *parser);
                digests.Add("table-" + name + (headerOnly ? "-header" : ""), record);
            }
        }
    }

    // The folder search over every table written above.
    CreateFolder("tables");
    for (size_t i = 0; i < 3; ++i)
        ASSERT_TRUE(test_support::WriteBytes("tables/" + texts[i].first + ".csv", texts[i].second));
    for (const char* time : {"20240311153000", "20990101000000"}) {
        ByteRecord record;
        std::unique_ptr<CCsvParser> parser;
        Captured(record, [&] { parser.reset(new CCsvParser("tables", "00 50 12 01", time)); });
        RecordTable(record, *parser);
        digests.Add(std::string("table-search-") + time, record);
    }
    digests.CompareWith(kGolden, "table-");
}

}  // namespace
