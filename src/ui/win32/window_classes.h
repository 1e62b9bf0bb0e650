#pragma once
// The window classes of the Windows backend, registered once per process
// on first use, and the small helpers every window of it shares.

#include <windows.h>

#include <string>

namespace vrn::ui::win32 {

inline constexpr wchar_t kFormClass[] = L"VrnForm";
inline constexpr wchar_t kMessageClass[] = L"VrnMessage";
inline constexpr wchar_t kTimerClass[] = L"VrnTimers";

// Registers the classes (and the common controls) the first time.
void registerWindowClasses();
// The module the classes belong to: the one holding this code.
HINSTANCE thisModule();

inline const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
std::u16string windowText(HWND window);

// The object a window of ours carries (GWLP_USERDATA).
template <class T>
T* windowObject(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window procedure of a class whose windows carry a T, given to
// CreateWindowExW as its creation parameter: from then on T::handle takes
// the window's messages.
template <class T>
LRESULT CALLBACK objectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  if (T* object = windowObject<T>(window)) return object->handle(window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vrn::ui::win32
