// The member table of Iautovrn: names, dispids, kinds and parameter types in
// the interface's function-table order. The COM type library declares the
// same; the dispatch entry coerces arguments by it.

#include <algorithm>

#include "automation/autovrn.h"
#include "host/member_table.h"

namespace vrn::automation {
namespace {

constexpr ParamInfo kEnt[] = {{"ent", ParamType::String}};
constexpr ParamInfo kPutValue[] = {{"Value", ParamType::String}};
constexpr ParamInfo kEntKind[] = {{"ent", ParamType::String}, {"kind", ParamType::Int8}};
constexpr ParamInfo kEntType[] = {{"ent", ParamType::String}, {"type", ParamType::Int8}};
constexpr ParamInfo kRetval[] = {{"Value", ParamType::String, ParamDirection::OutRetval}};
constexpr ParamInfo kVer[] = {{"ver", ParamType::String}};
constexpr ParamInfo kCmd[] = {
    {"Cmd", ParamType::String}, {"par", ParamType::String}, {"Value", ParamType::String}};
constexpr ParamInfo kApp[] = {{"App", ParamType::Dispatch}};

using enum MemberKind;

constexpr MemberInfo kMembers[] = {
    {"newtext", 201, Method, kEnt},
    {"edit", 202, Method, kEnt},
    {"FontTable", 203, Method, {}},
    {"mtext", 204, Method, kEnt},
    {"aver", 206, PropertyPut, kPutValue},
    {"block", 207, Method, kEnt},
    {"replace", 208, Method, {}},
    {"acadtostr", 209, Method, kEntKind},
    {"strtoacad", 210, Method, kEntType},
    {"Vrnstr", 213, PropertyGet, kRetval},
    {"acadversin", 212, Method, kVer},
    {"HtoMtext", 214, Method, {}},
    {"Hlib", 215, Method, {}},
    {"HShowfont", 216, Method, {}},
    {"Hplot", 217, Method, {}},
    {"Cmd", 218, Method, kCmd},
    {"Convert", 219, Method, {}},
    {"SetApp", 220, Method, kApp},
};

}  // namespace

std::size_t MemberInfo::inCount() const {
  return static_cast<std::size_t>(std::count_if(params.begin(), params.end(), [](const ParamInfo& p) {
    return p.direction == ParamDirection::In;
  }));
}

std::span<const MemberInfo> memberTable() { return kMembers; }

const MemberInfo* findMember(DISPID dispid) {
  const auto it = std::ranges::find(kMembers, dispid, &MemberInfo::dispid);
  return it == std::end(kMembers) ? nullptr : it;
}

const MemberInfo* findMember(std::string_view name) {
  const std::string wanted = host::lowerAscii(name);
  const auto it = std::ranges::find_if(
      kMembers, [&](const MemberInfo& m) { return host::lowerAscii(m.name) == wanted; });
  return it == std::end(kMembers) ? nullptr : it;
}

}  // namespace vrn::automation
