#pragma once
// The eighteen members of Iautovrn as one table, in the interface's
// function-table order: name, dispid, kind, parameters and the invoker that
// calls the member of Tautovrn. The COM type library (com/vrn.idl)
// declares the same members; a test reads the IDL and holds the two
// together. The dispatch entry (Tautovrn::invoke) checks a call against
// this table and hands the arguments to the member's invoker.

#include <cstdint>
#include <span>
#include <string_view>

#include "host/variant.h"

namespace vrn::automation {

class Tautovrn;

using DISPID = std::int32_t;

enum class MemberKind : std::uint8_t { Method, PropertyGet, PropertyPut };
enum class ParamType : std::uint8_t {
  String,    // BSTR
  Int8,      // signed char, VT_I1
  Dispatch,  // IDispatch*
};
enum class ParamDirection : std::uint8_t { In, OutRetval };

struct ParamInfo {
  std::string_view name;
  ParamType type = ParamType::String;
  ParamDirection direction = ParamDirection::In;
};

// Coerces the in-arguments (first argument first) to the member's
// parameter types as IDispatch::Invoke does, then calls the member; gives
// the retval of a property get, else an empty variant. Raises what the
// coercion or the member raises.
using MemberInvoker = host::Variant (*)(Tautovrn& object, std::span<const host::Variant> args);

struct MemberInfo {
  std::string_view name;
  DISPID dispid;
  MemberKind kind;
  std::span<const ParamInfo> params;  // in declaration order, the retval included
  MemberInvoker invoke;

  // The parameters a caller passes (all but the retval).
  std::size_t inCount() const;
};

// The eighteen members of Iautovrn, in interface order.
std::span<const MemberInfo> memberTable();
// Looks a member up by dispid, or by name ignoring ASCII case.
const MemberInfo* findMember(DISPID dispid);
const MemberInfo* findMember(std::string_view name);

}  // namespace vrn::automation
