#pragma once
// HostObjectAsDispatch: a host object served to COM clients as an IDispatch, for
// the built-in drawing of the test host and for host objects handed out in
// results. Names are given dispids in the order clients ask for them (any
// name gets one; an unknown name fails at Invoke with DISP_E_UNKNOWNNAME,
// as the host object answers). By-reference arguments receive the values
// the host object assigns to its arguments. A HostError becomes
// DISP_E_EXCEPTION with the error's HRESULT and description.

#include <windows.h>

#include "host/object.h"

namespace vrn::com {

// An IDispatch for `object` with one reference the caller owns; a null
// object gives null. An object that wraps a client's IDispatch hands out
// that IDispatch instead of a second wrapper.
IDispatch* dispatchOf(const host::ObjectPtr& object);

// The host object behind `unknown` when it is a HostObjectAsDispatch of this
// module, so that an object handed out and passed back (a layer assigned to
// ActiveLayer) reaches its host object again; else null.
host::ObjectPtr hostObjectOf(IUnknown* unknown);

}  // namespace vrn::com
