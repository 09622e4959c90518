// A report-style list view: columns in 96-dpi widths (re-scaled with the
// window's DPI), one selection, full-row select. Rows are either items with
// text and a value, or, in a virtual list (LVS_OWNERDATA), a count whose cells
// are asked for only when shown: showing, refreshing and scrolling then cost
// the same for ten rows or a hundred thousand.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/controls/control.h"

namespace quorvel::ui {

struct ListColumn {
    const wchar_t* title;      // English, marked NW_: shown translated
    int width96;               // in 96-dpi pixels
    int format = LVCFMT_LEFT;  // LVCFMT_RIGHT for numbers
};

class ListView : public Control {
public:
    // Replaces the columns; widths are scaled to Dpi().
    void SetColumns(std::span<const ListColumn> columns);
    int ColumnWidth(int column) const;

    // Inserts a row at index (Count() appends) with the first column's text
    // (UTF-8) and a value of the caller's; returns its index, -1 on failure.
    int InsertItem(int index, std::string_view text, LPARAM data = 0);
    void SetItemText(int item, int column, std::string_view text);
    std::string ItemText(int item, int column) const;
    LPARAM ItemData(int item) const;
    int Count() const;
    void DeleteItem(int item);
    void Clear();

    // The first selected row, -1 for none.
    int Selected() const;
    // Selects and focuses one row, scrolled into view (-1 clears the selection);
    // runs onSelectionChanged like a click would.
    void Select(int item);

    // A virtual list's rows: their number, and their cells redrawn (asked for again).
    void SetVirtualCount(int count);
    // Suspends drawing (false) while rows change, and draws again (true).
    void SetRedraw(bool redraw);

    // The selected row changed (by the user or by Select).
    std::function<void()> onSelectionChanged;
    // A virtual list's cell text (UTF-8).
    std::function<std::string(int row, int column)> onCellText;
    // Enter, or a double-click (row -1: on no row).
    std::function<void(int row)> onActivate;
    // A key went down in the list (VK_ code); true when it was taken.
    std::function<bool(WORD key)> onKey;

    bool ReflectNotify(const NMHDR& header, LRESULT& result) override;

protected:
    void OnAttach() override;
    void OnDpiChanged(UINT oldDpi) override;

private:
    int FindRow(const LVFINDINFOW& find, int start) const;
    std::wstring cell_;  // the last cell handed to the list, alive until it asks again
};

}  // namespace quorvel::ui
