#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "vantro/IniStore.h"
#include "test_support/TestFiles.h"

namespace vantro {

using test_support::WriteBytes;

namespace {

struct Dict {
    IniDictionary* d;
    explicit Dict(const std::string& text) {
        WriteBytes("parse.ini", text);
        d = IniLoad("parse.ini");
    }
    ~Dict() { IniFree(d); }
    const char* Get(const char* s, const char* k) { return IniGetString(d, s, k); }
};

// Sections and keys of the dictionary in walk order, as "[S]k=v;".
void VisitKey(const char* key, void* value, void* extra) {
    *static_cast<std::string*>(extra) += std::string(key) + "=" + static_cast<IniValue*>(value)->text + ";";
}
void VisitSection(const char* name, void* keys, void* extra) {
    *static_cast<std::string*>(extra) += std::string("[") + name + "]";
    NameTableForEach(static_cast<NameTable*>(keys), VisitKey, extra);
}
std::string Walk(IniDictionary* d) {
    std::string out;
    NameTableForEach(d->sections, VisitSection, &out);
    return out;
}

struct ParseCase {
    const char* name;
    const char* text;
    const char* walk;
};

TEST(IniParse, TableOfCases) {
    const ParseCase cases[] = {
        {"header without keys leaves no trace; repeated header adds to the first",
         "[A]\nx=1\n[B]\n[a]\ny=2\n", "[A]x=1;y=2;"},
        {"key before any header", "k=v\n[S]\nz=1\n", "[DEFAULT]k=v;[S]z=1;"},
        {"value holding = and a line ending at =", "[S]\nkey = a=b\nempty=\n", "[S]key=a=b;empty=;"},
        {"junk takes the value after the next separator", "[S]\njunk\na=1\n", "[S]junk=1;"},
        {"repeated key keeps the last value", "[S]\nk=1\nk=2\n", "[S]k=2;"},
        {"names keep their first spelling", "[Sec]\nKey=1\n[SEC]\nKEY=2\n", "[Sec]Key=2;"},
        {"last line without a line end", "[S]\na=1\nb=2", "[S]a=1;b=2;"},
        {"last line ending at the separator", "[S]\na=", "[S]a=;"},
        {"colon separator and leading blanks", "[S]\nk:\t  v\n", "[S]k=v;"},
        {"comment where a key starts, even with [ or =", "[S]\n# [X] a=b\nk=1\n#c\n[T]\nm=2\n",
         "[S]k=1;[T]m=2;"},
        {"# inside a value stays text", "[S]\nk=v # x\n", "[S]k=v # x;"},
    };
    for (const ParseCase& c : cases) {
        Dict d(c.text);
        ASSERT_NE(d.d, nullptr) << c.name;
        EXPECT_EQ(Walk(d.d), c.walk) << c.name;
    }
}

TEST(IniParse, LookupIsCaseInsensitive) {
    Dict d("[Sec]\nKey=1\n");
    EXPECT_STREQ(d.Get("sEC", "kEY"), "1");
    EXPECT_EQ(d.Get("B", "x"), nullptr);
    EXPECT_EQ(d.Get("Sec", "other"), nullptr);
}

TEST(IniParse, CrLfFileLoadsLikeItsLfTwin) {
    Dict lf("[S]\na = 1 \nb=two\n");
    Dict crlf("[S]\r\na = 1 \r\nb=two\r\n");
    EXPECT_STREQ(lf.Get("S", "a"), "1");
    EXPECT_STREQ(crlf.Get("S", "a"), "1");
    EXPECT_STREQ(crlf.Get("S", "b"), "two");
}

TEST(IniGet, TrimsInPlaceAndConvertsLikeAtoi) {
    Dict d("[S]\nv= 5 \r\nn=12abc\nw=abc\n");
    EXPECT_EQ(IniGetInt(d.d, "S", "v"), 5);
    EXPECT_STREQ(d.Get("S", "v"), "5");
    const IniValue* node = IniGetValue(d.d, "S", "v");
    EXPECT_EQ(node->text, "5");  // the stored value stays cut
    EXPECT_EQ(IniGetInt(d.d, "S", "n"), 12);
    EXPECT_EQ(IniGetInt(d.d, "S", "w"), 0);
    EXPECT_EQ(IniGetInt(d.d, "S", "absent"), 0);
    EXPECT_EQ(IniGetInt(d.d, "Absent", "v"), 0);
}

TEST(IniSet, ChangesOnlyExistingKeysAndCutsAtLineEnds) {
    Dict d("[S]\nk=1\n");
    EXPECT_EQ(IniSetString(d.d, "S", "absent", "x"), nullptr);
    EXPECT_EQ(IniSetString(d.d, "Absent", "k", "x"), nullptr);
    EXPECT_STREQ(IniSetString(d.d, "s", "K", "B1\r\n[X]\ninjected=1"), "B1");
    EXPECT_EQ(Walk(d.d), "[S]k=B1;");
}

TEST(IniSet, GrownValueIsSeenThroughEveryTextSetting) {
    Dict d("[S]\nk=1\n");
    IniText a = IniGetText(d.d, "S", "k");
    IniText b = IniGetText(d.d, "S", "k");
    const std::string longer(5000, 'x');
    IniSetString(d.d, "S", "k", longer.c_str());
    EXPECT_EQ(std::string(a.c_str()), longer);
    EXPECT_EQ(std::string(b.c_str()), longer);
    EXPECT_STREQ(IniGetText(d.d, "S", "absent").c_str(), "");
}

TEST(IniLoad, SizeLimitAndEmptyFile) {
    std::string exact = "[S]\nk=";
    exact += std::string(65536 - exact.size() - 1, 'v') + "\n";
    ASSERT_EQ(exact.size(), 65536u);
    WriteBytes("exact.ini", exact);
    IniDictionary* d = IniLoad("exact.ini");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(std::strlen(IniGetString(d, "S", "k")), 65536u - 7);
    IniFree(d);

    WriteBytes("over.ini", exact + "x");
    EXPECT_EQ(IniLoad("over.ini"), nullptr);
    EXPECT_EQ(IniLoad("missing.ini"), nullptr);

    WriteBytes("empty.ini", "");
    d = IniLoad("empty.ini");
    ASSERT_NE(d, nullptr);
    ASSERT_NE(d->sections, nullptr);
    EXPECT_EQ(Walk(d), "");
    IniFree(d);
}

TEST(NameTable, BucketsFollowNumberOfFirstUseModulo63) {
    NameTable* t = NameTableCreate();
    int values[130];
    for (int i = 0; i < 130; ++i)
        NameTablePut(t, ("n" + std::to_string(i)).c_str(), &values[i]);
    std::vector<std::string> order;
    NameTableForEach(
        t,
        [](const char* name, void*, void* extra) {
            static_cast<std::vector<std::string>*>(extra)->push_back(name);
        },
        &order);
    ASSERT_EQ(order.size(), 130u);
    // bucket 0: n0, n63, n126; bucket 1: n1, n64, n127 ...
    EXPECT_EQ(order[0], "n0");
    EXPECT_EQ(order[1], "n63");
    EXPECT_EQ(order[2], "n126");
    EXPECT_EQ(order[3], "n1");
    EXPECT_EQ(order[order.size() - 2], "n62");
    EXPECT_EQ(order.back(), "n125");
    // A lookup numbers a new name too, so it takes a bucket of its own.
    NameTable* u = NameTableCreate();
    EXPECT_EQ(NameTableGet(u, "first"), nullptr);
    NameTablePut(u, "second", &values[0]);
    EXPECT_EQ(NameOrdinal(u, "SECOND"), 1u);
    EXPECT_EQ(NameTableRemove(u, "second"), &values[0]);
    EXPECT_EQ(NameTableGet(u, "second"), nullptr);
    NameTableDestroy(u, nullptr);
    NameTableDestroy(t, nullptr);
}

TEST(IniParse, RandomAndTruncatedInputsNeverCrash) {
    const std::string seedText = "[A]\nx = 1\n# c\n[B]\ny:2=3\njunk\n[C\nz=\n";
    std::mt19937 random(12345);
    const char alphabet[] = "[]=:#\n\r\t ab1";
    for (int round = 0; round < 400; ++round) {
        std::string text;
        if (round % 2 == 0) {
            text = seedText.substr(0, random() % (seedText.size() + 1));
        } else {
            const size_t length = random() % 200;
            for (size_t i = 0; i < length; ++i) {
                const unsigned r = random() % 20;
                text += r < 13 ? alphabet[r] : static_cast<char>(random() % 256);
            }
        }
        IniDictionary* d = new IniDictionary();
        d->sections = NameTableCreate();
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        IniParseText(d, buffer.data(), text.size());
        IniGetString(d, "A", "x");
        IniSetString(d, "B", "y", "v");
        d->text = nullptr;
        IniFree(d);
    }
}

}  // namespace

}  // namespace vantro
