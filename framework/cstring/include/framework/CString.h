// CString: the portable 8-bit ANSI string of the suite.
//
// It is one pointer in size (records that embed it keep a fixed layout), and
// its text lives in a block from the C runtime's malloc, so a string made
// inside a DLL can be released by the program that called it.  Searches step
// over double-byte characters on Windows (the ANSI code page's lead bytes).
#pragma once

#include <cstddef>

class CString {
public:
    CString();
    CString(const char* text);  // NULL reads as ""
    CString(const char* text, int length);
    CString(const CString& other);
    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    ~CString();

    int GetLength() const;
    bool IsEmpty() const { return GetLength() == 0; }
    void Empty();
    const char* GetString() const { return m_data != nullptr ? m_data : ""; }
    operator const char*() const { return GetString(); }
    char GetAt(int index) const;

    // Searches return the byte index of the match, or -1.  A start past the
    // end finds nothing.
    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int FindOneOf(const char* set) const;

    // Parts; counts are clamped to the string.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // White space: blank, tab, line feed, carriage return, vertical tab, form feed.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;

    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

private:
    void assign(const char* text, size_t length);
    void append(const char* text, size_t length);

    char* m_data;  // NULL for the empty string
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
inline bool operator==(const CString& a, const char* b) {
    return a.Compare(b) == 0;
}
inline bool operator==(const CString& a, const CString& b) {
    return a.Compare(b) == 0;
}
inline bool operator!=(const CString& a, const char* b) {
    return a.Compare(b) != 0;
}
inline bool operator!=(const CString& a, const CString& b) {
    return a.Compare(b) != 0;
}
inline bool operator<(const CString& a, const CString& b) {
    return a.Compare(b) < 0;
}

static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer");
