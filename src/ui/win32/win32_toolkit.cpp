#include "ui/win32/win32_toolkit.h"

#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

#include "platform/keyboard_layouts.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/win32/form_window.h"
#include "ui/win32/message_dialog.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

LRESULT CALLBACK shellHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  if (code == HSHELL_LANGUAGE) {
    platform::notifyLanguageChange(static_cast<platform::KeyboardLayoutHandle>(
        reinterpret_cast<std::uintptr_t>(reinterpret_cast<HKL>(lParam)) & 0xFFFFFFFFu));
  }
  return result;
}

// "Text files(*.txt)|*.txt" -> the common dialog's pairs of
// zero-terminated strings, ending with an empty one.
std::u16string dialogFilter(std::u16string filter) {
  std::replace(filter.begin(), filter.end(), u'|', u'\0');
  filter.push_back(u'\0');
  filter.push_back(u'\0');
  return filter;
}

}  // namespace

LRESULT CALLBACK timerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (auto* toolkit = windowObject<Win32Toolkit>(window)) {
      toolkit->timerFired(wParam);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

Win32Toolkit::Win32Toolkit(std::function<HWND()> owner, User user)
    : owner_(std::move(owner)), scripted_(user == User::Script) {}

Win32Toolkit::~Win32Toolkit() {
  removeShellHook();
  if (timerWindow_) DestroyWindow(timerWindow_);
}

HWND Win32Toolkit::owner() const {
  if (!stack_.empty()) return stack_.back()->window();
  HWND window = owner_ ? owner_() : nullptr;
  return window && IsWindow(window) ? window : GetActiveWindow();
}

void Win32Toolkit::play(script::Script script, HostPrompts* prompts) {
  if (!scripted_) throw std::logic_error("a person's toolkit plays no script");
  user_.play(std::move(script), prompts);
}

RunReport Win32Toolkit::finish() { return user_.finish(); }

void Win32Toolkit::runModal(Form& form) {
  HWND ownerWindow = owner();
  FormWindow window(form, ownerWindow);
  windows_[&form] = &window;
  stack_.push_back(&window);
  if (stack_.size() == 1) installShellHook();
  if (onFormClosing) window.beforeHide = [this, &window] { onFormClosing(window); };
  const bool ownerEnabled = ownerWindow && IsWindowEnabled(ownerWindow);
  if (ownerEnabled) EnableWindow(ownerWindow, FALSE);
  window.changed(Aspect::Visible);
  Win32Input::pump();
  if (onFormShown) {
    // Lets the window finish drawing first.
    constexpr int kDrawingTime = 300;
    input_.wait(kDrawingTime);
    onFormShown(window);
  }
  if (scripted_) {
    user_.runModal(form);
  } else {
    MSG message{};
    while (form.showing()) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got <= 0) {
        // WM_QUIT: the host is going; close by the Cancel path and pass it on.
        form.userClose();
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
      window.syncFocus();
    }
  }
  if (ownerEnabled) EnableWindow(ownerWindow, TRUE);
  ShowWindow(window.window(), SW_HIDE);
  if (ownerEnabled) SetActiveWindow(ownerWindow);
  if (stack_.size() == 1) removeShellHook();
  stack_.pop_back();
  windows_.erase(&form);
}

ModalResult Win32Toolkit::showMessageBox(const MessageBoxRequest& request) {
  MessageDialog dialog(request, owner());
  if (scripted_) {
    // The script's answer is the button the user presses.
    ShowWindow(dialog.window(), SW_SHOWNA);
    const ModalResult answer = user_.answerMessageBox(request);
    if (HWND button = dialog.button(answer))
      PostMessageW(button, BM_CLICK, 0, 0);
    else
      PostMessageW(dialog.window(), WM_CLOSE, 0, 0);
  }
  return dialog.run();
}

std::optional<std::filesystem::path> Win32Toolkit::showFileDialog(
    const FileDialogRequest& request) {
  // A common dialog cannot be driven by messages we know the layout of:
  // a script's `file` line is taken as the user's choice.
  if (scripted_) return user_.answerFileDialog(request);
  const std::u16string filter = dialogFilter(request.filter);
  std::u16string file = request.fileName.u16string();
  file.resize(std::max<std::size_t>(file.size() + 1, MAX_PATH * 4), u'\0');
  const std::u16string initialDir = request.initialDir.u16string();
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner();
  dialog.lpstrFilter = wide(filter);
  dialog.lpstrFile = reinterpret_cast<wchar_t*>(file.data());
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : wide(initialDir);
  dialog.lpstrTitle = request.title.empty() ? nullptr : wide(request.title);
  dialog.lpstrDefExt = request.defaultExt.empty() ? nullptr : wide(request.defaultExt);
  dialog.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                 (request.kind == FileDialogKind::Open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST
                                                       : OFN_OVERWRITEPROMPT);
  const BOOL chosen =
      request.kind == FileDialogKind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return std::filesystem::path(std::u16string(file.c_str()));
}

Rect Win32Toolkit::pointerMonitor() const {
  POINT pointer{};
  GetCursorPos(&pointer);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& work = info.rcWork;
  return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

FormWindow* Win32Toolkit::windowOf(const Form& form) const {
  auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second;
}

void Win32Toolkit::bringToFront(Form& form) {
  if (FormWindow* window = windowOf(form)) {
    BringWindowToTop(window->window());
    SetForegroundWindow(window->window());
  }
}

void Win32Toolkit::beep() { MessageBeep(MB_OK); }

void Win32Toolkit::timerChanged(Timer& timer) {
  if (timerWindow_ == nullptr) {
    registerWindowClasses();
    timerWindow_ = CreateWindowExW(0, kTimerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   thisModule(), nullptr);
    SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  auto known = timerIds_.find(&timer);
  if (known != timerIds_.end()) {
    KillTimer(timerWindow_, known->second);
    timers_.erase(known->second);
    timerIds_.erase(known);
  }
  // An interval of 0 never falls due.
  if (!timer.enabled() || timer.interval() <= 0) return;
  const UINT_PTR id = nextTimerId_++;
  timers_[id] = &timer;
  timerIds_[&timer] = id;
  SetTimer(timerWindow_, id, static_cast<UINT>(timer.interval()), nullptr);
}

void Win32Toolkit::timerFired(UINT_PTR id) {
  auto found = timers_.find(id);
  if (found != timers_.end()) found->second->fire();
}

void Win32Toolkit::showBusyCursor(bool busy) {
  if (busy) {
    savedCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  } else {
    SetCursor(savedCursor_ ? savedCursor_ : LoadCursorW(nullptr, IDC_ARROW));
  }
}

void Win32Toolkit::installShellHook() {
  if (shellHook_) return;
  shellHook_ = SetWindowsHookExW(WH_SHELL, shellHookProc, nullptr, GetCurrentThreadId());
}

void Win32Toolkit::removeShellHook() {
  if (!shellHook_) return;
  UnhookWindowsHookEx(shellHook_);
  shellHook_ = nullptr;
}

}  // namespace vrn::ui::win32
