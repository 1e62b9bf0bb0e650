#pragma once
// What keeps an in-process server loaded: its live objects and the locks
// clients hold on its class factories (DllCanUnloadNow).

#include <atomic>

namespace vrn::com {

class ServerLock {
 public:
  void objectCreated() { ++objects_; }
  void objectDestroyed() { --objects_; }
  void lock() { ++locks_; }
  void unlock() { --locks_; }
  bool canUnload() const { return objects_ == 0 && locks_ == 0; }

 private:
  std::atomic<long> objects_{0};
  std::atomic<long> locks_{0};
};

ServerLock& serverLock();

}  // namespace vrn::com
