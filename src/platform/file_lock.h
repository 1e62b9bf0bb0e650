#pragma once
// An advisory lock on a file, saying "a process works on this file and may
// replace it". Other processes that ask for the same file are refused at
// once, never kept waiting; asking again in the process that holds it gives
// the lock it holds. Readers are never blocked: on POSIX the lock is
// flock()'s, on Windows a LockFileEx range far beyond any file's data.
//
// The lock belongs to the file, not to its name: a file renamed over the
// name takes its own lock with it, which is how a safe save hands the lock
// from the old drawing to the new one without a moment unlocked.

#include <filesystem>
#include <memory>

namespace vrn::platform {

class FileLock {
 public:
  virtual ~FileLock() = default;
};

struct FileLockAttempt {
  // The lock, or null when there was nothing to lock (no such file, not a
  // regular file, or a file this process cannot open) or it is held elsewhere.
  std::shared_ptr<FileLock> lock;
  bool heldElsewhere = false;
};

// Takes the lock on `file` without waiting.
FileLockAttempt tryLockFile(const std::filesystem::path& file);

}  // namespace vrn::platform
