#include "afx/CString.h"

#include "res/StringTable.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

CString::CString(const char* text) : m_text(text ? text : "") {}

CString::CString(std::string_view text) : m_text(text) {}

CString::CString(std::string text) : m_text(std::move(text)) {}

CString::CString(char ch, int repeat) : m_text(static_cast<std::size_t>(std::max(repeat, 0)), ch) {}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
    } else {
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(length));
        m_text = std::move(text);
    }
    va_end(args);
}

BOOL CString::LoadResourceString(UINT id) {
    const std::optional<std::string_view> text = res::FindString(id);
    if (!text) {
        return FALSE;
    }
    m_text.assign(*text);
    return TRUE;
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, static_cast<std::size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Mid(int first, int count) const {
    const int start = std::clamp(first, 0, GetLength());
    const int available = GetLength() - start;
    const int take = count < 0 ? available : std::min(count, available);
    return CString(m_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(take)));
}

CString CString::Right(int count) const {
    const int take = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(static_cast<std::size_t>(GetLength() - take)));
}

int CString::Find(std::string_view what, int start) const {
    if (start < 0 || start > GetLength()) {
        return -1;
    }
    const std::size_t at = m_text.find(what, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Compare(std::string_view other) const {
    const int order = std::string_view(m_text).compare(other);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CString::CompareNoCase(std::string_view other) const {
    auto fold = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    const std::size_t common = std::min(m_text.size(), other.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char left = fold(m_text[i]);
        const unsigned char right = fold(other[i]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    if (m_text.size() == other.size()) {
        return 0;
    }
    return m_text.size() < other.size() ? -1 : 1;
}

CString& CString::operator+=(std::string_view text) {
    m_text.append(text);
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text.push_back(ch);
    return *this;
}

CString operator+(const CString& left, std::string_view right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(std::string_view left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}
