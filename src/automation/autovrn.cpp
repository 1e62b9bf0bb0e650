#include "automation/autovrn.h"

#include <exception>
#include <string>

#include "automation/cmd.h"
#include "automation/drawing_ops_members.h"
#include "automation/library_member.h"
#include "automation/module.h"
#include "automation/multiline_members.h"
#include "automation/shell_members.h"
#include "automation/string_commands.h"
#include "automation/text_editor_members.h"
#include "drawing_ops/font_chart.h"
#include "drawing_ops/plot_preparation.h"
#include "host/utf8.h"

namespace vrn::automation {
namespace {

using host::HostError;
using host::Invoke;
using host::Variant;

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

}  // namespace

CallResult Tautovrn::invoke(DISPID dispid, Invoke kind, std::span<Variant> args) {
  const MemberInfo* member = findMember(dispid);
  if (member == nullptr) {
    return failure(host::hr::kMemberNotFound,
                   u"Member not found: dispid " + utf8ToUtf16(std::to_string(dispid)));
  }
  return call(*member, kind, args);
}

CallResult Tautovrn::invoke(std::string_view name, Invoke kind, std::span<Variant> args) {
  const MemberInfo* member = findMember(name);
  if (member == nullptr)
    return failure(host::hr::kUnknownName, u"Unknown name: " + utf8ToUtf16(name));
  return call(*member, kind, args);
}

CallResult Tautovrn::call(const MemberInfo& member, Invoke kind, std::span<Variant> args) {
  try {
    const std::string name(member.name);
    if (!kindFits(member.kind, kind))
      throw HostError(host::hr::kMemberNotFound, "Member not found: " + name);
    if (args.size() != member.inCount()) {
      throw HostError(host::hr::kBadParamCount, "Wrong number of arguments for " + name);
    }
    CallResult result;
    result.value = member.invoke(*this, args);
    return result;
  } catch (...) {
    return failureFromCurrentException();
  }
}

// ---- Members whose forms come with later parts of the system. ----

void Tautovrn::newtext(const std::u16string& ent) { newtextMember(Module::current(), ent); }
void Tautovrn::edit(const std::u16string& ent) { editMember(Module::current(), ent); }
void Tautovrn::FontTable() { showFontTable(Module::current()); }
void Tautovrn::mtext(const std::u16string& ent) { mtextMember(Module::current(), ent); }
void Tautovrn::block(const std::u16string& ent) { blockMember(Module::current(), ent); }
void Tautovrn::replace() { replaceMember(Module::current()); }
void Tautovrn::HtoMtext() { HtoMtextMember(Module::current()); }
void Tautovrn::Hlib() { hlibMember(Module::current()); }
void Tautovrn::HShowfont() {
  Module& module = Module::current();
  module.view().RefreshAcad();
  drawing_ops::ShowFontChart(module.view().AcadDoc, module.view().AcadSpace);
}
void Tautovrn::Hplot() {
  Module& module = Module::current();
  module.view().RefreshAcad();
  drawing_ops::PreparePlot(module.view().AcadDoc);
}
void Tautovrn::Convert() { convertMember(Module::current()); }

// ---- Members that work on the module state. ----

void Tautovrn::aver(const std::u16string& value) { Module::current().AcadVersionText = value; }

void Tautovrn::acadversin(const std::u16string& ver) { Module::current().AcadVersionText = ver; }

std::u16string Tautovrn::Vrnstr() { return Module::current().Vrnstr; }

void Tautovrn::SetApp(host::ObjectPtr App) { Module::current().view().AcadApp = std::move(App); }

void Tautovrn::acadtostr(const std::u16string& ent, std::int8_t kind) {
  convertString(Module::current(), StringConversion::AcadToStr, ent, kind);
}

void Tautovrn::strtoacad(const std::u16string& ent, std::int8_t type) {
  convertString(Module::current(), StringConversion::StrToAcad, ent, type);
}

void Tautovrn::Cmd(const std::u16string& cmd, const std::u16string& par,
                   const std::u16string& value) {
  runCmd(Module::current(), cmd, par, value);
}

}  // namespace vrn::automation
