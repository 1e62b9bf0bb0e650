#include "ui/win32/grid_cell_editor.h"

#include <commctrl.h>

#include "ui/form.h"
#include "ui/string_grid.h"
#include "ui/win32/control_window.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

constexpr int kPickListHeight = 160;

LRESULT CALLBACK editorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* editor = reinterpret_cast<GridCellEditor*>(GetPropW(window, L"VrnCellEditor"));
  return editor->handle(window, message, wParam, lParam);
}

}  // namespace

GridCellEditor::~GridCellEditor() { destroy(); }

void GridCellEditor::destroy() {
  if (!window_) return;
  SetWindowLongPtrW(keys_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  RemovePropW(keys_, L"VrnCellEditor");
  DestroyWindow(window_);
  window_ = keys_ = nullptr;
  open_ = false;
}

bool GridCellEditor::open() {
  const int col = model_.col();
  const int row = model_.row();
  if (!model_.editing() || !model_.contains(col, row) || col < model_.fixedCols() ||
      row < model_.fixedRows())
    return false;
  // The grid takes the focus first, as a typed edit gives it the focus: the
  // control that had it may refuse to let go.
  if (!model_.form().userFocus(model_, FocusCause::Keyboard)) return false;
  destroy();
  RECT place{};
  if (!ListView_GetSubItemRect(grid_, row - model_.fixedRows(), col, LVIR_LABEL, &place))
    return false;
  const bool picks = !model_.pickList(row).empty();
  const std::u16string text = model_.cell(col, row);
  window_ =
      CreateWindowExW(0, picks ? WC_COMBOBOXW : WC_EDITW, wide(text),
                      WS_CHILD | WS_VISIBLE | WS_BORDER |
                          (picks ? CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL : ES_AUTOHSCROLL),
                      place.left, place.top, place.right - place.left,
                      (place.bottom - place.top) + (picks ? kPickListHeight : 0), grid_, nullptr,
                      thisModule(), nullptr);
  if (!window_) return false;
  SendMessageW(window_, WM_SETFONT, static_cast<WPARAM>(SendMessageW(grid_, WM_GETFONT, 0, 0)),
               FALSE);
  keys_ = window_;
  if (picks) {
    for (const std::u16string& item : model_.pickList(row))
      SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
    SetWindowTextW(window_, wide(text));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(window_, &info) && info.hwndItem) keys_ = info.hwndItem;
  }
  SetPropW(keys_, L"VrnCellEditor", this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(keys_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&editorProc)));
  open_ = true;
  SetFocus(keys_);
  SendMessageW(keys_, EM_SETSEL, 0, -1);
  return true;
}

bool GridCellEditor::close(bool cancel) {
  if (!open_) return false;
  open_ = false;
  const std::u16string text = windowText(window_);
  ShowWindow(window_, SW_HIDE);
  if (GetFocus() == keys_) SetFocus(grid_);
  taken_ = !cancel && model_.userEditCell(text);
  return taken_;
}

LRESULT GridCellEditor::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC original = original_;
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        close(wParam == VK_ESCAPE);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 27) return 0;  // no beep
      break;
    case WM_KILLFOCUS:
      // Not into the editor's own drop-down list.
      if (reinterpret_cast<HWND>(wParam) != window_) close(false);
      break;
    default:
      break;
  }
  return CallWindowProcW(original, window, message, wParam, lParam);
}

// ---- the grid's part of ControlWindow ----------------------------------------------

LRESULT ControlWindow::gridNotify(const NMHDR& header) {
  if (showing_ || (header.code != NM_CLICK && header.code != NM_DBLCLK)) return 0;
  auto& grid = static_cast<StringGrid&>(control_);
  const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
  if (click.iItem < 0) return 0;
  const bool selected = grid.userSelectCell(click.iSubItem, click.iItem + grid.fixedRows());
  // Refused, the selection goes back.
  showing_ = true;
  showSelection();
  showing_ = false;
  if (selected && header.code == NM_DBLCLK) {
    if (!cellEditor_) cellEditor_ = std::make_unique<GridCellEditor>(window_, grid);
    cellEditor_->open();
  }
  return selected;
}

bool ControlWindow::typeIntoCell(const std::u16string& text) {
  if (kind_ != Kind::Grid) return false;
  if (!cellEditor_)
    cellEditor_ = std::make_unique<GridCellEditor>(window_, static_cast<StringGrid&>(control_));
  if (!cellEditor_->open()) return false;
  SetWindowTextW(cellEditor_->keyWindow(), wide(text));
  SendMessageW(cellEditor_->keyWindow(), WM_KEYDOWN, VK_RETURN, 1);
  return cellEditor_->taken();
}

}  // namespace vrn::ui::win32
