#pragma once
// ClassFactory: the IClassFactory of one class, creating a new object for
// every request. `create` returns an object holding one reference, or null
// when it cannot be made.

#include <windows.h>

namespace vrn::com {

using CreateObject = IUnknown* (*)();

// A new factory with one reference, for DllGetClassObject.
IClassFactory* newClassFactory(CreateObject create);

// DllGetClassObject for a module that serves the class `clsid`.
HRESULT getClassObject(REFCLSID requested, REFCLSID clsid, CreateObject create, REFIID iid,
                       void** out);

}  // namespace vrn::com
