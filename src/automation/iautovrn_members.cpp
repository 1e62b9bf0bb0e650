#include "automation/iautovrn_members.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "ascii/letter_case.h"
#include "automation/autovrn.h"
#include "host/host_error.h"

namespace vrn::automation {
namespace {

using host::HostError;
using host::Variant;

// How a parameter type of a member travels: the type the table declares for
// it and the coercion IDispatch::Invoke applies to an argument.
template <class T>
struct Parameter;

template <>
struct Parameter<const std::u16string&> {
  static constexpr ParamType kType = ParamType::String;
  static std::u16string from(const Variant& value) { return value.toString(); }
};

template <>
struct Parameter<std::int8_t> {
  static constexpr ParamType kType = ParamType::Int8;
  static std::int8_t from(const Variant& value) {
    const std::int32_t n = value.toInt();
    if (n < std::numeric_limits<std::int8_t>::min() ||
        n > std::numeric_limits<std::int8_t>::max()) {
      throw HostError(host::hr::kOverflow, "Overflow");
    }
    return static_cast<std::int8_t>(n);
  }
};

template <>
struct Parameter<host::ObjectPtr> {
  static constexpr ParamType kType = ParamType::Dispatch;
  static host::ObjectPtr from(const Variant& value) { return value.toObject(); }
};

// A member function of Tautovrn taken apart: its parameter types, whether
// it returns the retval (a text), and the call.
template <class Member>
struct Signature;

template <class Result, class... Args>
struct Signature<Result (Tautovrn::*)(Args...)> {
  static_assert(std::is_void_v<Result> || std::is_same_v<Result, std::u16string>);
  static constexpr bool kHasRetval = !std::is_void_v<Result>;
  static constexpr std::size_t kInCount = sizeof...(Args);
  static constexpr std::array<ParamType, sizeof...(Args)> kTypes{Parameter<Args>::kType...};

  template <auto member>
  static Variant invoke(Tautovrn& object, std::span<const Variant> args) {
    return call<member>(object, args, std::index_sequence_for<Args...>());
  }

 private:
  template <auto member, std::size_t... I>
  static Variant call(Tautovrn& object, [[maybe_unused]] std::span<const Variant> args,
                      std::index_sequence<I...>) {
    // A braced list converts first to last, so the first argument that does
    // not coerce is the one reported.
    [[maybe_unused]] std::tuple<std::decay_t<Args>...> coerced{Parameter<Args>::from(args[I])...};
    if constexpr (kHasRetval) {
      return (object.*member)(std::get<I>(coerced)...);
    } else {
      (object.*member)(std::get<I>(coerced)...);
      return {};
    }
  }
};

// The parameters of a member: their names as the IDL gives them, one a
// parameter and the retval last; their types from the member's signature.
template <auto member, std::size_t N>
constexpr std::array<ParamInfo, N> describe(const std::array<std::string_view, N>& names) {
  using S = Signature<decltype(member)>;
  static_assert(N == S::kInCount + (S::kHasRetval ? 1 : 0), "one name a parameter");
  std::array<ParamInfo, N> params{};
  for (std::size_t i = 0; i < S::kInCount; ++i) params[i] = {names[i], S::kTypes[i]};
  if constexpr (S::kHasRetval) {
    params[N - 1] = {names[N - 1], ParamType::String, ParamDirection::OutRetval};
  }
  return params;
}

template <auto member, const auto& names>
constexpr auto kParams = describe<member>(names);

template <auto member, const auto& names>
constexpr MemberInfo row(std::string_view name, DISPID dispid, MemberKind kind) {
  return {name, dispid, kind, kParams<member, names>,
          &Signature<decltype(member)>::template invoke<member>};
}

constexpr std::array<std::string_view, 0> kNone{};
constexpr std::array<std::string_view, 1> kEnt{"ent"};
constexpr std::array<std::string_view, 1> kValue{"Value"};
constexpr std::array<std::string_view, 2> kEntKind{"ent", "kind"};
constexpr std::array<std::string_view, 2> kEntType{"ent", "type"};
constexpr std::array<std::string_view, 1> kVer{"ver"};
constexpr std::array<std::string_view, 3> kCmd{"Cmd", "par", "Value"};
constexpr std::array<std::string_view, 1> kApp{"App"};

using enum MemberKind;
using T = Tautovrn;

constexpr MemberInfo kMembers[] = {
    row<&T::newtext, kEnt>("newtext", 201, Method),
    row<&T::edit, kEnt>("edit", 202, Method),
    row<&T::FontTable, kNone>("FontTable", 203, Method),
    row<&T::mtext, kEnt>("mtext", 204, Method),
    row<&T::aver, kValue>("aver", 206, PropertyPut),
    row<&T::block, kEnt>("block", 207, Method),
    row<&T::replace, kNone>("replace", 208, Method),
    row<&T::acadtostr, kEntKind>("acadtostr", 209, Method),
    row<&T::strtoacad, kEntType>("strtoacad", 210, Method),
    row<&T::Vrnstr, kValue>("Vrnstr", 213, PropertyGet),
    row<&T::acadversin, kVer>("acadversin", 212, Method),
    row<&T::HtoMtext, kNone>("HtoMtext", 214, Method),
    row<&T::Hlib, kNone>("Hlib", 215, Method),
    row<&T::HShowfont, kNone>("HShowfont", 216, Method),
    row<&T::Hplot, kNone>("Hplot", 217, Method),
    row<&T::Cmd, kCmd>("Cmd", 218, Method),
    row<&T::Convert, kNone>("Convert", 219, Method),
    row<&T::SetApp, kApp>("SetApp", 220, Method),
};

}  // namespace

std::size_t MemberInfo::inCount() const {
  return static_cast<std::size_t>(
      std::ranges::count(params, ParamDirection::In, &ParamInfo::direction));
}

std::span<const MemberInfo> memberTable() { return kMembers; }

const MemberInfo* findMember(DISPID dispid) {
  const auto it = std::ranges::find(kMembers, dispid, &MemberInfo::dispid);
  return it == std::end(kMembers) ? nullptr : it;
}

const MemberInfo* findMember(std::string_view name) {
  const auto it = std::ranges::find_if(
      kMembers, [&](const MemberInfo& m) { return equalsIgnoringAsciiCase(m.name, name); });
  return it == std::end(kMembers) ? nullptr : it;
}

}  // namespace vrn::automation
