#include "com/host_object_as_dispatch.h"

#include <set>
#include <string>
#include <vector>

#include "ascii/letter_case.h"
#include "com/bstr.h"
#include "com/com_object.h"
#include "com/com_variant.h"
#include "com/dispatch_as_host_object.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/utf8.h"
#include "host/variant.h"

namespace vrn::com {
namespace {

using host::Invoke;
using host::Variant;

constexpr wchar_t errorSource[] = L"vrn host";

// The live wrappers of this module, by their IUnknown identity.
std::set<IUnknown*>& liveWrappers() {
  static std::set<IUnknown*> wrappers;
  return wrappers;
}

Invoke kindOf(WORD flags) {
  if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) return Invoke::Put;
  if ((flags & DISPATCH_METHOD) != 0) return Invoke::Method;
  return Invoke::Get;
}

void fillException(EXCEPINFO* exception, HRESULT code, const std::string& message) {
  if (exception == nullptr) return;
  *exception = EXCEPINFO{};
  exception->scode = code;
  exception->bstrSource = SysAllocString(errorSource);
  exception->bstrDescription = toBstr(utf8ToUtf16(message));
}

class HostObjectAsDispatch final : public ComObject<IDispatch> {
 public:
  explicit HostObjectAsDispatch(host::ObjectPtr object) : object_(std::move(object)) {
    liveWrappers().insert(this);
  }
  ~HostObjectAsDispatch() override { liveWrappers().erase(this); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    const bool offered = iid == IID_IUnknown || iid == IID_IDispatch;
    return answerQuery(offered ? this : nullptr, out);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
  }

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (names == nullptr || ids == nullptr) return E_POINTER;
    if (count == 0) return S_OK;
    ids[0] = idOf(utf16ToUtf8(fromBstr(names[0])));
    // Named arguments are not part of AutoCAD's object model.
    for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    if (dispid < 1 || static_cast<std::size_t>(dispid) > names_.size())
      return DISP_E_MEMBERNOTFOUND;
    if (params == nullptr) return E_POINTER;
    if (argumentError != nullptr) *argumentError = 0;
    const std::string& name = names_[static_cast<std::size_t>(dispid - 1)];
    try {
      std::vector<Variant> args;
      for (UINT i = params->cArgs; i > 0; --i) args.push_back(fromVariant(params->rgvarg[i - 1]));
      Variant value = object_->invoke(name, kindOf(flags), args);
      writeBack(*params, args);
      if (result != nullptr) {
        VariantInit(result);
        toVariant(value, *result);
      }
      return S_OK;
    } catch (const host::HostError& e) {
      fillException(exception, e.code() < 0 ? e.code() : E_UNEXPECTED, e.what());
    } catch (const std::exception& e) {
      // No HRESULT of its own: reported as our members report such failures.
      fillException(exception, E_UNEXPECTED, e.what());
    } catch (...) {
      // Nothing may cross the COM boundary.
      fillException(exception, E_UNEXPECTED, "Unexpected error");
    }
    return DISP_E_EXCEPTION;
  }

  const host::ObjectPtr& object() const { return object_; }

 private:
  DISPID idOf(const std::string& name) {
    const std::string key = lowerAscii(name);
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (lowerAscii(names_[i]) == key) return static_cast<DISPID>(i + 1);
    }
    names_.push_back(name);
    return static_cast<DISPID>(names_.size());
  }

  // Values that the host object assigned to its arguments, back into the
  // caller's by-reference VARIANTs.
  static void writeBack(DISPPARAMS& params, const std::vector<Variant>& args) {
    for (UINT i = 0; i < params.cArgs; ++i) {
      VARIANT& slot = params.rgvarg[params.cArgs - 1 - i];
      if (slot.vt == (VT_BYREF | VT_VARIANT)) toVariant(args[i], *slot.pvarVal);
    }
  }

  host::ObjectPtr object_;
  std::vector<std::string> names_;
};

}  // namespace

IDispatch* dispatchOf(const host::ObjectPtr& object) {
  if (object == nullptr) return nullptr;
  if (const auto* client = dynamic_cast<const DispatchAsHostObject*>(object.get())) {
    client->dispatch()->AddRef();
    return client->dispatch();
  }
  return new HostObjectAsDispatch(object);
}

host::ObjectPtr hostObjectOf(IUnknown* unknown) {
  IUnknown* identity = nullptr;
  if (unknown == nullptr ||
      FAILED(unknown->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)))) {
    return nullptr;
  }
  const bool ours = liveWrappers().count(identity) != 0;
  identity->Release();
  // IUnknown and IDispatch share the one vtable of a HostObjectAsDispatch.
  return ours ? static_cast<HostObjectAsDispatch*>(static_cast<IDispatch*>(identity))->object()
              : nullptr;
}

}  // namespace vrn::com
