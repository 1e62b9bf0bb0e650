#pragma once
// ControlWindow: the child window that shows one control of a form. It
// reads the control's state back when the seam says an aspect changed, and
// turns the window's input into the seam's user input:
//   - keys (WM_KEYDOWN, WM_CHAR) of every focusable control go to the
//     form's key routing, never to the window's own editing, so the seam's
//     edit buffer decides text and caret and the window then shows them;
//   - WM_CUT, WM_COPY and WM_PASTE go to the edit box's clipboard methods;
//   - clicks (BN_CLICKED, CBN_SELCHANGE, LBN_SELCHANGE, TCN_SELCHANGE,
//     UDN_DELTAPOS, a tree's TVN_SELCHANGED, NM_CLICK and TVN_ITEMEXPANDED,
//     a grid cell's NM_CLICK) become the control's user clicks and choices;
//     a click into an edit box moves the caret there and the focus with it;
//   - a tree's drag (TVN_BEGINDRAG, then the button let go over a row)
//     becomes the tree's user drag;
//   - a double click on an editable grid cell opens an editor over it
//     (grid_cell_editor.h) whose text the grid takes as the user's edit.

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/control.h"

struct _TREEITEM;  // commctrl.h's tree item (HTREEITEM)

namespace vrn::ui {
class TreeNode;
}

namespace vrn::ui::win32 {

class FormWindow;
class GridCellEditor;

class ControlWindow final : public Peer {
 public:
  enum class Kind {
    Edit,
    Button,
    CheckBox,
    ToolButton,
    Label,
    Combo,
    StatusBar,
    Spin,
    Grid,
    Tree,
    List,   // ListBox, CheckListBox (ticks shown as "[x] ")
    Radio,  // RadioGroup: a group box holding a radio button per item
    Tabs,   // PageControl
    Page,   // TabSheet: its tab shows its caption; no window of its own shows
    Other
  };

  ControlWindow(FormWindow& form, Control& control, Rect bounds);
  ~ControlWindow() override;
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  void changed(Aspect aspect) override;

  Control& control() const { return control_; }
  Kind kind() const { return kind_; }
  // Whether the window shows now: the control is displayed and has a face.
  bool shown() const { return kind_ != Kind::Page && control_.displayed(); }
  HWND window() const { return window_; }
  // The window that takes the keys (a drop-down combo's edit field).
  HWND keyWindow() const { return keyWindow_ ? keyWindow_ : window_; }

  // WM_COMMAND and WM_NOTIFY of this window, from the form.
  void command(WORD code);
  LRESULT notify(const NMHDR& header);
  // The button of a radio group's item; null for anything else.
  HWND itemWindow(int index) const;
  // The item showing a tree's node; null when it shows nowhere.
  _TREEITEM* nodeItem(const TreeNode& node) const;
  // Types text into the selected grid cell's editor and presses Enter:
  // whether the grid took the edit.
  bool typeIntoCell(const std::u16string& text);
  // WM_CTLCOLOR*: the control's font colour.
  HBRUSH colour(HDC dc) const;
  // The subclassed window's messages.
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void create(Rect bounds);
  void subclass(HWND window);
  void showText();
  void showSelection();
  void showItems();
  void showChecked();
  void showCells();
  void showFont();
  void showRadios();
  void showRadioChecks();
  void showDropdownMenu();
  bool keyDown(WPARAM key);
  void readCaret(HWND window);
  // tree_view_window.cpp
  void showNodes();
  void showNodeSelection();
  void placeNodeEditor();
  LRESULT treeNotify(const NMHDR& header);
  bool treeMouse(UINT message, LPARAM lParam);
  // grid_cell_editor.cpp
  LRESULT gridNotify(const NMHDR& header);

  FormWindow& form_;
  Control& control_;
  Kind kind_;
  HWND window_ = nullptr;
  HWND keyWindow_ = nullptr;
  HFONT font_ = nullptr;
  WNDPROC original_ = nullptr;
  WNDPROC keyOriginal_ = nullptr;
  bool dropCharacter_ = false;
  bool showing_ = false;      // we are setting the window from the state: no input
  std::vector<HWND> radios_;  // a radio group's buttons, children of window_
  TreeNode* dragged_ = nullptr;
  std::unique_ptr<GridCellEditor> cellEditor_;
};

// Where a tree item's caption shows, in the tree's client area.
bool itemLabelRect(HWND tree, _TREEITEM* item, RECT& rect);

}  // namespace vrn::ui::win32
