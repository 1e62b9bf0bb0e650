// The part of ControlWindow for the controls that offer a choice among
// items: the list box (LISTBOX), the radio group (a group box holding a
// radio button per item, laid out in its columns) and the page control
// (WC_TABCONTROL, a tab per page; the controls of the pages that are not
// active hide).
//
// The windows never choose by themselves: the user's choice goes to the
// seam, and the window then shows what the seam chose, so a refused choice
// does not stay on screen.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <algorithm>

#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"
#include "ui/win32/control_window.h"
#include "ui/win32/form_window.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

constexpr int kGroupCaptionHeight = 18;
constexpr int kGroupMargin = 8;
constexpr int kRadioHeight = 20;

}  // namespace

HWND ControlWindow::itemWindow(int index) const {
  if (index < 0 || index >= static_cast<int>(items_.size())) return nullptr;
  return items_[static_cast<std::size_t>(index)];
}

// ---- list box -----------------------------------------------------------------------

void ControlWindow::showListItems() {
  if (kind_ != Kind::List) return;
  auto& list = static_cast<ListBox&>(control_);
  SendMessageW(window_, LB_RESETCONTENT, 0, 0);
  // The seam keeps the order (sorted or not); the window shows it as it is.
  for (int i = 0; i < list.count(); ++i)
    SendMessageW(window_, LB_INSERTSTRING, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(wide(list.item(i))));
  showListSelection();
}

void ControlWindow::showListSelection() {
  if (kind_ != Kind::List) return;
  const int index = static_cast<ListBox&>(control_).itemIndex();
  SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// WM_COMMAND of the list box, or of a radio group's button.
void ControlWindow::listCommand(HWND from, WORD code) {
  if (showing_) return;
  if (kind_ == Kind::List && code == LBN_SELCHANGE) {
    const auto index = static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
    if (index >= 0) static_cast<ListBox&>(control_).userChoose(index);
    showing_ = true;
    showListSelection();
    showing_ = false;
  }
  if (kind_ == Kind::Radio && code == BN_CLICKED) {
    auto found = std::find(items_.begin(), items_.end(), from);
    if (found != items_.end())
      static_cast<RadioGroup&>(control_).userChoose(static_cast<int>(found - items_.begin()));
    showing_ = true;
    showRadioChecked();
    showing_ = false;
  }
}

// ---- radio group --------------------------------------------------------------------

void ControlWindow::createRadioItems() {
  for (HWND item : items_) DestroyWindow(item);
  items_.clear();
  auto& group = static_cast<RadioGroup&>(control_);
  const int count = group.items().count();
  if (count == 0) return;
  RECT client{};
  GetClientRect(window_, &client);
  const int areaWidth = client.right - client.left;
  const int areaHeight = client.bottom - client.top;
  const int columns = std::max(1, group.columns());
  const int rows = (count + columns - 1) / columns;
  const int width = std::max(1, (areaWidth - 2 * kGroupMargin) / columns);
  const int height = std::clamp((areaHeight - kGroupCaptionHeight - kGroupMargin) / rows, 1,
                                kRadioHeight + kGroupMargin);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(window_, WM_GETFONT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Down the first column, then the next.
    const int column = i / rows;
    const int row = i % rows;
    HWND item = CreateWindowExW(0, WC_BUTTONW, wide(group.items().text(i)),
                                WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON,
                                kGroupMargin + column * width, kGroupCaptionHeight + row * height,
                                width - 4, kRadioHeight, window_, nullptr, thisModule(), nullptr);
    if (font) SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    items_.push_back(item);
  }
  showRadioChecked();
}

void ControlWindow::showRadioChecked() {
  if (kind_ != Kind::Radio) return;
  const int chosen = static_cast<RadioGroup&>(control_).itemIndex();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    SendMessageW(items_[i], BM_SETCHECK,
                 static_cast<int>(i) == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

// ---- page control -------------------------------------------------------------------

void ControlWindow::showPages() {
  if (kind_ != Kind::Pages) return;
  auto& pages = static_cast<PageControl&>(control_);
  TabCtrl_DeleteAllItems(window_);
  int index = 0;
  for (TabSheet* page : pages.pages()) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(wide(page->caption()));
    TabCtrl_InsertItem(window_, index++, &tab);
  }
  showActivePage();
}

void ControlWindow::showActivePage() {
  if (kind_ != Kind::Pages) return;
  const int active = static_cast<PageControl&>(control_).activePageIndex();
  if (TabCtrl_GetCurSel(window_) != active) TabCtrl_SetCurSel(window_, active);
  form_.showDisplayed();
}

LRESULT ControlWindow::pagesNotify(const NMHDR& header) {
  if (showing_ || header.code != TCN_SELCHANGE) return 0;
  static_cast<PageControl&>(control_).userChoose(TabCtrl_GetCurSel(window_));
  showing_ = true;
  showActivePage();
  showing_ = false;
  return 0;
}

}  // namespace vrn::ui::win32
