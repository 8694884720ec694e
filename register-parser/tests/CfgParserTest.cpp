#include "pelliton/CfgParser.h"
#include "TestFiles.h"

#include <string>
#include <utility>
#include <vector>

namespace pelliton {

namespace {

typedef std::vector<std::pair<std::string, int>> Entries;

Entries entriesOf(CCfgParser& parser) {
    Entries out;
    for (const Config& c : *parser.getContent())
        out.push_back({c.key.GetString(), c.value});
    return out;
}

Entries parseCfg(const std::string& text) {
    writeFile("case.cfg", text);
    CCfgParser parser("case.cfg");
    return entriesOf(parser);
}

TEST(CfgParser, Lines) {
    struct {
        const char* what;
        std::string text;
        Entries entries;
    } cases[] = {
        {"hex value with a comment", "Gain = 0x1F ; note\n", {{"Gain", 31}}},
        {"hash comment", "Gain=5#x=6\n", {{"Gain", 5}}},
        {"digits then letters", "Rate = 12abc\n", {{"Rate", 12}}},
        {"letters only dropped", "Rate = abc\n", {}},
        {"-1 and 0xFFFFFFFF dropped", "A=-1\nB=0xFFFFFFFF\nC=-2\n", {{"C", -2}}},
        {"empty key or value dropped", "=5\nK=\n  =  \n", {}},
        {"two = signs split at the first", "K=V=3\nL= 4=x\n", {{"L", 4}}},
        {"duplicates kept in order", "K=1\nK=2\n", {{"K", 1}, {"K", 2}}},
        {"upper-case 0X", "K=0X10\n", {{"K", 16}}},
        {"no line end on the last line", "K=1\nL=2", {{"K", 1}, {"L", 2}}},
        {"line without =", "just text\n", {}},
        {"blanks and tabs around", " \tKey\t =\t 7 \t\n", {{"Key", 7}}},
        {"long line with a commented =",
         "Gain = 3 # " + std::string(100, 'x') + " = 9 " + std::string(50, 'y') + "\n",
         {{"Gain", 3}}},
        {"CR LF twin", "Gain = 0x1F ; note\r\nRate = 12\r\n", {{"Gain", 31}, {"Rate", 12}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseCfg(c.text), c.entries) << c.what;
}

}  // namespace

}  // namespace pelliton

// The parser's friend, so it stays outside the namespace.
class CCfgParserTestAccess {
public:
    static bool parseFile(CCfgParser& parser) { return parser.parseFile(); }
};

namespace pelliton {

namespace {

TEST(CfgParser, VerbosePrintsEachKeptEntry) {
    writeFile("verbose.cfg", "Gain = 0x1F ; note\nSkip = -1\nbad line\nRate=12abc\n");
    testing::internal::CaptureStdout();
    CCfgParser parser("verbose.cfg");  // the constructor parses quietly
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    parser.setVerbose(1);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(CCfgParserTestAccess::parseFile(parser));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\nkey = Gain, value = 0x1F\nkey = Rate, value = 12abc\n");
    EXPECT_EQ(entriesOf(parser), (Entries{{"Gain", 31}, {"Rate", 12}, {"Gain", 31}, {"Rate", 12}}));
}

#ifdef _WIN32
// The comment cut never splits a double-byte character.  Code page 1361
// (Johab) has characters whose trail byte is ';' (0xD9 0x3B); code page 950
// keys and values keep their characters whole.
TEST(CfgParser, CommentCutKeepsDoubleByteCharacters) {
    {
        MultiByteCodePage johab(1361);
        ASSERT_TRUE(johab.set());
        EXPECT_EQ(parseCfg("\xD9\x3BKey = 3 ; note\n"), (Entries{{"\xD9\x3BKey", 3}}));
    }
    MultiByteCodePage big5(950);
    ASSERT_TRUE(big5.set());
    EXPECT_EQ(parseCfg("\xA4\x5C\xA4\x40 = 0x10 # \xA4\x40\n"), (Entries{{"\xA4\x5C\xA4\x40", 16}}));
}
#endif

TEST(CfgParser, MissingFileIsEmptyAndSilent) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    CCfgParser parser("no-such.cfg");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(parser.getContent()->empty());
}

TEST(CfgParser, CopiesAndAssignment) {
    writeFile("a.cfg", "A=1\nB=2\n");
    writeFile("b.cfg", "C=3\n");
    for (int order = 0; order < 2; ++order) {
        CCfgParser* source = new CCfgParser("a.cfg");
        CCfgParser* copy = new CCfgParser(*source);
        CCfgParser* assigned = new CCfgParser("b.cfg");
        *assigned = *source;
        *assigned = *assigned;
        EXPECT_EQ(entriesOf(*copy), (Entries{{"A", 1}, {"B", 2}}));
        EXPECT_EQ(entriesOf(*assigned), (Entries{{"A", 1}, {"B", 2}}));
        EXPECT_NE(copy->getContent(), source->getContent());
        if (order == 0) {
            delete source;
            delete copy;
            delete assigned;
        } else {
            delete assigned;
            delete copy;
            delete source;
        }
    }
}

}  // namespace

}  // namespace pelliton
