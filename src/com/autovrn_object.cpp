#include "com/autovrn_object.h"

#include <string>
#include <vector>

#include "automation/autovrn.h"
#include "com/bstr.h"
#include "com/class_registration.h"
#include "com/com_object.h"
#include "com/dispatch_as_host_object.h"
#include "com/error_info.h"
#include "vrn.h"

namespace vrn::com {
namespace {

using host::Variant;

ITypeInfo* loadedTypeInfo = nullptr;

// IDispatch is served from the type library, so the dispids, names and
// parameter types that clients see are the library's own.
HRESULT autovrnTypeInfo(ITypeInfo** out) {
  if (loadedTypeInfo == nullptr) {
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(wide(modulePath()), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    hr = library->GetTypeInfoOfGuid(IID_Iautovrn, &loadedTypeInfo);
    library->Release();
    if (FAILED(hr)) return hr;
  }
  loadedTypeInfo->AddRef();
  *out = loadedTypeInfo;
  return S_OK;
}

GUID guidOf(const automation::Guid& g) {
  GUID guid{g.data1, g.data2, g.data3, {}};
  for (std::size_t i = 0; i < g.data4.size(); ++i) guid.Data4[i] = g.data4[i];
  return guid;
}

class AutovrnObject final : public ComObject<Iautovrn, ISupportErrorInfo> {
 public:
  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    IUnknown* found = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_Iautovrn) {
      found = static_cast<Iautovrn*>(this);
    } else if (iid == IID_ISupportErrorInfo) {
      found = static_cast<ISupportErrorInfo*>(this);
    }
    return answerQuery(found, out);
  }

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return iid == IID_Iautovrn ? S_OK : S_FALSE;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return autovrnTypeInfo(info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    ITypeInfo* info = nullptr;
    HRESULT hr = autovrnTypeInfo(&info);
    if (FAILED(hr)) return hr;
    hr = DispGetIDsOfNames(info, names, count, ids);
    info->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    ITypeInfo* info = nullptr;
    HRESULT hr = autovrnTypeInfo(&info);
    if (FAILED(hr)) return hr;
    hr = DispInvoke(static_cast<Iautovrn*>(this), info, dispid, flags, params, result, exception,
                    argumentError);
    info->Release();
    return hr;
  }

  // Iautovrn: each member in interface order, as its dispid.
  HRESULT STDMETHODCALLTYPE newtext(BSTR ent) override {
    return call(201, host::Invoke::Method, {fromBstr(ent)});
  }
  HRESULT STDMETHODCALLTYPE edit(BSTR ent) override {
    return call(202, host::Invoke::Method, {fromBstr(ent)});
  }
  HRESULT STDMETHODCALLTYPE FontTable() override { return call(203, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE mtext(BSTR ent) override {
    return call(204, host::Invoke::Method, {fromBstr(ent)});
  }
  HRESULT STDMETHODCALLTYPE put_aver(BSTR value) override {
    return call(206, host::Invoke::Put, {fromBstr(value)});
  }
  HRESULT STDMETHODCALLTYPE block(BSTR ent) override {
    return call(207, host::Invoke::Method, {fromBstr(ent)});
  }
  HRESULT STDMETHODCALLTYPE replace() override { return call(208, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE acadtostr(BSTR ent, signed char kind) override {
    return call(209, host::Invoke::Method, {fromBstr(ent), static_cast<std::int8_t>(kind)});
  }
  HRESULT STDMETHODCALLTYPE strtoacad(BSTR ent, signed char type) override {
    return call(210, host::Invoke::Method, {fromBstr(ent), static_cast<std::int8_t>(type)});
  }
  HRESULT STDMETHODCALLTYPE get_Vrnstr(BSTR* value) override {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    automation::CallResult result = invoke(213, host::Invoke::Get, {});
    if (result.failed()) return result.hr;
    *value = toBstr(result.value.toString());
    return *value != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE acadversin(BSTR ver) override {
    return call(212, host::Invoke::Method, {fromBstr(ver)});
  }
  HRESULT STDMETHODCALLTYPE HtoMtext() override { return call(214, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE Hlib() override { return call(215, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE HShowfont() override { return call(216, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE Hplot() override { return call(217, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE Cmd(BSTR command, BSTR par, BSTR value) override {
    return call(218, host::Invoke::Method, {fromBstr(command), fromBstr(par), fromBstr(value)});
  }
  HRESULT STDMETHODCALLTYPE Convert() override { return call(219, host::Invoke::Method, {}); }
  HRESULT STDMETHODCALLTYPE SetApp(IDispatch* app) override {
    return call(220, host::Invoke::Method, {Variant(wrapDispatch(app))});
  }

 private:
  // The member's result; a failure is left in the thread's error
  // information, a success clears what an earlier call left there.
  automation::CallResult invoke(automation::DISPID dispid, host::Invoke kind,
                                std::vector<Variant> args) {
    automation::CallResult result = autovrn_.invoke(dispid, kind, args);
    if (result.failed()) {
      setErrorInfo(result.error.description, result.error.source, guidOf(result.error.guid));
    } else {
      clearErrorInfo();
    }
    return result;
  }
  HRESULT call(automation::DISPID dispid, host::Invoke kind, std::vector<Variant> args) {
    return invoke(dispid, kind, std::move(args)).hr;
  }

  automation::Tautovrn autovrn_;
};

}  // namespace

IUnknown* createAutovrn() { return static_cast<Iautovrn*>(new AutovrnObject()); }

void releaseAutovrnTypeInfo() {
  if (loadedTypeInfo != nullptr) loadedTypeInfo->Release();
  loadedTypeInfo = nullptr;
}

}  // namespace vrn::com
