#include "host/ref.h"

#include <string>

#include "host/host_error.h"

namespace vrn::host {

Variant Ref::invoke(std::string_view name, Invoke kind, std::span<Variant> args) const {
  if (!object_) {
    throw HostError(hr::kFail, "Object variable not set (calling " + std::string(name) + ")");
  }
  return object_->invoke(name, kind, args);
}

Variant Ref::get(std::string_view name) const { return invoke(name, Invoke::Get, {}); }

void Ref::put(std::string_view name, Variant value) const {
  Variant args[] = {std::move(value)};
  invoke(name, Invoke::Put, args);
}

Ref Ref::obj(std::string_view name) const { return get(name).toObject(); }

}  // namespace vrn::host
