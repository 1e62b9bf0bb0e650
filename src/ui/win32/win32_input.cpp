#include "ui/win32/win32_input.h"

#include <commctrl.h>

#include "platform/keyboard_layouts.h"
#include "ui/win32/form_window.h"
#include "ui/win32/win32_toolkit.h"

namespace vrn::ui::win32 {
namespace {

// The modifiers held while a key goes in, as the thread's keyboard state,
// so the window reads them with GetKeyState; released afterwards.
class HeldModifiers {
 public:
  explicit HeldModifiers(ShiftState shift) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift.shift ? 0x80 : 0;
    state[VK_CONTROL] = shift.ctrl ? 0x80 : 0;
    state[VK_MENU] = shift.alt ? 0x80 : 0;
    SetKeyboardState(state);
  }
  ~HeldModifiers() { SetKeyboardState(saved_); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  BYTE saved_[256] = {};
};

// Selects item `index` of a combo or list box and tells its form, as a
// person's pick does: `select` sets the selection, `notification` is the
// change its parent hears.
void selectAndNotify(HWND window, UINT select, WORD notification, int index) {
  SendMessageW(window, select, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), notification),
               reinterpret_cast<LPARAM>(window));
}

}  // namespace

std::uint16_t Win32Input::activeLanguage() const {
  return typingLanguage_.value_or(platform::languageIdOf(platform::currentKeyboardLayout()));
}

bool Win32Input::activateLayout(std::uint16_t language) {
  if (platform::activateKeyboardLayout(language)) {
    typingLanguage_.reset();
    return true;
  }
  // Wine cannot switch the X keyboard to another locale: the scripted
  // user's keys then type by the layout asked for all the same.
  typingLanguage_ = language;
  return true;
}

void Win32Input::pump(bool timers) {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
         PeekMessageW(&message, nullptr, timers ? WM_TIMER : WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Input::wait(int ms) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(ms);
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    pump(true);
  }
}

ControlWindow* Win32Input::controlWindow(Control& control) const {
  FormWindow* form = toolkit_.windowOf(control.form());
  return form ? form->find(control) : nullptr;
}

HWND Win32Input::windowOf(Control& control) const {
  ControlWindow* window = controlWindow(control);
  return window ? window->window() : nullptr;
}

void Win32Input::keystroke(Form& form, KeyEvent key, char16_t character) {
  FormWindow* window = toolkit_.windowOf(form);
  if (!window) return UserInput::keystroke(form, key, character);
  Control* focused = form.activeControl();
  ControlWindow* target = focused ? window->find(*focused) : nullptr;
  HWND receiver = target ? target->keyWindow() : window->window();
  HeldModifiers held(key.shift);
  const bool system = key.shift.alt && !key.shift.ctrl;
  SendMessageW(receiver, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key.key, 1);
  if (character != 0) SendMessageW(receiver, system ? WM_SYSCHAR : WM_CHAR, character, 1);
  SendMessageW(receiver, system ? WM_SYSKEYUP : WM_KEYUP, key.key, 0xC0000001);
}

void Win32Input::click(Button& button) {
  if (HWND window = windowOf(button))
    return static_cast<void>(SendMessageW(window, BM_CLICK, 0, 0));
  UserInput::click(button);
}

void Win32Input::click(ToolButton& button) {
  // A drop-down button would open its menu in a loop of its own; scripts
  // reach the items with `menu`.
  HWND window = windowOf(button);
  if (window && button.style() != ToolButtonStyle::DropDown)
    return static_cast<void>(SendMessageW(window, BM_CLICK, 0, 0));
  UserInput::click(button);
}

void Win32Input::click(CheckBox& box) {
  if (HWND window = windowOf(box)) return static_cast<void>(SendMessageW(window, BM_CLICK, 0, 0));
  UserInput::click(box);
}

void Win32Input::choose(ComboBox& combo, int index) {
  HWND window = windowOf(combo);
  if (!window) return UserInput::choose(combo, index);
  selectAndNotify(window, CB_SETCURSEL, CBN_SELCHANGE, index);
}

void Win32Input::choose(ListBox& list, int index) {
  HWND window = windowOf(list);
  if (!window) return UserInput::choose(list, index);
  selectAndNotify(window, LB_SETCURSEL, LBN_SELCHANGE, index);
}

void Win32Input::choose(RadioGroup& group, int index) {
  ControlWindow* window = controlWindow(group);
  HWND item = window ? window->itemWindow(index) : nullptr;
  if (!item) return UserInput::choose(group, index);
  SendMessageW(item, BM_CLICK, 0, 0);
}

void Win32Input::choose(PageControl& pages, int index) {
  HWND window = windowOf(pages);
  if (!window) return UserInput::choose(pages, index);
  TabCtrl_SetCurSel(window, index);
  NMHDR header{window, static_cast<UINT_PTR>(GetDlgCtrlID(window)),
               static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(window), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void Win32Input::choose(TreeView& tree, TreeNode& node) {
  ControlWindow* window = controlWindow(tree);
  HTREEITEM item = window ? window->nodeItem(node) : nullptr;
  if (!item) return UserInput::choose(tree, node);
  HWND view = window->window();
  TreeView_SelectItem(view, item);
  // The click that follows focuses the tree, on the node already selected too.
  NMHDR click{view, static_cast<UINT_PTR>(GetDlgCtrlID(view)), static_cast<UINT>(NM_CLICK)};
  SendMessageW(GetParent(view), WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
}

bool Win32Input::clickCell(StringGrid& grid, int col, int row) {
  HWND window = windowOf(grid);
  if (!window || row < grid.fixedRows()) return UserInput::clickCell(grid, col, row);
  NMITEMACTIVATE click{};
  click.hdr = {window, static_cast<UINT_PTR>(GetDlgCtrlID(window)), static_cast<UINT>(NM_CLICK)};
  click.iItem = row - grid.fixedRows();
  click.iSubItem = col;
  return SendMessageW(GetParent(window), WM_NOTIFY, click.hdr.idFrom,
                      reinterpret_cast<LPARAM>(&click)) != 0;
}

bool Win32Input::editCell(StringGrid& grid, const std::u16string& text) {
  ControlWindow* window = controlWindow(grid);
  if (!window) return UserInput::editCell(grid, text);
  return window->typeIntoCell(text);
}

void Win32Input::drag(TreeView& tree, TreeNode& source, TreeNode* target, HitPart part) {
  ControlWindow* window = controlWindow(tree);
  HTREEITEM from = window ? window->nodeItem(source) : nullptr;
  HTREEITEM onto = window && target ? window->nodeItem(*target) : nullptr;
  // Without images, only a row's label and the space below the rows have
  // a place to point at.
  const bool pointable = target ? onto && part == HitPart::Label : part == HitPart::Nowhere;
  if (!from || !pointable) return UserInput::drag(tree, source, target, part);
  HWND view = window->window();
  POINT drop{};
  RECT place{};
  if (onto) {
    // A node under a collapsed one has no row to drop on.
    if (!itemLabelRect(view, onto, place)) return UserInput::drag(tree, source, target, part);
    drop = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  } else {
    GetClientRect(view, &place);
    drop = {place.right - 2, place.bottom - 2};
  }
  NMTREEVIEWW begin{};
  begin.hdr = {view, static_cast<UINT_PTR>(GetDlgCtrlID(view)), static_cast<UINT>(TVN_BEGINDRAGW)};
  begin.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
  begin.itemNew.hItem = from;
  begin.itemNew.lParam = reinterpret_cast<LPARAM>(&source);
  SendMessageW(GetParent(view), WM_NOTIFY, begin.hdr.idFrom, reinterpret_cast<LPARAM>(&begin));
  const LPARAM at = MAKELPARAM(drop.x, drop.y);
  SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, at);
  SendMessageW(view, WM_LBUTTONUP, 0, at);
}

void Win32Input::close(Form& form) {
  if (FormWindow* window = toolkit_.windowOf(form))
    return static_cast<void>(SendMessageW(window->window(), WM_CLOSE, 0, 0));
  UserInput::close(form);
}

void Win32Input::settle(Form& form) {
  pump();
  if (FormWindow* window = toolkit_.windowOf(form)) window->syncFocus();
}

}  // namespace vrn::ui::win32
