#include "platform/disk_flush.h"

#include <windows.h>

namespace vrn::platform {
namespace {

std::string systemMessage(DWORD code) {
  char* text = nullptr;
  const DWORD size = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = size > 0 ? std::string(text, size) : "error " + std::to_string(code);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

}  // namespace

std::string flushFileToDisk(const std::filesystem::path& file) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return systemMessage(GetLastError());
  const bool flushed = FlushFileBuffers(handle) != 0;
  const DWORD error = GetLastError();
  CloseHandle(handle);
  return flushed ? std::string() : systemMessage(error);
}

// NTFS journals its folders' entries itself; Windows has no call to flush one.
void flushFolderToDisk(const std::filesystem::path&) {}

}  // namespace vrn::platform
