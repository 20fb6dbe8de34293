#pragma once

#include "afx/WinDefs.h"

#include <compare>
#include <string>
#include <string_view>

// An 8-bit text as the pages use it: UTF-8 here, so Chinese user-interface texts pass
// through unchanged. Lengths and positions count bytes.
class CString {
public:
    CString() = default;
    CString(const char* text);  // NOLINT: converts like the classic class; null is empty
    CString(std::string_view text);
    CString(std::string text);
    CString(char ch, int repeat = 1);

    const char* GetString() const noexcept { return m_text.c_str(); }
    const std::string& Str() const noexcept { return m_text; }
    operator std::string_view() const noexcept { return m_text; }

    int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const noexcept { return m_text.empty(); }
    void Empty() noexcept { m_text.clear(); }

    // printf-style formatting; replaces the text.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Loads a string of the string table (res/). FALSE, and the text unchanged, when
    // the table has no such string.
    BOOL LoadResourceString(UINT id);

    CString Left(int count) const;
    CString Mid(int first, int count = -1) const;
    CString Right(int count) const;
    int Find(std::string_view what, int start = 0) const;  // -1 when absent
    int Compare(std::string_view other) const;             // <0, 0, >0 by bytes
    int CompareNoCase(std::string_view other) const;       // ASCII letters fold

    CString& operator+=(std::string_view text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& left, std::string_view right);
    friend CString operator+(std::string_view left, const CString& right);
    friend bool operator==(const CString& left, std::string_view right) noexcept {
        return std::string_view(left.m_text) == right;
    }
    friend std::strong_ordering operator<=>(const CString& left, std::string_view right) noexcept {
        return std::string_view(left.m_text) <=> right;
    }

private:
    std::string m_text;
};
