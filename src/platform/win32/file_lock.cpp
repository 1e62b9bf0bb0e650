#include "platform/file_lock.h"

#include <windows.h>

#include <map>
#include <mutex>
#include <tuple>

namespace vrn::platform {
namespace {

// Windows locks are mandatory for the bytes they cover; one byte at 4 GiB
// x 2^20 is beyond any drawing, so reading and writing are never hindered.
constexpr DWORD kLockedByteHigh = 0x00100000;

using FileId = std::tuple<DWORD, DWORD, DWORD>;  // volume serial, file index high, low

// A second handle of this process would be refused by our own lock: every
// lock this process holds is kept here by the file's identity and shared.
class Win32FileLock;
std::mutex heldMutex;
std::map<FileId, std::weak_ptr<Win32FileLock>> held;

class Win32FileLock final : public FileLock {
 public:
  Win32FileLock(HANDLE handle, FileId id) : handle_(handle), id_(id) {}
  ~Win32FileLock() override {
    const std::lock_guard guard(heldMutex);
    if (const auto it = held.find(id_); it != held.end() && it->second.expired()) held.erase(it);
    CloseHandle(handle_);  // releases the lock
  }
  Win32FileLock(const Win32FileLock&) = delete;
  Win32FileLock& operator=(const Win32FileLock&) = delete;

 private:
  HANDLE handle_;
  FileId id_;
};

}  // namespace

// The handle shares deletion, so the file can still be renamed over or
// removed; the name is not checked again after locking, as Windows does not
// rename over a file that is open.
FileLockAttempt tryLockFile(const std::filesystem::path& file) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info)) {
    CloseHandle(handle);
    return {};
  }
  const FileId id{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
  const std::lock_guard guard(heldMutex);
  if (auto mine = held[id].lock()) {
    CloseHandle(handle);
    return {mine, false};
  }
  OVERLAPPED at{};
  at.OffsetHigh = kLockedByteHigh;
  if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) &&
      GetLastError() == ERROR_LOCK_VIOLATION) {
    CloseHandle(handle);
    return {nullptr, true};
  }
  auto lock = std::make_shared<Win32FileLock>(handle, id);
  held[id] = lock;
  return {lock, false};
}

}  // namespace vrn::platform
