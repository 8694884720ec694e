// How the store reads the syntax of "LinearConfig.ini".
#include "trelliq/IniFile.h"
#include "TestFiles.h"

#include <algorithm>
#include <string>
#include <vector>

namespace trelliq {

namespace {

struct Dump {
    std::string section;
    std::vector<std::string>* out;
};

void DumpKey(const char* key, void* value, void* context) {
    Dump* dump = static_cast<Dump*>(context);
    dump->out->push_back(dump->section + "|" + key + "=" + static_cast<const char*>(value));
}

void DumpSection(const char* name, void* table, void* context) {
    Dump inner = {name, static_cast<std::vector<std::string>*>(context)};
    HashForEach(static_cast<HashTable*>(table), DumpKey, &inner);
}

// Every stored pair as "section|key=raw value", sorted.
std::vector<std::string> StoredPairs() {
    std::vector<std::string> pairs;
    if (IniDictionary)
        HashForEach(IniDictionary->root, DumpSection, &pairs);
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

class IniSyntax : public testfiles::FreshFolderTest {
protected:
    void Load(const std::string& text) {
        testfiles::WriteText("syntax.ini", text);
        snprintf(IniFilePath, sizeof IniFilePath, "%s", "syntax.ini");
        IniDictionary = IniFileLoad();
        ASSERT_NE(IniDictionary, nullptr);
    }
    void TearDown() override {
        IniFileFree(IniDictionary);
        FreshFolderTest::TearDown();
    }
};

}  // namespace

TEST_F(IniSyntax, EdgeCasesParseAsTheFileFormatSays) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<std::string> pairs;
    };
    const Case cases[] = {
        {"keys before a header go to DEFAULT", "a=1\n[S]\nb=2\n", {"DEFAULT|a=1", "S|b=2"}},
        {"k=v", "[S]\nk=v\n", {"S|k=v"}},
        {"k = v", "[S]\nk = v\n", {"S|k=v"}},
        {"k: v", "[S]\nk: v\n", {"S|k=v"}},
        {"k= then a line end is empty", "[S]\nk=\nz=1\n", {"S|k=", "S|z=1"}},
        {"a key line without : or = joins the next", "[S]\nabc\nxyz=1\n", {"S|abc=1"}},
        {"a note keeps the blank before it", "[S]\nk=v # note\nz=2\n", {"S|k=v ", "S|z=2"}},
        {"text after ] starts a key", "[S]k=1\n", {"S|k=1"}},
        {"a last line without a line end", "[S]\nk=1", {"S|k=1"}},
        {"a last empty value without a line end", "[S]\nk=", {"S|k="}},
        {"a repeated key takes the later value", "[S]\nk=1\nk=2\n", {"S|k=2"}},
        {"a repeated header adds to the section",
         "[S]\na=1\n[T]\nb=2\n[S]\nc=3\n",
         {"S|a=1", "S|c=3", "T|b=2"}},
        {"comments and blank lines", "# top\n\n  [S]\n# k=9\nk=1\n", {"S|k=1"}},
        {"a section without keys is not kept", "[S]\nk=1\n[Empty]\n", {"S|k=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.text);
        EXPECT_EQ(StoredPairs(), c.pairs);
        IniFileFree(IniDictionary);
    }
}

TEST_F(IniSyntax, GetTrimsTheStoredValueInPlace) {
    Load("[S]\nk=v # note\nn= 12 \t\n");
    EXPECT_EQ(StoredPairs(), (std::vector<std::string>{"S|k=v ", "S|n=12 \t"}));
    EXPECT_STREQ(IniFileGetString("S", "k"), "v");
    EXPECT_EQ(IniFileGetInt("S", "n"), 12);
    EXPECT_EQ(StoredPairs(), (std::vector<std::string>{"S|k=v", "S|n=12"}));
}

TEST_F(IniSyntax, NamesMatchWithoutRegardToAsciiCase) {
    Load("[Cursor]\ncheck_Cursor=1\n");
    EXPECT_EQ(IniFileGetInt("CURSOR", "CHECK_CURSOR"), 1);
    EXPECT_STREQ(IniFileSetString("cursor", "check_cursor", "0"), "0");
    EXPECT_EQ(IniFileGetInt("Cursor", "check_Cursor"), 0);
}

}  // namespace trelliq
