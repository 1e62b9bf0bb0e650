#pragma once
// DispatchAsHostObject: a client's IDispatch (AutoCAD's application object and
// everything reached from it) as a host object, called late-bound by name.
//
// Names go through GetIDsOfNames; when the object answers E_NOTIMPL (script
// objects under some runtimes), through IDispatchEx::GetDispID, ignoring
// case, and the call through InvokeEx. Dispids are cached per name.
//
// Method calls pass every argument by reference (VT_BYREF|VT_VARIANT), as
// VBScript does with variables, so a callee may hand values back through
// them (GetBoundingBox); the values are read back into `args` after the call.
// A failed call raises HostError with the callee's HRESULT and description.

#include <windows.h>
#include <wrl/client.h>

#include <map>
#include <string>

#include "host/object.h"

struct IDispatchEx;

namespace vrn::com {

class DispatchAsHostObject final : public host::Object {
 public:
  explicit DispatchAsHostObject(IDispatch* dispatch);

  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  IDispatch* dispatch() const { return dispatch_.Get(); }

 private:
  DISPID dispidOf(std::string_view name);

  Microsoft::WRL::ComPtr<IDispatch> dispatch_;
  Microsoft::WRL::ComPtr<IDispatchEx> dispatchEx_;  // set once GetIDsOfNames said E_NOTIMPL
  std::map<std::string, DISPID> dispids_;           // by lower-case name
};

// The host object for `dispatch` (null gives a null pointer).
host::ObjectPtr wrapDispatch(IDispatch* dispatch);

}  // namespace vrn::com
