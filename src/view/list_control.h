#pragma once

#include <string>

class VostekItem;

// Row states, as the list control knows them. The Windows headers define the same
// values as macros, which then stand in for these.
#ifndef LVIS_FOCUSED
inline constexpr unsigned LVIS_FOCUSED = 0x1;
inline constexpr unsigned LVIS_SELECTED = 0x2;
#endif

// The list of rows the view logic works on: one column, multiple selection, a
// VostekItem pointer per row. The Qt front end implements it over its list widget;
// tests implement it in memory.
class ListControl {
 public:
  virtual ~ListControl() = default;

  virtual int GetItemCount() const = 0;
  // Rows that fit wholly in the visible area; 0 when not even one fits.
  virtual int GetCountPerPage() const = 0;
  virtual void DeleteAllItems() = 0;
  // Inserts a row at `row` with the item's text and, when image >= 0, that image.
  virtual void InsertItem(int row, const std::string& text, int image, VostekItem* item) = 0;
  virtual void DeleteItem(int row) = 0;
  virtual VostekItem* GetItemData(int row) const = 0;
  virtual void SetItemText(int row, const std::string& text) = 0;
  // Sets the bits of `mask` to those of `state`; row -1 means every row.
  virtual void SetItemState(int row, unsigned state, unsigned mask) = 0;
  virtual unsigned GetItemState(int row, unsigned mask) const = 0;
  // The first selected row after `row` (-1: from the start); -1 when there is none.
  virtual int GetNextSelected(int row) const = 0;
  virtual int GetSelectedCount() const = 0;
  // Scrolls until the row is wholly visible.
  virtual void EnsureVisible(int row) = 0;
  // Opens the in-place name editor on the row.
  virtual void EditLabel(int row) = 0;
};
