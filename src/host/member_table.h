#pragma once
// MemberTable: the by-name dispatch of an Object implemented in C++. Names
// match ignoring ASCII case, as OLE Automation matches them. A property get
// also answers a method call of the same name and the other way round,
// because automation clients use either form for a read (obj.Count, obj.Count()).

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ascii/case_insensitive_hash.h"
#include "ascii/letter_case.h"
#include "host/host_error.h"
#include "host/variant.h"

namespace vrn::host {

// Raises DISP_E_BADPARAMCOUNT unless `args` holds between `min` and `max` values.
void requireArgs(std::span<Variant> args, std::size_t min, std::size_t max,
                 std::string_view member);

template <class T>
class MemberTable {
 public:
  using Reader = std::function<Variant(T&, std::span<Variant>)>;
  using Writer = std::function<void(T&, const Variant&)>;

  // Short bucket chains: a step along one hashes the next name again.
  MemberTable() { members_.max_load_factor(kLoadFactor); }

  // A member read with or without arguments (a property or a method).
  MemberTable& read(std::string_view name, Reader reader) {
    members_[std::string(name)].reader = std::move(reader);
    return *this;
  }
  // A property read that takes no arguments.
  MemberTable& get(std::string_view name, std::function<Variant(T&)> getter) {
    return read(name, [getter = std::move(getter), n = std::string(name)](T& self,
                                                                          std::span<Variant> args) {
      requireArgs(args, 0, 0, n);
      return getter(self);
    });
  }
  MemberTable& put(std::string_view name, Writer writer) {
    members_[std::string(name)].writer = std::move(writer);
    return *this;
  }

  Variant invoke(T& self, std::string_view name, Invoke kind, std::span<Variant> args) const {
    const auto it = members_.find(name);
    if (it == members_.end()) {
      throw HostError(hr::kUnknownName, "Unknown name: " + std::string(name));
    }
    const Member& m = it->second;
    if (kind == Invoke::Put) {
      if (!m.writer)
        throw HostError(hr::kMemberNotFound, "Property is read-only: " + std::string(name));
      if (args.empty()) throw HostError(hr::kBadParamCount, "No value for " + std::string(name));
      m.writer(self, args.back());
      return {};
    }
    if (!m.reader)
      throw HostError(hr::kMemberNotFound, "Property is write-only: " + std::string(name));
    return m.reader(self, args);
  }

 private:
  static constexpr float kLoadFactor = 0.25F;
  struct Member {
    Reader reader;
    Writer writer;
  };
  // A table holds some dozens of names, fixed when it is made, and one is
  // looked up on every late-bound call: the length and the folded first,
  // middle and last bytes tell them apart at a fraction of the cost of
  // hashing every byte.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
      if (name.empty()) return 0;
      const auto folded = [&](std::size_t i) -> std::size_t {
        return static_cast<unsigned char>(ascii_detail::lower(name[i]));
      };
      const std::size_t mixed = name.size() | folded(0) << 8U | folded(name.size() / 2) << 16U |
                                folded(name.size() - 1) << 24U;
      return mixed * 0x9E3779B97F4A7C15ULL;
    }
  };
  std::unordered_map<std::string, Member, NameHash, AsciiCaseInsensitiveEqual> members_;
};

}  // namespace vrn::host
