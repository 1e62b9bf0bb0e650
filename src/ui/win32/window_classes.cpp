#include "ui/win32/window_classes.h"

#include <commctrl.h>

#include <mutex>

#include "ui/win32/form_window.h"
#include "ui/win32/message_dialog.h"

namespace vrn::ui::win32 {

LRESULT CALLBACK timerWindowProc(HWND, UINT, WPARAM, LPARAM);

HINSTANCE thisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&thisModule), &module);
  return module;
}

void registerWindowClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                       ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES |
                                                       ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    struct Entry {
      const wchar_t* name;
      WNDPROC procedure;
    };
    for (const Entry& entry : {Entry{kFormClass, objectWindowProc<FormWindow>},
                               Entry{kMessageClass, objectWindowProc<MessageDialog>},
                               Entry{kTimerClass, timerWindowProc}}) {
      WNDCLASSEXW windowClass{};
      windowClass.cbSize = sizeof windowClass;
      windowClass.lpfnWndProc = entry.procedure;
      windowClass.hInstance = thisModule();
      windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      windowClass.lpszClassName = entry.name;
      RegisterClassExW(&windowClass);
    }
  });
}

std::u16string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const int got = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

}  // namespace vrn::ui::win32
