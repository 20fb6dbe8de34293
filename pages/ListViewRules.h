#pragma once

#include "afx/Afx.h"

#include <optional>

// What the port list and the monitor list do alike.
namespace pages {

// Grid lines and whole-row selection, no hot tracking; every other extended style bit
// stays as it is.
void ApplyListStyle(CListCtrl& list);

// The first selected row, looked for from row 0 on; none when no row is selected.
std::optional<int> FindSelectedRow(const CListCtrl& list);

// Selects `row` without giving it the focus state.
void SelectRow(CListCtrl& list, int row);

// A text the spooler gave, which may be missing: shown as empty text.
inline std::string_view TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace pages
