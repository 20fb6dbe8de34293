#include "afx/win32/TextMessages.h"


#include "afx/CommonControls.h"
#include "afx/win32/WideText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace afx::win32 {
namespace {

// The framework's list view records are the ANSI records' leading fields.
static_assert(offsetof(afx::LvItem, mask) == offsetof(LVITEMA, mask));
static_assert(offsetof(afx::LvItem, iItem) == offsetof(LVITEMA, iItem));
static_assert(offsetof(afx::LvItem, iSubItem) == offsetof(LVITEMA, iSubItem));
static_assert(offsetof(afx::LvItem, state) == offsetof(LVITEMA, state));
static_assert(offsetof(afx::LvItem, stateMask) == offsetof(LVITEMA, stateMask));
static_assert(offsetof(afx::LvItem, pszText) == offsetof(LVITEMA, pszText));
static_assert(offsetof(afx::LvItem, cchTextMax) == offsetof(LVITEMA, cchTextMax));
static_assert(offsetof(afx::LvItem, iImage) == offsetof(LVITEMA, iImage));
static_assert(offsetof(afx::LvItem, lParam) == offsetof(LVITEMA, lParam));
static_assert(offsetof(afx::LvColumn, mask) == offsetof(LVCOLUMNA, mask));
static_assert(offsetof(afx::LvColumn, fmt) == offsetof(LVCOLUMNA, fmt));
static_assert(offsetof(afx::LvColumn, cx) == offsetof(LVCOLUMNA, cx));
static_assert(offsetof(afx::LvColumn, pszText) == offsetof(LVCOLUMNA, pszText));
static_assert(offsetof(afx::LvColumn, iSubItem) == offsetof(LVCOLUMNA, iSubItem));
static_assert(offsetof(afx::NmHdr, hwndFrom) == offsetof(NMHDR, hwndFrom));
static_assert(offsetof(afx::NmHdr, idFrom) == offsetof(NMHDR, idFrom));
static_assert(offsetof(afx::NmHdr, code) == offsetof(NMHDR, code));

constexpr std::size_t kFirstTextBuffer = 256;
constexpr std::size_t kLargestTextBuffer = 1 << 20;

const char* TextOf(LPARAM lParam) { return reinterpret_cast<const char*>(lParam); }

bool IsCallbackText(const char* text) { return text == reinterpret_cast<const char*>(LPSTR_TEXTCALLBACKA); }

// A list view record with its text converted; the wide text lives as long as this.
struct WideItem {
    LVITEMW item{};
    std::wstring text;

    explicit WideItem(const afx::LvItem& source) {
        item.mask = source.mask;
        item.iItem = source.iItem;
        item.iSubItem = source.iSubItem;
        item.state = source.state;
        item.stateMask = source.stateMask;
        item.iImage = source.iImage;
        item.lParam = source.lParam;
        if (IsCallbackText(source.pszText)) {
            item.pszText = LPSTR_TEXTCALLBACKW;
        } else if (source.pszText != nullptr) {
            text = Widen(source.pszText);
            item.pszText = text.data();
            item.cchTextMax = static_cast<int>(text.size() + 1);
        }
    }
};

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

// Row `index` of a combo box, or nothing when there is no such row.
std::optional<std::string> ComboRow(HWND combo, WPARAM index) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) {
        return std::nullopt;
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text);
}

std::string ListItemText(HWND list, WPARAM index, int subItem) {
    for (std::size_t size = kFirstTextBuffer; size <= kLargestTextBuffer; size *= 2) {
        std::wstring text(size, L'\0');
        LVITEMW item{};
        item.iSubItem = subItem;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT copied = ::SendMessageW(list, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
        if (copied < static_cast<LRESULT>(size) - 1) {
            text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
            return Narrow(text);
        }
    }
    return {};
}

LRESULT SendWithText(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::wstring text = Widen(TextOf(lParam) != nullptr ? TextOf(lParam) : "");
    return ::SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT SendListItem(HWND window, UINT wideMessage, WPARAM wParam, LPARAM lParam) {
    const auto* source = reinterpret_cast<const afx::LvItem*>(lParam);
    if (source == nullptr) {
        return ::SendMessageW(window, wideMessage, wParam, 0);
    }
    WideItem wide(*source);
    return ::SendMessageW(window, wideMessage, wParam, reinterpret_cast<LPARAM>(&wide.item));
}

LRESULT InsertListColumn(HWND window, WPARAM wParam, LPARAM lParam) {
    const auto* source = reinterpret_cast<const afx::LvColumn*>(lParam);
    if (source == nullptr) {
        return -1;
    }
    LVCOLUMNW column{};
    column.mask = source->mask;
    column.fmt = source->fmt;
    column.cx = source->cx;
    column.iSubItem = source->iSubItem;
    std::wstring text;
    if (source->pszText != nullptr) {
        text = Widen(source->pszText);
        column.pszText = text.data();
    }
    return ::SendMessageW(window, LVM_INSERTCOLUMNW, wParam, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

LRESULT SendConverted(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
        case CB_ADDSTRING:
        case CB_INSERTSTRING:
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
        case CB_SELECTSTRING:
            return SendWithText(window, message, wParam, lParam);
        case WM_GETTEXT:
            return static_cast<LRESULT>(
                CopyToBuffer(WindowText(window), reinterpret_cast<char*>(lParam), static_cast<std::size_t>(wParam)));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(WindowText(window).size());
        case CB_GETLBTEXTLEN: {
            const std::optional<std::string> row = ComboRow(window, wParam);
            return row ? static_cast<LRESULT>(row->size()) : CB_ERR;
        }
        case CB_GETLBTEXT: {
            // The caller sized its buffer from CB_GETLBTEXTLEN, which counts UTF-8 bytes.
            const std::optional<std::string> row = ComboRow(window, wParam);
            if (!row) {
                return CB_ERR;
            }
            return static_cast<LRESULT>(CopyToBuffer(*row, reinterpret_cast<char*>(lParam), row->size() + 1));
        }
        case LVM_INSERTITEMA:
            return SendListItem(window, LVM_INSERTITEMW, wParam, lParam);
        case LVM_SETITEMA:
            return SendListItem(window, LVM_SETITEMW, wParam, lParam);
        case LVM_SETITEMTEXTA:
            return SendListItem(window, LVM_SETITEMTEXTW, wParam, lParam);
        case LVM_SETITEMSTATE:
            return SendListItem(window, LVM_SETITEMSTATE, wParam, lParam);
        case LVM_GETITEMTEXTA: {
            auto* record = reinterpret_cast<afx::LvItem*>(lParam);
            if (record == nullptr || record->cchTextMax <= 0) {
                return 0;
            }
            const std::string text = ListItemText(window, wParam, record->iSubItem);
            return static_cast<LRESULT>(
                CopyToBuffer(text, record->pszText, static_cast<std::size_t>(record->cchTextMax)));
        }
        case LVM_INSERTCOLUMNA:
            return InsertListColumn(window, wParam, lParam);
        default:
            return ::SendMessageW(window, message, wParam, lParam);
    }
}

}  // namespace afx::win32
