#pragma once
// Ref: a host object reference with call helpers, so that a call site reads
// like the automation code it stands for:
//   auto e = doc.call("HandleToObject", handle).toObject();
//   auto text = Ref(e).get("TextString").toString();

#include <string_view>
#include <utility>
#include <vector>

#include "host/variant.h"

namespace vrn::host {

class Ref {
 public:
  Ref() = default;
  Ref(ObjectPtr object) : object_(std::move(object)) {}

  explicit operator bool() const { return object_ != nullptr; }
  const ObjectPtr& ptr() const { return object_; }

  Variant get(std::string_view name) const;
  void put(std::string_view name, Variant value) const;
  // A property whose value is an object, e.g. doc.obj("ActiveLayer").
  Ref obj(std::string_view name) const;

  template <class... Args>
  Variant call(std::string_view name, Args&&... args) const {
    std::vector<Variant> list{Variant(std::forward<Args>(args))...};
    return invoke(name, Invoke::Method, list);
  }
  // A call whose arguments the callee may assign to (out-parameters).
  Variant callByRef(std::string_view name, std::vector<Variant>& args) const {
    return invoke(name, Invoke::Method, args);
  }

  Variant invoke(std::string_view name, Invoke kind, std::span<Variant> args) const;

 private:
  ObjectPtr object_;
};

}  // namespace vrn::host
