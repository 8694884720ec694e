#include "framework/CString.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <new>
#ifdef _WIN32
#include <mbctype.h>
#endif

namespace {

TEST(CString, ConstructionCopyAssignment) {
    CString empty;
    CString fromNull(static_cast<const char*>(nullptr));
    CString text("abc");
    EXPECT_STREQ(empty, "");
    EXPECT_STREQ(fromNull, "");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_FALSE(text.IsEmpty());

    CString copy(text);
    copy += "d";
    EXPECT_STREQ(text, "abc");
    EXPECT_STREQ(copy, "abcd");
    copy = text;
    EXPECT_STREQ(copy, "abc");
    copy = copy;
    EXPECT_STREQ(copy, "abc");
    copy = "xyz";
    EXPECT_STREQ(copy.GetString(), "xyz");
    copy = static_cast<const char*>(nullptr);
    EXPECT_TRUE(copy.IsEmpty());
    copy.Empty();
    EXPECT_STREQ(copy, "");
}

TEST(CString, Find) {
    CString s("a=b=c;d");
    EXPECT_EQ(s.Find('='), 1);
    EXPECT_EQ(s.Find('=', 2), 3);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find('=', 100), -1);  // from past the end
    EXPECT_EQ(s.Find('a', -5), 0);
    EXPECT_EQ(s.Find("=c"), 3);
    EXPECT_EQ(s.Find("b=", 3), -1);
    EXPECT_EQ(s.Find("d", 7), -1);
    EXPECT_EQ(s.Find("", 7), 7);
    EXPECT_EQ(s.Find("zz", 100), -1);
    EXPECT_EQ(s.FindOneOf("#;"), 5);
    EXPECT_EQ(s.FindOneOf("#"), -1);
    EXPECT_EQ(CString().Find('a'), -1);
    EXPECT_EQ(CString().Find("a"), -1);
    EXPECT_EQ(CString().FindOneOf("a"), -1);
}

TEST(CString, Parts) {
    CString s("abcdef");
    EXPECT_STREQ(s.Left(2), "ab");
    EXPECT_STREQ(s.Left(99), "abcdef");
    EXPECT_STREQ(s.Left(-1), "");
    EXPECT_STREQ(s.Mid(4), "ef");
    EXPECT_STREQ(s.Mid(1, 3), "bcd");
    EXPECT_STREQ(s.Mid(5, 10), "f");
    EXPECT_STREQ(s.Mid(10), "");
    EXPECT_STREQ(s.Mid(-2, 2), "ab");
    EXPECT_STREQ(s.Right(2), "ef");
    EXPECT_STREQ(s.Right(99), "abcdef");
    EXPECT_STREQ(s.Right(0), "");
    EXPECT_EQ(s.GetAt(1), 'b');
    EXPECT_EQ(s.GetAt(6), '\0');
}

TEST(CString, Trim) {
    struct {
        const char* in;
        const char* both;
        const char* left;
        const char* right;
    } cases[] = {
        {"  a b \t", "a b", "a b \t", "  a b"},
        {"", "", "", ""},
        {" \t\r\n\v\f", "", "", ""},
        {"x", "x", "x", "x"},
    };
    for (const auto& c : cases) {
        CString both(c.in), left(c.in), right(c.in);
        EXPECT_STREQ(both.Trim(), c.both) << c.in;
        EXPECT_STREQ(left.TrimLeft(), c.left) << c.in;
        EXPECT_STREQ(right.TrimRight(), c.right) << c.in;
    }
}

TEST(CString, CompareAndAppend) {
    CString s("Gain");
    EXPECT_EQ(s.Compare("Gain"), 0);
    EXPECT_LT(s.Compare("Gaio"), 0);
    EXPECT_EQ(s.CompareNoCase("gAIN"), 0);
    EXPECT_NE(s.CompareNoCase("gains"), 0);
    EXPECT_TRUE(s == "Gain");
    EXPECT_TRUE(s != "gain");
    EXPECT_TRUE(s == CString("Gain"));
    s += '1';
    s += CString("2");
    s += s;
    EXPECT_STREQ(s, "Gain12Gain12");
    EXPECT_STREQ(CString("a") + "b", "ab");
    EXPECT_STREQ("a" + CString("b"), "ab");
    EXPECT_STREQ(CString("a") + CString(), "a");
    CString self("xy");
    self += self.GetString();
    EXPECT_STREQ(self, "xyxy");
}

// The object is the pointer to its text, and the text's block comes from the
// C runtime's malloc: a caller may take the block and free() it, as a program
// does with text a DLL handed out.  Under the sanitizers a block from new[]
// freed this way is reported as a mismatch.
TEST(CString, TextLivesInCRuntimeBlocks) {
    alignas(CString) unsigned char storage[sizeof(CString)];
    CString* s = new (storage) CString("heap");
    char* block = nullptr;
    std::memcpy(&block, storage, sizeof block);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(static_cast<const char*>(block), s->GetString());
    EXPECT_STREQ(block, "heap");
    // The block now belongs to the caller; the object is not destroyed.
    free(block);
}

#ifdef _WIN32
// With a double-byte code page a trail byte may equal an ASCII character;
// only whole characters match.  Code page 950: 0xA4 0x5C is one character.
TEST(CString, DoubleByteAwareOnWindows) {
    const int previous = _getmbcp();
    ASSERT_EQ(_setmbcp(950), 0);
    CString s("\xA4\x5C\\x");
    EXPECT_EQ(s.Find('\\'), 2);
    EXPECT_EQ(s.FindOneOf("\\"), 2);
    EXPECT_EQ(s.Find("\\"), 2);
    CString t("\xA4\x20");  // trail byte 0x20 is not white space
    EXPECT_EQ(t.TrimRight().GetLength(), 2);
    // 0xA4 0x61 and 0xA4 0x41 are different characters: no case between them.
    EXPECT_NE(CString("\xA4\x61x").CompareNoCase("\xA4\x41X"), 0);
    EXPECT_EQ(CString("\xA4\x61x").CompareNoCase("\xA4\x61X"), 0);
    _setmbcp(previous);
}
#endif

}  // namespace
