#pragma once
// Tautovrn: the automation object `vrn.autovrn` and its dual interface
// `Iautovrn`, the surface that AutoCAD-side routines, the COM server, the
// `vrn` command and the tests all call.
//
// Two ways in:
//
//   * the eighteen members as C++ functions (`obj.acadtostr(u"abc", 0)`).
//     They raise exceptions (host::HostError, host::SilentAbort, anything
//     else) exactly as the member's body raises them;
//
//   * ONE dispatch entry, `Tautovrn::invoke`, by dispid or by name (ASCII,
//     any case) with host::Variant arguments, first argument first, as
//     IDispatch::Invoke receives them. It never throws. It checks the call
//     against the member table (automation/iautovrn_members.h), whose
//     invoker coerces the arguments to the parameter types (string, signed
//     8-bit, object) and calls the member, and it turns every exception
//     into the member's HRESULT with error information:
//
//       host::HostError with a negative HRESULT  -> that HRESULT
//       host::SilentAbort                        -> 0xA0004004
//       anything else                            -> E_UNEXPECTED (0x8000FFFF)
//
//     An unknown name gives DISP_E_UNKNOWNNAME, an unknown dispid or a call
//     of the wrong kind DISP_E_MEMBERNOTFOUND, a wrong argument count
//     DISP_E_BADPARAMCOUNT, an argument that does not coerce
//     DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW (a one-byte kind of 200).
//     Every failure fills `CallResult::error` with the description, the
//     source "vrn.autovrn" and the interface IID, ready for SetErrorInfo.
//
// Kinds: a method is called with Invoke::Method (Invoke::Get is accepted
// too, as VBScript sends both flags); `Vrnstr` is a property get (Get or
// Method); `aver` is a property put (Put only).
//
// The object holds no state: every instance works on the one started
// Module (automation/module.h), so any number of them may exist and they all
// see the same `Vrnstr`. A member called while no Module is started fails
// with E_UNEXPECTED.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/iautovrn_members.h"
#include "host/host_error.h"
#include "host/object.h"
#include "host/silent_abort.h"
#include "host/variant.h"

namespace vrn::automation {

// {15468C79-3550-4906-95F6-7C9FF867EC94}
struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::array<std::uint8_t, 8> data4;
};
inline constexpr Guid IID_Iautovrn{
    0x15468C79, 0x3550, 0x4906, {0x95, 0xF6, 0x7C, 0x9F, 0xF8, 0x67, 0xEC, 0x94}};
inline constexpr std::u16string_view kErrorSource = u"vrn.autovrn";
// The HRESULT of a silent abort (the user cancelled; nothing to report).
inline constexpr host::HRESULT kSilentAbortHr = static_cast<host::HRESULT>(0xA0004004u);

// ---- The dispatch entry. ----

struct ErrorInfo {
  std::u16string description;
  std::u16string source;  // "vrn.autovrn"
  Guid guid{};            // IID_Iautovrn
};

struct CallResult {
  host::HRESULT hr = host::hr::kOk;
  host::Variant value;  // the property value of `Vrnstr`; empty otherwise
  ErrorInfo error;      // filled when hr is negative

  bool failed() const { return hr < 0; }
};

class Tautovrn {
 public:
  // Dispatch by dispid or by name; `args` come first argument first and hold
  // only the in-parameters (never the retval). Never throws.
  CallResult invoke(DISPID dispid, host::Invoke kind, std::span<host::Variant> args);
  CallResult invoke(std::string_view name, host::Invoke kind, std::span<host::Variant> args);

  // ---- The members, in interface order, with their dispids. ----
  void newtext(const std::u16string& ent);                        // 201
  void edit(const std::u16string& ent);                           // 202
  void FontTable();                                               // 203
  void mtext(const std::u16string& ent);                          // 204
  void aver(const std::u16string& value);                         // 206, property put
  void block(const std::u16string& ent);                          // 207
  void replace();                                                 // 208
  void acadtostr(const std::u16string& ent, std::int8_t kind);    // 209
  void strtoacad(const std::u16string& ent, std::int8_t type);    // 210
  std::u16string Vrnstr();                                        // 213, property get
  void acadversin(const std::u16string& ver);                     // 212
  void HtoMtext();                                                // 214
  void Hlib();                                                    // 215
  void HShowfont();                                               // 216
  void Hplot();                                                   // 217
  void Cmd(const std::u16string& cmd, const std::u16string& par,  // 218
           const std::u16string& value);
  void Convert();                    // 219
  void SetApp(host::ObjectPtr App);  // 220

 private:
  CallResult call(const MemberInfo& member, host::Invoke kind, std::span<host::Variant> args);
};

}  // namespace vrn::automation
