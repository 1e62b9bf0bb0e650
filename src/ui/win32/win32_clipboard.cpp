#include "ui/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

namespace vrn::ui::win32 {

std::u16string Win32Clipboard::text() const {
  std::u16string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Win32Clipboard::setText(std::u16string text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(data)) {
      std::memcpy(target, text.c_str(), bytes);
      GlobalUnlock(data);
      if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
    } else {
      GlobalFree(data);
    }
  }
  CloseClipboard();
}

}  // namespace vrn::ui::win32
