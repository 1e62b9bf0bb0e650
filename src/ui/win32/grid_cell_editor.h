#pragma once
// GridCellEditor: the editor over a grid cell while the user edits it: an
// edit box, or a drop-down combo box offering the row's pick list (typing
// is allowed there too). Enter, or the focus leaving, hands the text to
// the grid as the user's edit; Escape drops it.

#include <windows.h>

#include <string>

namespace vrn::ui {
class StringGrid;
}

namespace vrn::ui::win32 {

class GridCellEditor {
 public:
  // grid is the list view showing model; the editor is its child window.
  GridCellEditor(HWND grid, StringGrid& model) : grid_(grid), model_(model) {}
  ~GridCellEditor();
  GridCellEditor(const GridCellEditor&) = delete;
  GridCellEditor& operator=(const GridCellEditor&) = delete;

  // Opens over the selected cell with its text and takes the focus: false
  // when that cell cannot be edited or the grid cannot take the focus.
  bool open();
  bool isOpen() const { return open_; }
  // The window that takes the keys.
  HWND keyWindow() const { return keys_; }
  // Ends the edit: whether the grid took the text (never when cancelled).
  bool close(bool cancel);
  // Whether the grid took the text of the last edit.
  bool taken() const { return taken_; }

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void destroy();

  HWND grid_;
  StringGrid& model_;
  HWND window_ = nullptr;
  HWND keys_ = nullptr;
  WNDPROC original_ = nullptr;
  bool open_ = false;
  bool taken_ = false;
};

}  // namespace vrn::ui::win32
