#pragma once
// The late-bound object interface: what AutoCAD's automation objects look
// like to the rest of the system. Members are reached by name, ignoring case,
// with variant arguments, so the built-in drawing and a COM client's
// IDispatch can stand behind the same calls.

#include <memory>
#include <span>
#include <string_view>

namespace vrn::host {

class Variant;

enum class Invoke : unsigned char { Method, Get, Put };

class Object {
 public:
  virtual ~Object() = default;

  // Calls member `name` (ASCII, any case). `args` come first argument first;
  // a callee may assign to an argument to hand a value back, as COM does with
  // by-reference parameters (GetBoundingBox). For Put, the last argument is
  // the new value. Raises HostError.
  virtual Variant invoke(std::string_view name, Invoke kind, std::span<Variant> args) = 0;
};

using ObjectPtr = std::shared_ptr<Object>;

}  // namespace vrn::host
