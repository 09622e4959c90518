// A report-style list view: columns in 96-dpi widths (re-scaled with the
// window's DPI), rows with text and a value, one selection, full-row select.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/controls/control.h"

namespace quorvel::ui {

struct ListColumn {
    const wchar_t* title;
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

    // The selected row changed (by the user or by Select).
    std::function<void()> onSelectionChanged;

    bool ReflectNotify(const NMHDR& header, LRESULT& result) override;

protected:
    void OnAttach() override;
    void OnDpiChanged(UINT oldDpi) override;
};

}  // namespace quorvel::ui
