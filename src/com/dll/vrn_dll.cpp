// vrn.dll's entry points: the four exports of an in-process server, and the
// module's start-up and shut-down.

#include <windows.h>

#include <memory>

#include "automation/module.h"
#include "com/autovrn_object.h"
#include "com/class_factory.h"
#include "com/class_registration.h"
#include "com/dll_forms.h"
#include "com/server_lock.h"
#include "vrn.h"

namespace {

using namespace vrn::com;

const ClassEntry autovrnClass{CLSID_autovrn, u"vrn.autovrn", u"autovrn Object", u"1.0", LIBID_vrn};
constexpr unsigned short kLibraryMajor = 1;
constexpr unsigned short kLibraryMinor = 0;
constexpr LCID kLibraryLocale = 0x409;

std::unique_ptr<DllForms>& forms() {
  static std::unique_ptr<DllForms> instance;
  return instance;
}

std::unique_ptr<vrn::automation::Module>& module() {
  static std::unique_ptr<vrn::automation::Module> instance;
  return instance;
}

// The class factory is handed out by DllGetClassObject, so it is in place
// as soon as the module is; then the module state starts. A start-up that
// fails leaves the module loadable (it can still be registered) and every
// member then reports that nothing is started.
void startUp() {
  try {
    forms() = std::make_unique<DllForms>();
    vrn::automation::ModuleOptions options;
    options.toolkit = &forms()->toolkit();
    module() = std::make_unique<vrn::automation::Module>(std::move(options));
  } catch (...) {
    module().reset();
  }
}

void shutDown() {
  try {
    module().reset();
    forms().reset();
  } catch (...) {
    // Nobody is left to report it to.
  }
  releaseAutovrnTypeInfo();
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      startUp();
      break;
    case DLL_PROCESS_DETACH:
      shutDown();
      break;
    default:
      break;
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return getClassObject(clsid, CLSID_autovrn, &createAutovrn, iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return serverLock().canUnload() ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  try {
    registerTypeLibrary(modulePath());
    registerClass(autovrnClass, registeredModulePath());
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  try {
    unregisterClass(autovrnClass);
    unregisterTypeLibrary(LIBID_vrn, kLibraryMajor, kLibraryMinor, kLibraryLocale);
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}
