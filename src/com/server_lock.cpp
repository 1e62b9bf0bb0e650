#include "com/server_lock.h"

namespace vrn::com {

ServerLock& serverLock() {
  static ServerLock lock;
  return lock;
}

}  // namespace vrn::com
