#include "ui/win32/window_snapshot.h"

#include <windows.h>

#include <fstream>
#include <vector>

#include "host/utf8.h"
#include "ui/win32/form_window.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

std::string childrenText(HWND window) {
  std::string text;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM out) -> BOOL {
        if (!IsWindowVisible(child)) return TRUE;
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
        auto& lines = *reinterpret_cast<std::string*>(out);
        lines += utf16ToUtf8(reinterpret_cast<const char16_t*>(className)) + " " +
                 std::to_string(place.left) + " " + std::to_string(place.top) + " " +
                 std::to_string(place.right - place.left) + " " +
                 std::to_string(place.bottom - place.top) + " \"" + utf16ToUtf8(windowText(child)) +
                 "\"\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

void saveBitmap(HWND window, const std::filesystem::path& file) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const auto stride = static_cast<std::size_t>((width * 3 + 3) & ~3);
  std::vector<char> pixels(stride * static_cast<std::size_t>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = static_cast<DWORD>(header.bfOffBits + pixels.size());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

}  // namespace

void saveSnapshot(const FormWindow& window, const std::filesystem::path& dir,
                  const std::string& suffix) {
  HWND handle = window.window();
  UpdateWindow(handle);
  RedrawWindow(handle, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_INVALIDATE);
  const std::string name = window.form().name() + suffix;
  saveBitmap(handle, dir / (name + ".bmp"));
  RECT frame{};
  GetWindowRect(handle, &frame);
  std::ofstream out(dir / (name + ".txt"), std::ios::binary);
  out << "size " << frame.right - frame.left << ' ' << frame.bottom - frame.top << '\n'
      << childrenText(handle);
}

}  // namespace vrn::ui::win32
