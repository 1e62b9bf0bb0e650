#pragma once
// SilentAbort: the user cancelled and there is nothing to report. The
// automation members turn it into the HRESULT 0xA0004004 instead of an error
// message, so the caller can tell a cancel from a failure.

#include <stdexcept>

namespace vrn::host {

class SilentAbort : public std::runtime_error {
 public:
  SilentAbort() : std::runtime_error("Operation aborted") {}
};

}  // namespace vrn::host
