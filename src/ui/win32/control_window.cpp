#include "ui/win32/control_window.h"

#include <commctrl.h>

#include <string>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"
#include "ui/spin_button.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tool_button.h"
#include "ui/tree_view.h"
#include "ui/win32/form_window.h"
#include "ui/win32/grid_cell_editor.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

constexpr int kComboListHeight = 200;

ControlWindow::Kind kindOf(const Control& control) {
  using Kind = ControlWindow::Kind;
  if (dynamic_cast<const TextBox*>(&control))
    return dynamic_cast<const ComboBox*>(&control) ? Kind::Combo : Kind::Edit;
  if (dynamic_cast<const Button*>(&control)) return Kind::Button;
  if (dynamic_cast<const CheckBox*>(&control)) return Kind::CheckBox;
  if (dynamic_cast<const ToolButton*>(&control)) return Kind::ToolButton;
  if (dynamic_cast<const TabSheet*>(&control)) return Kind::Page;
  if (dynamic_cast<const Label*>(&control)) return Kind::Label;
  if (dynamic_cast<const StatusBar*>(&control)) return Kind::StatusBar;
  if (dynamic_cast<const SpinButton*>(&control)) return Kind::Spin;
  if (dynamic_cast<const StringGrid*>(&control)) return Kind::Grid;
  if (dynamic_cast<const TreeView*>(&control)) return Kind::Tree;
  if (dynamic_cast<const ListBox*>(&control)) return Kind::List;
  if (dynamic_cast<const RadioGroup*>(&control)) return Kind::Radio;
  if (dynamic_cast<const PageControl*>(&control)) return Kind::Tabs;
  return Kind::Other;
}

ShiftState heldModifiers() {
  return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0, GetKeyState(VK_CONTROL) < 0};
}

LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<ControlWindow*>(GetPropW(window, L"VrnControl"));
  return control->handle(window, message, wParam, lParam);
}

// A radio group's buttons: one row each, inside its frame.
constexpr int kRadioTop = 20;
constexpr int kRadioRow = 22;
constexpr int kRadioInset = 10;

std::u16string listItemText(const ListBox& list, int index) {
  const auto* checks = dynamic_cast<const CheckListBox*>(&list);
  if (!checks) return list.item(index);
  return (checks->checked(index) ? u"[x] " : u"[ ] ") + list.item(index);
}

// The tool button's caption: its own, else its hint (no images are loaded).
std::u16string toolCaption(const ToolButton& button) {
  return button.caption().empty() ? button.hint() : withoutAccelerator(button.caption());
}

}  // namespace

ControlWindow::ControlWindow(FormWindow& form, Control& control, Rect bounds)
    : form_(form), control_(control), kind_(kindOf(control)) {
  create(bounds);
  showFont();
  showing_ = true;
  showText();
  showItems();
  showChecked();
  showCells();
  showNodes();
  showSelection();
  showing_ = false;
  control_.setPeer(this);
}

ControlWindow::~ControlWindow() {
  control_.setPeer(nullptr);
  cellEditor_.reset();
  if (original_) SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  if (keyOriginal_)
    SetWindowLongPtrW(keyWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keyOriginal_));
  for (HWND window : {keyWindow_, window_}) {
    if (window) RemovePropW(window, L"VrnControl");
  }
  DestroyWindow(window_);
  if (font_) DeleteObject(font_);
}

void ControlWindow::create(Rect bounds) {
  const wchar_t* windowClass = WC_STATICW;
  DWORD style = WS_CHILD;
  DWORD exStyle = 0;
  std::u16string caption;
  int height = bounds.height;
  switch (kind_) {
    case Kind::Edit: {
      windowClass = WC_EDITW;
      exStyle = WS_EX_CLIENTEDGE;
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      if (dynamic_cast<Memo*>(&control_)) style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
      if (auto* edit = dynamic_cast<Edit*>(&control_)) {
        if (edit->alignment() == Alignment::Right) style |= ES_RIGHT;
        if (edit->alignment() == Alignment::Center) style |= ES_CENTER;
      }
      break;
    }
    case Kind::Combo:
      windowClass = WC_COMBOBOXW;
      style |=
          WS_TABSTOP | WS_VSCROLL |
          static_cast<DWORD>(static_cast<ComboBox&>(control_).style() == ComboStyle::DropDownList
                                 ? CBS_DROPDOWNLIST
                                 : CBS_DROPDOWN | CBS_AUTOHSCROLL);
      height += kComboListHeight;
      break;
    case Kind::Button: {
      auto& button = static_cast<Button&>(control_);
      windowClass = WC_BUTTONW;
      style |=
          WS_TABSTOP | static_cast<DWORD>(button.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      caption = button.caption();
      break;
    }
    case Kind::CheckBox:
      windowClass = WC_BUTTONW;
      style |= WS_TABSTOP | BS_CHECKBOX;
      caption = static_cast<CheckBox&>(control_).caption();
      break;
    case Kind::ToolButton: {
      auto& button = static_cast<ToolButton&>(control_);
      windowClass = WC_BUTTONW;
      style |= static_cast<DWORD>(
          button.style() == ToolButtonStyle::Check ? BS_CHECKBOX | BS_PUSHLIKE : BS_PUSHBUTTON);
      caption = toolCaption(button);
      break;
    }
    case Kind::Label:
      caption = static_cast<Label&>(control_).caption();
      break;
    case Kind::StatusBar:
      windowClass = STATUSCLASSNAMEW;
      break;
    case Kind::Spin:
      windowClass = UPDOWN_CLASSW;
      break;
    case Kind::Grid:
      windowClass = WC_LISTVIEWW;
      exStyle = WS_EX_CLIENTEDGE;
      style |= WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
      break;
    case Kind::Tree:
      windowClass = WC_TREEVIEWW;
      exStyle = WS_EX_CLIENTEDGE;
      style |= WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
      if (!static_cast<TreeView&>(control_).hideSelection()) style |= TVS_SHOWSELALWAYS;
      if (!static_cast<TreeView&>(control_).dragEnabled()) style |= TVS_DISABLEDRAGDROP;
      break;
    case Kind::List:
      windowClass = WC_LISTBOXW;
      exStyle = WS_EX_CLIENTEDGE;
      style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      break;
    case Kind::Radio:
      windowClass = WC_BUTTONW;
      style |= BS_GROUPBOX;
      caption = static_cast<RadioGroup&>(control_).caption();
      break;
    case Kind::Tabs:
      windowClass = WC_TABCONTROLW;
      style |= WS_TABSTOP | WS_CLIPSIBLINGS;
      break;
    case Kind::Page:
      break;
    case Kind::Other:
      style |= SS_ETCHEDFRAME;
      break;
  }
  if (control_.rightToLeft()) exStyle |= WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  if (shown()) style |= WS_VISIBLE;
  if (!control_.enabled()) style |= WS_DISABLED;
  window_ = CreateWindowExW(exStyle, windowClass, wide(caption), style, bounds.left, bounds.top,
                            bounds.width, height, form_.window(), nullptr, thisModule(), nullptr);
  if (window_ == nullptr) return;
  if (kind_ == Kind::Combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(window_, &info) && info.hwndItem && info.hwndItem != window_)
      keyWindow_ = info.hwndItem;
  }
  if (control_.focusable() || kind_ == Kind::Edit) subclass(window_);
  if (kind_ == Kind::Grid)
    ListView_SetExtendedListViewStyle(window_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  if (keyWindow_) subclass(keyWindow_);
}

void ControlWindow::subclass(HWND window) {
  SetPropW(window, L"VrnControl", this);
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProc)));
  (window == window_ ? original_ : keyOriginal_) = previous;
}

// ---- state to window ----------------------------------------------------------------

void ControlWindow::changed(Aspect aspect) {
  showing_ = true;
  switch (aspect) {
    case Aspect::Text:
      showText();
      showSelection();
      break;
    case Aspect::Selection:
      showSelection();
      break;
    case Aspect::Caption:
    case Aspect::Items:
      showText();
      showItems();
      break;
    case Aspect::Checked:
      showChecked();
      break;
    case Aspect::Visible:
      form_.showDisplayed();  // a container takes what it holds along
      break;
    case Aspect::Enabled:
      EnableWindow(window_, control_.enabled());
      break;
    case Aspect::Bounds: {
      const Rect r = control_.bounds();
      const int extra = kind_ == Kind::Combo ? kComboListHeight : 0;
      SetWindowPos(window_, nullptr, r.left, r.top, r.width, r.height + extra,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Aspect::Appearance:
      showFont();
      InvalidateRect(window_, nullptr, TRUE);
      break;
    case Aspect::ReadOnly:
      if (kind_ == Kind::Edit)
        SendMessageW(window_, EM_SETREADONLY, static_cast<TextBox&>(control_).readOnly(), 0);
      break;
    case Aspect::Cells:
      showCells();
      showSelection();
      break;
    case Aspect::Nodes:
      showNodes();
      break;
  }
  showing_ = false;
}

void ControlWindow::showText() {
  std::u16string text;
  if (auto* box = dynamic_cast<TextBox*>(&control_)) {
    text = box->text();
    if (kind_ == Kind::Combo) {
      auto& combo = static_cast<ComboBox&>(control_);
      if (combo.style() == ComboStyle::DropDownList) return;  // the selection shows it
      SetWindowTextW(keyWindow(), wide(text));
      return;
    }
  } else if (auto* button = dynamic_cast<Button*>(&control_)) {
    text = button->caption();
  } else if (auto* check = dynamic_cast<CheckBox*>(&control_)) {
    text = check->caption();
  } else if (auto* tool = dynamic_cast<ToolButton*>(&control_)) {
    text = toolCaption(*tool);
  } else if (auto* label = dynamic_cast<Label*>(&control_)) {
    text = label->caption();
  } else {
    return;
  }
  if (windowText(window_) != text) SetWindowTextW(window_, wide(text));
}

void ControlWindow::showSelection() {
  if (kind_ == Kind::Edit || kind_ == Kind::Combo) {
    auto& box = static_cast<TextBox&>(control_);
    const auto start = static_cast<WPARAM>(box.selStart());
    const auto end = static_cast<LPARAM>(box.selStart() + box.selLength());
    if (kind_ == Kind::Combo) {
      auto& combo = static_cast<ComboBox&>(control_);
      SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(combo.itemIndex()), 0);
      if (keyWindow_) SendMessageW(keyWindow_, EM_SETSEL, start, end);
    } else {
      SendMessageW(window_, EM_SETSEL, start, end);
      SendMessageW(window_, EM_SCROLLCARET, 0, 0);
    }
  } else if (kind_ == Kind::List) {
    const auto index = static_cast<ListBox&>(control_).itemIndex();
    SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  } else if (kind_ == Kind::Tabs) {
    TabCtrl_SetCurSel(window_, static_cast<PageControl&>(control_).activePageIndex());
    form_.showDisplayed();
  } else if (kind_ == Kind::Grid) {
    auto& grid = static_cast<StringGrid&>(control_);
    const int item = grid.row() - grid.fixedRows();
    ListView_SetItemState(window_, item, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
  }
  showNodeSelection();
}

void ControlWindow::showItems() {
  if (kind_ == Kind::Combo) {
    auto& combo = static_cast<ComboBox&>(control_);
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& item : combo.itemTexts())
      SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(combo.itemIndex()), 0);
    if (combo.style() == ComboStyle::DropDown) SetWindowTextW(keyWindow(), wide(combo.text()));
  } else if (kind_ == Kind::List) {
    auto& list = static_cast<ListBox&>(control_);
    SendMessageW(window_, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list.count(); ++i) {
      const std::u16string text = listItemText(list, i);
      SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text)));
    }
    SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
  } else if (kind_ == Kind::Radio) {
    showRadios();
  } else if (kind_ == Kind::Tabs) {
    auto& pages = static_cast<PageControl&>(control_);
    TabCtrl_DeleteAllItems(window_);
    for (std::size_t i = 0; i < pages.pages().size(); ++i) {
      std::u16string caption = pages.pages()[i]->caption();
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = const_cast<wchar_t*>(wide(caption));
      TabCtrl_InsertItem(window_, static_cast<int>(i), &tab);
    }
    TabCtrl_SetCurSel(window_, pages.activePageIndex());
  } else if (kind_ == Kind::StatusBar) {
    auto& bar = static_cast<StatusBar&>(control_);
    std::vector<int> edges;
    int edge = 0;
    for (const StatusPanel& panel : bar.panels()) edges.push_back(edge += panel.width);
    if (!edges.empty()) edges.back() = -1;
    SendMessageW(window_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < bar.panelCount(); ++i) {
      const std::u16string text = bar.panelText(i);
      SendMessageW(window_, SB_SETTEXTW, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(wide(text)));
    }
  }
}

void ControlWindow::showChecked() {
  WPARAM state = BST_UNCHECKED;
  if (auto* box = dynamic_cast<CheckBox*>(&control_)) {
    state = box->checked() ? BST_CHECKED : BST_UNCHECKED;
  } else if (auto* tool = dynamic_cast<ToolButton*>(&control_)) {
    state = tool->down() ? BST_CHECKED : BST_UNCHECKED;
  } else if (kind_ == Kind::List) {
    return showItems();
  } else if (kind_ == Kind::Radio) {
    return showRadioChecks();
  } else {
    return;
  }
  SendMessageW(window_, BM_SETCHECK, state, 0);
}

void ControlWindow::showRadios() {
  auto& group = static_cast<RadioGroup&>(control_);
  for (HWND radio : radios_) DestroyWindow(radio);
  radios_.clear();
  const Rect bounds = control_.bounds();
  for (int i = 0; i < group.items().count(); ++i) {
    HWND radio = CreateWindowExW(
        0, WC_BUTTONW, wide(group.items().text(i)), WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON,
        kRadioInset, kRadioTop + i * kRadioRow, bounds.width - 2 * kRadioInset, kRadioRow - 2,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), thisModule(), nullptr);
    SendMessageW(radio, WM_SETFONT, static_cast<WPARAM>(SendMessageW(window_, WM_GETFONT, 0, 0)),
                 TRUE);
    radios_.push_back(radio);
  }
  showRadioChecks();
}

HWND ControlWindow::itemWindow(int index) const {
  if (index < 0 || index >= static_cast<int>(radios_.size())) return nullptr;
  return radios_[static_cast<std::size_t>(index)];
}

// The buttons stay: the one clicked may still be in its own message.
void ControlWindow::showRadioChecks() {
  const int chosen = static_cast<RadioGroup&>(control_).itemIndex();
  for (std::size_t i = 0; i < radios_.size(); ++i) {
    const bool checked = static_cast<int>(i) == chosen;
    SendMessageW(radios_[i], BM_SETCHECK,
                 static_cast<WPARAM>(checked ? BST_CHECKED : BST_UNCHECKED), 0);
  }
}

void ControlWindow::showCells() {
  if (kind_ != Kind::Grid) return;
  auto& grid = static_cast<StringGrid&>(control_);
  ListView_DeleteAllItems(window_);
  while (ListView_DeleteColumn(window_, 0)) {
  }
  // The fixed first row holds the titles.
  for (int col = 0; col < grid.colCount(); ++col) {
    std::u16string title = grid.fixedRows() > 0 ? grid.cell(col, 0) : std::u16string();
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = grid.colWidth(col);
    column.pszText = const_cast<wchar_t*>(wide(title));
    ListView_InsertColumn(window_, col, &column);
  }
  for (int row = grid.fixedRows(); row < grid.rowCount(); ++row) {
    for (int col = 0; col < grid.colCount(); ++col) {
      std::u16string text = grid.cell(col, row);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row - grid.fixedRows();
      item.iSubItem = col;
      item.pszText = const_cast<wchar_t*>(wide(text));
      if (col == 0) {
        ListView_InsertItem(window_, &item);
      } else {
        ListView_SetItem(window_, &item);
      }
    }
  }
}

void ControlWindow::showFont() {
  const Font& font = control_.font();
  HFONT previous = font_;
  font_ = nullptr;
  if (!font.name.empty() || font.size != 0 || font.bold || font.charset != Charset::Default) {
    HDC screen = GetDC(nullptr);
    const int height =
        font.size != 0 ? -MulDiv(font.size, GetDeviceCaps(screen, LOGPIXELSY), 72) : 0;
    ReleaseDC(nullptr, screen);
    font_ = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                        static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH,
                        font.name.empty() ? L"MS Shell Dlg" : wide(font.name));
  }
  HGDIOBJ shown = font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
  if (previous) DeleteObject(previous);
}

HBRUSH ControlWindow::colour(HDC dc) const {
  const Color color = control_.font().color;
  if (color == colors::black) return nullptr;
  SetTextColor(dc, RGB(color.red, color.green, color.blue));
  SetBkColor(dc, GetSysColor(kind_ == Kind::Edit ? COLOR_WINDOW : COLOR_BTNFACE));
  return GetSysColorBrush(kind_ == Kind::Edit ? COLOR_WINDOW : COLOR_BTNFACE);
}

// ---- window to user input -----------------------------------------------------------

void ControlWindow::command(WORD code) {
  if (showing_) return;
  if (code == BN_CLICKED) {
    if (auto* button = dynamic_cast<Button*>(&control_)) return button->userClick();
    if (auto* box = dynamic_cast<CheckBox*>(&control_)) return box->userClick();
    if (auto* tool = dynamic_cast<ToolButton*>(&control_)) {
      tool->userClick();
      if (tool->style() == ToolButtonStyle::DropDown && tool->dropdownMenu()) showDropdownMenu();
      return;
    }
  }
  if (code == LBN_SELCHANGE && kind_ == Kind::List) {
    const auto index = static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
    if (index >= 0) static_cast<ListBox&>(control_).userChoose(index);
  }
  if (code == LBN_DBLCLK && kind_ == Kind::List) {
    auto* checks = dynamic_cast<CheckListBox*>(&control_);
    const int index = checks ? checks->itemIndex() : -1;
    if (index >= 0) checks->userSetChecked(index, !checks->checked(index));
  }
  if (code == CBN_SELCHANGE && kind_ == Kind::Combo) {
    const auto index = static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
    if (index >= 0) static_cast<ComboBox&>(control_).userChoose(index);
  }
}

LRESULT ControlWindow::notify(const NMHDR& header) {
  if (kind_ == Kind::Spin && header.code == UDN_DELTAPOS) {
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    auto& spin = static_cast<SpinButton&>(control_);
    // An up-down control counts up towards the top.
    if (change.iDelta < 0) {
      spin.userClickUp();
    } else {
      spin.userClickDown();
    }
    return 1;  // the seam keeps the value
  }
  if (kind_ == Kind::Tabs && header.code == TCN_SELCHANGE && !showing_) {
    static_cast<PageControl&>(control_).userChoose(TabCtrl_GetCurSel(window_));
  }
  if (kind_ == Kind::StatusBar && header.code == NM_CLICK) {
    const auto& click = reinterpret_cast<const NMMOUSE&>(header);
    static_cast<StatusBar&>(control_).userClickPanel(static_cast<int>(click.dwItemSpec));
  }
  if (kind_ == Kind::Grid && header.code == NM_CUSTOMDRAW) {
    // The list view has no cell colours of its own: each cell is painted on
    // the grid's colour for it (the attribute editor's yellow tags).
    auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header));
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
    if (draw.nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
      const auto& grid = static_cast<const StringGrid&>(control_);
      const auto color =
          grid.cellColor(draw.iSubItem, static_cast<int>(draw.nmcd.dwItemSpec) + grid.fixedRows());
      draw.clrTextBk = color ? RGB(color->red, color->green, color->blue) : CLR_DEFAULT;
      return CDRF_DODEFAULT;
    }
    return CDRF_DODEFAULT;
  }
  if (kind_ == Kind::Grid) return gridNotify(header);
  if (kind_ == Kind::Tree) return treeNotify(header);
  return 0;
}

void ControlWindow::showDropdownMenu() {
  auto& tool = static_cast<ToolButton&>(control_);
  HMENU menu = CreatePopupMenu();
  std::vector<MenuItem*> items;
  for (const auto& item : tool.dropdownMenu()->items()) {
    if (!item->visible()) continue;
    items.push_back(item.get());
    const UINT flags = static_cast<UINT>(MF_STRING | (item->checked() ? MF_CHECKED : 0) |
                                         (item->enabled() ? 0 : MF_GRAYED));
    AppendMenuW(menu, flags, items.size(), wide(item->caption()));
  }
  RECT place{};
  GetWindowRect(window_, &place);
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, place.left, place.bottom,
                     0, form_.window(), nullptr));
  DestroyMenu(menu);
  if (chosen > 0 && chosen <= items.size()) items[chosen - 1]->userClick();
}

bool ControlWindow::keyDown(WPARAM key) {
  KeyEvent event{static_cast<std::uint16_t>(key), heldModifiers()};
  return control_.form().userKeyDown(event);
}

void ControlWindow::readCaret(HWND window) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  auto& box = static_cast<TextBox&>(control_);
  const auto length = static_cast<int>(end) - static_cast<int>(start);
  if (box.selStart() != static_cast<int>(start) || box.selLength() != length)
    box.userSelect(static_cast<int>(start), length);
}

LRESULT ControlWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC original = window == window_ ? original_ : keyOriginal_;
  const bool textBox = kind_ == Kind::Edit || (kind_ == Kind::Combo && window == keyWindow_);
  if (kind_ == Kind::Tree && treeMouse(message, lParam)) return 0;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (wParam == VK_SHIFT || wParam == VK_CONTROL || wParam == VK_MENU) break;
      dropCharacter_ = !keyDown(wParam);
      form_.syncFocus();
      return 0;
    case WM_CHAR:
    case WM_SYSCHAR: {
      const auto character = static_cast<char16_t>(wParam);
      const bool typed = character >= 0x20 || character == 8 || character == 9 || character == 13 ||
                         character == 27;
      if (!dropCharacter_ && typed) control_.form().userKeyChar(character);
      dropCharacter_ = false;
      form_.syncFocus();
      return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return 0;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
      if (auto* box = dynamic_cast<TextBox*>(&control_)) {
        control_.form().userInput([&] {
          if (message == WM_CUT) box->cutToClipboard();
          if (message == WM_COPY) box->copyToClipboard();
          if (message == WM_PASTE) box->pasteFromClipboard();
        });
      }
      return 0;
    case WM_SETFOCUS:
      if (!form_.settingFocus() && control_.form().activeControl() != &control_) {
        control_.form().userFocus(control_, FocusCause::Mouse);
      }
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_COMMAND:  // a radio button of the group
      if (kind_ == Kind::Radio && HIWORD(wParam) == BN_CLICKED && !showing_) {
        static_cast<RadioGroup&>(control_).userChoose(static_cast<int>(LOWORD(wParam)) - 1);
        return 0;
      }
      break;
    default:
      break;
  }
  LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
  if (textBox && !showing_ &&
      (message == WM_LBUTTONUP || message == WM_LBUTTONDOWN ||
       (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON)))) {
    readCaret(window);
  }
  return result;
}

}  // namespace vrn::ui::win32
