#include "cli/automation_call.h"

#include <cstdio>
#include <string>

#include "host/utf8.h"

namespace vrn::cli {
namespace {

std::string failureMessage(std::string_view member, const automation::CallResult& result) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result.hr));
  return std::string(member) + " failed: " + utf16ToUtf8(result.error.description) + " (HRESULT " +
         code + ")";
}

host::Invoke invokeKindOf(std::string_view member) {
  const automation::MemberInfo* info = automation::findMember(member);
  if (info == nullptr) return host::Invoke::Method;  // the dispatch entry reports the name
  switch (info->kind) {
    case automation::MemberKind::PropertyGet:
      return host::Invoke::Get;
    case automation::MemberKind::PropertyPut:
      return host::Invoke::Put;
    case automation::MemberKind::Method:
      break;
  }
  return host::Invoke::Method;
}

}  // namespace

MemberFailure::MemberFailure(std::string_view member, const automation::CallResult& result)
    : std::runtime_error(failureMessage(member, result)), hr_(result.hr) {}

host::Variant callMember(automation::Tautovrn& object, std::string_view member,
                         std::vector<host::Variant> args) {
  automation::CallResult result = object.invoke(member, invokeKindOf(member), args);
  if (result.failed()) throw MemberFailure(member, result);
  return result.value;
}

}  // namespace vrn::cli
