#pragma once
// What a member answers while its form is not part of this build: a clear
// failure (E_NOTIMPL) that the caller can read, never a pretended success.

#include "host/host_error.h"

namespace vrn::automation {

[[noreturn]] inline void formNotAvailable() {
  throw host::HostError(host::hr::kNotImpl, "not available in this build");
}

}  // namespace vrn::automation
