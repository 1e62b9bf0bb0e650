#include "ui/win32/win32_input.h"

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

HWND Win32Input::windowOf(Control& control) const {
  FormWindow* form = toolkit_.windowOf(control.form());
  ControlWindow* window = form ? form->find(control) : nullptr;
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
  SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(window));
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
