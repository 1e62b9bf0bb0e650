#include "com/dispatch_as_host_object.h"

#include <dispex.h>

#include <vector>

#include "ascii/letter_case.h"
#include "com/bstr.h"
#include "com/com_variant.h"
#include "com/error_info.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/utf8.h"

namespace vrn::com {
namespace {

using host::HostError;
using host::Invoke;
using host::Variant;

WORD flagsOf(Invoke kind) {
  switch (kind) {
    case Invoke::Method:
      return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    case Invoke::Get:
      return DISPATCH_PROPERTYGET;
    case Invoke::Put:
      return DISPATCH_PROPERTYPUT;
  }
  return DISPATCH_METHOD;
}

// The VARIANTs of one call: values in reverse order, as DISPPARAMS wants
// them, and for a method a by-reference VARIANT pointing at each value.
class CallArguments {
 public:
  CallArguments(std::span<Variant> args, bool byReference)
      : values_(args.size()), refs_(args.size()), byReference_(byReference) {
    for (VARIANT& v : values_) VariantInit(&v);
    for (std::size_t i = 0; i < args.size(); ++i) {
      VARIANT& value = values_[args.size() - 1 - i];
      toVariant(args[i], value);
      if (byReference) {
        VariantInit(&refs_[args.size() - 1 - i]);
        refs_[args.size() - 1 - i].vt = VT_BYREF | VT_VARIANT;
        refs_[args.size() - 1 - i].pvarVal = &value;
      }
    }
  }
  ~CallArguments() {
    for (VARIANT& v : values_) VariantClear(&v);
  }
  CallArguments(const CallArguments&) = delete;
  CallArguments& operator=(const CallArguments&) = delete;

  VARIANT* data() { return byReference_ ? refs_.data() : values_.data(); }
  UINT count() const { return static_cast<UINT>(values_.size()); }

  // The values after the call, back into `args`; an object that came back
  // unchanged keeps its host object.
  void readBack(std::span<Variant> args) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
      const VARIANT& value = values_[args.size() - 1 - i];
      if (value.vt == VT_DISPATCH && args[i].type() == Variant::Type::Object) {
        const auto* current = dynamic_cast<const DispatchAsHostObject*>(args[i].toObject().get());
        if (current != nullptr && current->dispatch() == value.pdispVal) continue;
      }
      args[i] = fromVariant(value);
    }
  }

 private:
  std::vector<VARIANT> values_;
  std::vector<VARIANT> refs_;
  bool byReference_;
};

}  // namespace

DispatchAsHostObject::DispatchAsHostObject(IDispatch* dispatch) : dispatch_(dispatch) {}

DISPID DispatchAsHostObject::dispidOf(std::string_view name) {
  const std::string key = lowerAscii(name);
  if (const auto it = dispids_.find(key); it != dispids_.end()) return it->second;

  const std::u16string wideName = utf8ToUtf16(name);
  BSTR bstrName = toBstr(wideName);
  DISPID dispid = DISPID_UNKNOWN;
  HRESULT hr = E_NOTIMPL;
  if (dispatchEx_ == nullptr) {
    LPOLESTR names[] = {bstrName};
    hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
    if (hr == E_NOTIMPL) dispatch_.As(&dispatchEx_);
  }
  if (dispatchEx_ != nullptr)
    hr = dispatchEx_->GetDispID(bstrName, fdexNameCaseInsensitive, &dispid);
  SysFreeString(bstrName);
  if (FAILED(hr)) {
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND) {
      throw HostError(host::hr::kUnknownName, "Unknown name: " + std::string(name));
    }
    throw HostError(hr, "The object does not know " + std::string(name));
  }
  dispids_.emplace(key, dispid);
  return dispid;
}

Variant DispatchAsHostObject::invoke(std::string_view name, Invoke kind, std::span<Variant> args) {
  const DISPID dispid = dispidOf(name);
  CallArguments arguments(args, kind == Invoke::Method);
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{arguments.data(), nullptr, arguments.count(), 0};
  if (kind == Invoke::Put) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO exception{};
  UINT argumentError = 0;
  const WORD flags = flagsOf(kind);
  const HRESULT hr = dispatchEx_ != nullptr
                         ? dispatchEx_->InvokeEx(dispid, LOCALE_USER_DEFAULT, flags, &params,
                                                 &result, &exception, nullptr)
                         : dispatch_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                             &result, &exception, &argumentError);
  if (FAILED(hr)) {
    VariantClear(&result);
    throw invokeError(hr, exception, name);
  }
  try {
    arguments.readBack(args);
    Variant value = fromVariant(result);
    VariantClear(&result);
    return value;
  } catch (...) {
    VariantClear(&result);
    throw;
  }
}

host::ObjectPtr wrapDispatch(IDispatch* dispatch) {
  if (dispatch == nullptr) return nullptr;
  return std::make_shared<DispatchAsHostObject>(dispatch);
}

}  // namespace vrn::com
