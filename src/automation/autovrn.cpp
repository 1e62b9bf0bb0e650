#include "automation/autovrn.h"

#include <exception>
#include <limits>
#include <vector>

#include "automation/cmd.h"
#include "automation/module.h"
#include "automation/not_available.h"
#include "automation/shell_members.h"
#include "automation/string_commands.h"
#include "host/utf8.h"

namespace vrn::automation {
namespace {

using host::HostError;
using host::Invoke;
using host::Variant;

void refreshThenFormNotAvailable() {
  Module::current().view().RefreshAcad();
  formNotAvailable();
}

bool kindFits(MemberKind member, Invoke kind) {
  switch (member) {
    case MemberKind::Method:
    case MemberKind::PropertyGet:
      return kind == Invoke::Method || kind == Invoke::Get;
    case MemberKind::PropertyPut:
      return kind == Invoke::Put;
  }
  return false;
}

// The coercion IDispatch::Invoke applies to an argument for the declared
// parameter type.
Variant coerce(const Variant& value, ParamType type) {
  switch (type) {
    case ParamType::String:
      return value.toString();
    case ParamType::Int8: {
      const std::int32_t n = value.toInt();
      if (n < std::numeric_limits<std::int8_t>::min() || n > std::numeric_limits<std::int8_t>::max()) {
        throw HostError(host::hr::kOverflow, "Overflow");
      }
      return static_cast<std::int8_t>(n);
    }
    case ParamType::Dispatch:
      return value.toObject();
  }
  throw HostError(host::hr::kTypeMismatch, "Type mismatch");
}

CallResult failure(host::HRESULT hr, std::u16string description) {
  CallResult result;
  result.hr = hr;
  result.error = ErrorInfo{std::move(description), std::u16string(kErrorSource), IID_Iautovrn};
  return result;
}

// Turns the exception in flight into the member's HRESULT and error information.
CallResult failureFromCurrentException() {
  try {
    throw;
  } catch (const host::SilentAbort& e) {
    return failure(kSilentAbortHr, utf8ToUtf16(e.what()));
  } catch (const HostError& e) {
    return failure(e.code() < 0 ? e.code() : host::hr::kUnexpected, utf8ToUtf16(e.what()));
  } catch (const std::exception& e) {
    return failure(host::hr::kUnexpected, utf8ToUtf16(e.what()));
  } catch (...) {
    return failure(host::hr::kUnexpected, u"Unexpected error");
  }
}

std::int8_t int8Of(const Variant& v) { return static_cast<std::int8_t>(v.toInt()); }

}  // namespace

CallResult Tautovrn::invoke(DISPID dispid, Invoke kind, std::span<Variant> args) {
  const MemberInfo* member = findMember(dispid);
  if (member == nullptr) {
    return failure(host::hr::kMemberNotFound, u"Member not found: dispid " + utf8ToUtf16(std::to_string(dispid)));
  }
  return call(*member, kind, args);
}

CallResult Tautovrn::invoke(std::string_view name, Invoke kind, std::span<Variant> args) {
  const MemberInfo* member = findMember(name);
  if (member == nullptr) return failure(host::hr::kUnknownName, u"Unknown name: " + utf8ToUtf16(name));
  return call(*member, kind, args);
}

CallResult Tautovrn::call(const MemberInfo& member, Invoke kind, std::span<Variant> args) {
  try {
    const std::string name(member.name);
    if (!kindFits(member.kind, kind)) throw HostError(host::hr::kMemberNotFound, "Member not found: " + name);
    if (args.size() != member.inCount()) {
      throw HostError(host::hr::kBadParamCount, "Wrong number of arguments for " + name);
    }
    std::vector<Variant> a;
    for (std::size_t i = 0; i < args.size(); ++i) a.push_back(coerce(args[i], member.params[i].type));

    CallResult result;
    switch (member.dispid) {
      case 201: newtext(a[0].toString()); break;
      case 202: edit(a[0].toString()); break;
      case 203: FontTable(); break;
      case 204: mtext(a[0].toString()); break;
      case 206: aver(a[0].toString()); break;
      case 207: block(a[0].toString()); break;
      case 208: replace(); break;
      case 209: acadtostr(a[0].toString(), int8Of(a[1])); break;
      case 210: strtoacad(a[0].toString(), int8Of(a[1])); break;
      case 213: result.value = Vrnstr(); break;
      case 212: acadversin(a[0].toString()); break;
      case 214: HtoMtext(); break;
      case 215: Hlib(); break;
      case 216: HShowfont(); break;
      case 217: Hplot(); break;
      case 218: Cmd(a[0].toString(), a[1].toString(), a[2].toString()); break;
      case 219: Convert(); break;
      case 220: SetApp(a[0].toObject()); break;
      default: throw HostError(host::hr::kMemberNotFound, "Member not found: " + name);
    }
    return result;
  } catch (...) {
    return failureFromCurrentException();
  }
}

// ---- Members whose forms come with later parts of the system. ----

void Tautovrn::newtext(const std::u16string&) { refreshThenFormNotAvailable(); }
void Tautovrn::edit(const std::u16string&) { refreshThenFormNotAvailable(); }
void Tautovrn::FontTable() { showFontTable(Module::current()); }
void Tautovrn::mtext(const std::u16string&) { refreshThenFormNotAvailable(); }
void Tautovrn::block(const std::u16string&) { refreshThenFormNotAvailable(); }
void Tautovrn::replace() { refreshThenFormNotAvailable(); }
void Tautovrn::HtoMtext() { refreshThenFormNotAvailable(); }
void Tautovrn::Hlib() { refreshThenFormNotAvailable(); }
void Tautovrn::HShowfont() { refreshThenFormNotAvailable(); }
void Tautovrn::Hplot() { refreshThenFormNotAvailable(); }
void Tautovrn::Convert() { refreshThenFormNotAvailable(); }

// ---- Members that work on the module state. ----

void Tautovrn::aver(const std::u16string& value) { Module::current().AcadVersionText = value; }

void Tautovrn::acadversin(const std::u16string& ver) { Module::current().AcadVersionText = ver; }

std::u16string Tautovrn::Vrnstr() { return Module::current().Vrnstr; }

void Tautovrn::SetApp(host::ObjectPtr App) { Module::current().view().AcadApp = std::move(App); }

void Tautovrn::acadtostr(const std::u16string& ent, std::int8_t kind) {
  Module& module = Module::current();
  if (kind > 10) {
    module.view().RefreshAcad();
    AcadToStrByHandle(module, ent, kind);
  } else {
    module.Vrnstr = acadToStrText(ent, kind);
  }
}

void Tautovrn::strtoacad(const std::u16string& ent, std::int8_t type) {
  Module& module = Module::current();
  if (type > 10) {
    module.view().RefreshAcad();
    StrToAcadByHandle(module, ent, type);
  } else {
    module.Vrnstr = strToAcadText(ent, type);
  }
}

void Tautovrn::Cmd(const std::u16string& cmd, const std::u16string& par, const std::u16string& value) {
  runCmd(Module::current(), cmd, par, value);
}

}  // namespace vrn::automation
