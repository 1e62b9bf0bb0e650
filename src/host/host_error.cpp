#include "host/host_error.h"

namespace vrn::host {

HostError::HostError(HRESULT code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

}  // namespace vrn::host
