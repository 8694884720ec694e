#include "framework/CString.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <mbctype.h>
#include <mbstring.h>
#endif

namespace {

bool isLeadByte(const char* p) {
#ifdef _WIN32
    return _ismbblead(static_cast<unsigned char>(*p)) != 0 && p[1] != '\0';
#else
    (void)p;
    return false;
#endif
}

// Width in bytes of the character at p (2 for a double-byte character).
size_t charWidth(const char* p) {
    return isLeadByte(p) ? 2 : 1;
}

bool isWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int clampIndex(int value, int length) {
    if (value < 0)
        return 0;
    if (value > length)
        return length;
    return value;
}

}  // namespace

CString::CString() : m_data(nullptr) {}

CString::CString(const char* text) : m_data(nullptr) {
    if (text != nullptr)
        assign(text, strlen(text));
}

CString::CString(const char* text, int length) : m_data(nullptr) {
    if (text != nullptr && length > 0)
        assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(const CString& other) : m_data(nullptr) {
    assign(other.GetString(), static_cast<size_t>(other.GetLength()));
}

CString& CString::operator=(const CString& other) {
    if (this != &other)
        assign(other.GetString(), static_cast<size_t>(other.GetLength()));
    return *this;
}

CString& CString::operator=(const char* text) {
    if (text == nullptr) {
        Empty();
        return *this;
    }
    assign(text, strlen(text));
    return *this;
}

CString::~CString() {
    free(m_data);
}

// Copies first, then releases: text may point into this string.
void CString::assign(const char* text, size_t length) {
    char* copy = nullptr;
    if (length > 0) {
        copy = static_cast<char*>(malloc(length + 1));
        if (copy == nullptr)
            return;  // out of memory: the old text stays
        memcpy(copy, text, length);
        copy[length] = '\0';
    }
    free(m_data);
    m_data = copy;
}

void CString::append(const char* text, size_t length) {
    if (length == 0)
        return;
    const size_t old = static_cast<size_t>(GetLength());
    if (old + length + 1 > static_cast<size_t>(INT_MAX))
        return;  // lengths are int
    char* grown = static_cast<char*>(malloc(old + length + 1));
    if (grown == nullptr)
        return;
    memcpy(grown, GetString(), old);
    memcpy(grown + old, text, length);
    grown[old + length] = '\0';
    free(m_data);
    m_data = grown;
}

int CString::GetLength() const {
    return m_data != nullptr ? static_cast<int>(strlen(m_data)) : 0;
}

void CString::Empty() {
    free(m_data);
    m_data = nullptr;
}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_data[index];
}

int CString::Find(char ch, int start) const {
    const char* s = GetString();
    const int length = GetLength();
    if (start < 0)
        start = 0;
    if (start >= length)
        return -1;
    for (const char* p = s + start; *p != '\0'; p += charWidth(p)) {
        if (*p == ch && !isLeadByte(p))
            return static_cast<int>(p - s);
    }
    return -1;
}

int CString::Find(const char* text, int start) const {
    const char* s = GetString();
    const int length = GetLength();
    if (text == nullptr)
        return -1;
    if (start < 0)
        start = 0;
    if (start > length)
        return -1;
    const size_t n = strlen(text);
    for (const char* p = s + start;; p += charWidth(p)) {
        if (strncmp(p, text, n) == 0)
            return static_cast<int>(p - s);
        if (*p == '\0')
            return -1;
    }
}

int CString::FindOneOf(const char* set) const {
    const char* s = GetString();
    if (set == nullptr)
        return -1;
    for (const char* p = s; *p != '\0'; p += charWidth(p)) {
        if (isLeadByte(p)) {
            // A double-byte character matches only the same pair in the set.
            for (const char* q = set; *q != '\0'; q += charWidth(q))
                if (isLeadByte(q) && q[0] == p[0] && q[1] == p[1])
                    return static_cast<int>(p - s);
            continue;
        }
        for (const char* q = set; *q != '\0'; q += charWidth(q))
            if (!isLeadByte(q) && *q == *p)
                return static_cast<int>(p - s);
    }
    return -1;
}

CString CString::Left(int count) const {
    const int length = GetLength();
    return CString(GetString(), clampIndex(count, length));
}

CString CString::Mid(int first) const {
    return Mid(first, INT_MAX);
}

CString CString::Mid(int first, int count) const {
    const int length = GetLength();
    first = clampIndex(first, length);
    if (count < 0)
        count = 0;
    if (count > length - first)
        count = length - first;
    return CString(GetString() + first, count);
}

CString CString::Right(int count) const {
    const int length = GetLength();
    count = clampIndex(count, length);
    return CString(GetString() + (length - count), count);
}

CString& CString::TrimLeft() {
    const char* s = GetString();
    const char* p = s;
    while (isWhite(*p))
        ++p;
    if (p != s)
        assign(p, strlen(p));
    return *this;
}

CString& CString::TrimRight() {
    const char* s = GetString();
    // Walk forward so a trail byte that looks like white space is not cut.
    const char* keepEnd = s;
    for (const char* p = s; *p != '\0'; p += charWidth(p))
        if (!isWhite(*p) || isLeadByte(p))
            keepEnd = p + charWidth(p);
    if (*keepEnd != '\0')
        assign(s, static_cast<size_t>(keepEnd - s));
    return *this;
}

CString& CString::Trim() {
    TrimRight();
    return TrimLeft();
}

int CString::Compare(const char* text) const {
    return strcmp(GetString(), text != nullptr ? text : "");
}

int CString::CompareNoCase(const char* text) const {
#ifdef _WIN32
    return _mbsicmp(reinterpret_cast<const unsigned char*>(GetString()),
                    reinterpret_cast<const unsigned char*>(text != nullptr ? text : ""));
#else
    const unsigned char* a = reinterpret_cast<const unsigned char*>(GetString());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(text != nullptr ? text : "");
    for (;; ++a, ++b) {
        int x = (*a >= 'A' && *a <= 'Z') ? *a + 32 : *a;
        int y = (*b >= 'A' && *b <= 'Z') ? *b + 32 : *b;
        if (x != y || x == 0)
            return x - y;
    }
#endif
}

CString& CString::operator+=(const CString& other) {
    if (&other == this) {
        CString copy(other);
        append(copy.GetString(), static_cast<size_t>(copy.GetLength()));
    } else {
        append(other.GetString(), static_cast<size_t>(other.GetLength()));
    }
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text == nullptr)
        return *this;
    CString copy(text);  // text may point into this string
    append(copy.GetString(), static_cast<size_t>(copy.GetLength()));
    return *this;
}

CString& CString::operator+=(char ch) {
    if (ch == '\0')
        return *this;
    append(&ch, 1);
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString s(a);
    s += b;
    return s;
}

CString operator+(const CString& a, const char* b) {
    CString s(a);
    s += b;
    return s;
}

CString operator+(const char* a, const CString& b) {
    CString s(a);
    s += b;
    return s;
}
