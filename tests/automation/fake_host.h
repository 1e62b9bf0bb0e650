#pragma once
// FakeObject: a host object whose properties the test sets and whose calls
// are logged, for host states a drawing cannot be put in (an unreadable
// active layer, a host that is gone, a failure of a given kind).

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "ascii/letter_case.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/object.h"
#include "host/variant.h"

namespace vrn::automation::testing {

class FakeObject : public host::Object {
 public:
  FakeObject& set(const std::string& name, host::Variant value) {
    members_.insert_or_assign(lowerAscii(name), std::move(value));
    return *this;
  }
  // Reading `name` runs `raise`, which throws.
  FakeObject& fail(const std::string& name, std::function<void()> raise) {
    members_.insert_or_assign(lowerAscii(name), std::move(raise));
    return *this;
  }

  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override {
    const std::string key = lowerAscii(name);
    log.push_back(key);
    if (kind == host::Invoke::Put) {
      members_.insert_or_assign(key, args.back());
      return {};
    }
    const auto it = members_.find(key);
    if (it == members_.end()) throw host::HostError(host::hr::kUnknownName, "Unknown name: " + key);
    if (const auto* raise = std::get_if<std::function<void()>>(&it->second)) (*raise)();
    return std::get<host::Variant>(it->second);
  }

  std::vector<std::string> log;  // every member asked for, lower case, in order

 private:
  std::map<std::string, std::variant<host::Variant, std::function<void()>>> members_;
};

// A collection: count, and item by index.
struct FakeCollection : host::Object {
  std::vector<host::Variant> items;
  host::Variant invoke(std::string_view name, host::Invoke,
                       std::span<host::Variant> args) override {
    if (lowerAscii(name) == "count") return static_cast<std::int32_t>(items.size());
    return items.at(static_cast<std::size_t>(args[0].toInt()));
  }
};

inline std::shared_ptr<FakeObject> fake() { return std::make_shared<FakeObject>(); }

// An application whose active document is in model space with layer "0".
struct FakeAcad {
  std::shared_ptr<FakeObject> app = fake();
  std::shared_ptr<FakeObject> doc = fake();
  std::shared_ptr<FakeObject> modelSpace = fake();
  std::shared_ptr<FakeObject> paperSpace = fake();
  std::shared_ptr<FakeObject> styles = fake();
  std::shared_ptr<FakeObject> layer = fake();

  FakeAcad() {
    app->set("version", "24.1s (LMS Tech)").set("ActiveDocument", host::ObjectPtr(doc));
    doc->set("ActiveSpace", 1)
        .set("ModelSpace", host::ObjectPtr(modelSpace))
        .set("PaperSpace", host::ObjectPtr(paperSpace))
        .set("TextStyles", host::ObjectPtr(styles))
        .set("ActiveLayer", host::ObjectPtr(layer));
    layer->set("name", "WALLS");
  }
};

}  // namespace vrn::automation::testing
