// vrn_testhost.dll: the built-in drawing served through IDispatch, so that a
// script can open a DXF file and hand the application to SetApp exactly as
// AutoCAD hands over its own:
//
//   Set app = CreateObject("vrn.testhost")
//   Set doc = app.Documents.Open("C:\drawings\plan.dxf")
//   vrn.SetApp app
//
// Every object the drawing hands out is another IDispatch of this module.

#include <windows.h>

#include <memory>

#include "com/class_factory.h"
#include "com/class_registration.h"
#include "com/host_object_as_dispatch.h"
#include "com/server_lock.h"
#include "drawing/application.h"
#include "dxf/dxf_files.h"

namespace {

using namespace vrn::com;

// {8BB15F21-C1F9-47E3-9448-92FE4AEA4112}
constexpr GUID CLSID_testhost{
    0x8BB15F21, 0xC1F9, 0x47E3, {0x94, 0x48, 0x92, 0xFE, 0x4A, 0xEA, 0x41, 0x12}};

const ClassEntry kTesthostClass{CLSID_testhost, u"vrn.testhost", u"vrn test drawing host", u"1.0",
                                std::nullopt};

IUnknown* createTestHost() {
  try {
    auto application = vrn::drawing::makeApplication(std::make_shared<vrn::dxf::DxfFiles>());
    return dispatchOf(application);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return getClassObject(clsid, CLSID_testhost, &createTestHost, iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return serverLock().canUnload() ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  try {
    registerClass(kTesthostClass, registeredModulePath());
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  try {
    unregisterClass(kTesthostClass);
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}
