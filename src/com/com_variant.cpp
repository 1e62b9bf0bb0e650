#include "com/com_variant.h"

#include <wrl/client.h>

#include <cstdint>
#include <limits>

#include "com/bstr.h"
#include "com/dispatch_as_host_object.h"
#include "com/error_info.h"
#include "com/host_object_as_dispatch.h"
#include "host/host_error.h"

namespace vrn::com {
namespace {

using host::HostError;
using host::Variant;
using Microsoft::WRL::ComPtr;

[[noreturn]] void typeMismatch(VARTYPE type) {
  throw HostError(host::hr::kTypeMismatch, "Type mismatch: variant type " + std::to_string(type));
}

void check(HRESULT hr) {
  if (FAILED(hr)) throw HostError(hr, "Automation error " + hresultText(hr));
}

Variant fromWideInteger(long long n) {
  if (n >= std::numeric_limits<std::int32_t>::min() &&
      n <= std::numeric_limits<std::int32_t>::max()) {
    return static_cast<std::int32_t>(n);
  }
  return static_cast<double>(n);
}

Variant fromUnknown(IUnknown* unknown) {
  if (unknown == nullptr) return Variant(host::ObjectPtr{});
  if (host::ObjectPtr own = hostObjectOf(unknown)) return Variant(std::move(own));
  ComPtr<IDispatch> dispatch;
  if (FAILED(unknown->QueryInterface(IID_IDispatch,
                                     reinterpret_cast<void**>(dispatch.GetAddressOf())))) {
    throw HostError(host::hr::kTypeMismatch, "Type mismatch: an object without IDispatch");
  }
  return Variant(wrapDispatch(dispatch.Get()));
}

// One element of a SAFEARRAY of `type`, read as a VARIANT would hold it.
Variant element(SAFEARRAY* array, VARTYPE type, LONG index) {
  VARIANT item;
  VariantInit(&item);
  if (type == VT_VARIANT) {
    check(SafeArrayGetElement(array, &index, &item));
  } else {
    item.vt = type;
    // Every scalar element fits the VARIANT's value union; BSTRs and
    // interfaces come back as copies that VariantClear frees.
    check(SafeArrayGetElement(array, &index, &item.llVal));
  }
  try {
    Variant result = fromVariant(item);
    VariantClear(&item);
    return result;
  } catch (...) {
    VariantClear(&item);
    throw;
  }
}

Variant fromArray(SAFEARRAY* array, VARTYPE type) {
  if (array == nullptr) return Variant(host::SafeArray{});
  if (SafeArrayGetDim(array) != 1) {
    throw HostError(host::hr::kTypeMismatch, "Type mismatch: an array of more than one dimension");
  }
  LONG lower = 0;
  LONG upper = -1;
  check(SafeArrayGetLBound(array, 1, &lower));
  check(SafeArrayGetUBound(array, 1, &upper));
  host::SafeArray result;
  result.lower = lower;
  for (LONG i = lower; i <= upper; ++i) result.items.push_back(element(array, type, i));
  return Variant(std::move(result));
}

}  // namespace

Variant fromVariant(const VARIANT& value) {
  const VARTYPE type = value.vt;
  if ((type & VT_ARRAY) != 0) {
    const VARTYPE elementType = static_cast<VARTYPE>(type & VT_TYPEMASK);
    return fromArray((type & VT_BYREF) != 0 ? *value.pparray : value.parray, elementType);
  }
  if ((type & VT_BYREF) != 0) {
    if (type == (VT_BYREF | VT_VARIANT)) return fromVariant(*value.pvarVal);
    VARIANT copy;
    VariantInit(&copy);
    check(VariantCopyInd(&copy, const_cast<VARIANT*>(&value)));
    Variant result = fromVariant(copy);
    VariantClear(&copy);
    return result;
  }
  switch (type) {
    case VT_EMPTY:
    case VT_ERROR:  // an optional argument left out
      return {};
    case VT_NULL:
      return Variant(host::Null{});
    case VT_BOOL:
      return value.boolVal != VARIANT_FALSE;
    case VT_I1:
      return static_cast<std::int8_t>(value.cVal);
    case VT_UI1:
      return static_cast<std::uint8_t>(value.bVal);
    case VT_I2:
      return static_cast<std::int16_t>(value.iVal);
    case VT_I4:
      return static_cast<std::int32_t>(value.lVal);
    case VT_INT:
      return static_cast<std::int32_t>(value.intVal);
    case VT_UI2:
      return static_cast<std::int32_t>(value.uiVal);
    case VT_UI4:
      return fromWideInteger(value.ulVal);
    case VT_UINT:
      return fromWideInteger(value.uintVal);
    case VT_I8:
      return fromWideInteger(value.llVal);
    case VT_UI8:
      return static_cast<double>(value.ullVal);
    case VT_R4:
      return static_cast<double>(value.fltVal);
    case VT_R8:
      return value.dblVal;
    case VT_DATE:
    case VT_CY:
    case VT_DECIMAL: {
      VARIANT asDouble;
      VariantInit(&asDouble);
      check(VariantChangeType(&asDouble, const_cast<VARIANT*>(&value), 0, VT_R8));
      return asDouble.dblVal;
    }
    case VT_BSTR:
      return fromBstr(value.bstrVal);
    case VT_DISPATCH:
      return fromUnknown(value.pdispVal);
    case VT_UNKNOWN:
      return fromUnknown(value.punkVal);
    default:
      typeMismatch(type);
  }
}

namespace {

bool allDoubles(const host::SafeArray& array) {
  if (array.items.empty()) return false;
  for (const Variant& item : array.items) {
    if (item.type() != Variant::Type::Double) return false;
  }
  return true;
}

SAFEARRAY* toSafeArray(const host::SafeArray& array) {
  const VARTYPE type = allDoubles(array) ? VT_R8 : VT_VARIANT;
  SAFEARRAYBOUND bound{static_cast<ULONG>(array.items.size()), array.lower};
  SAFEARRAY* result = SafeArrayCreate(type, 1, &bound);
  if (result == nullptr) throw HostError(E_OUTOFMEMORY, "Out of memory");
  try {
    LONG index = array.lower;
    for (const Variant& item : array.items) {
      if (type == VT_R8) {
        double number = item.toDouble();
        check(SafeArrayPutElement(result, &index, &number));
      } else {
        VARIANT element;
        VariantInit(&element);
        toVariant(item, element);
        const HRESULT hr = SafeArrayPutElement(result, &index, &element);  // copies
        VariantClear(&element);
        check(hr);
      }
      ++index;
    }
  } catch (...) {
    SafeArrayDestroy(result);
    throw;
  }
  return result;
}

}  // namespace

void toVariant(const Variant& value, VARIANT& out) {
  VariantClear(&out);
  switch (value.type()) {
    case Variant::Type::Empty:
      break;
    case Variant::Type::Null:
      out.vt = VT_NULL;
      break;
    case Variant::Type::Bool:
      out.vt = VT_BOOL;
      out.boolVal = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case Variant::Type::I1:
      out.vt = VT_I1;
      out.cVal = static_cast<CHAR>(value.toInt());
      break;
    case Variant::Type::UI1:
      out.vt = VT_UI1;
      out.bVal = static_cast<BYTE>(value.toInt());
      break;
    case Variant::Type::I2:
      out.vt = VT_I2;
      out.iVal = static_cast<SHORT>(value.toInt());
      break;
    case Variant::Type::I4:
      out.vt = VT_I4;
      out.lVal = value.toInt();
      break;
    case Variant::Type::Double:
      out.vt = VT_R8;
      out.dblVal = value.toDouble();
      break;
    case Variant::Type::String: {
      BSTR text = toBstr(value.toString());
      if (text == nullptr) throw HostError(E_OUTOFMEMORY, "Out of memory");
      out.vt = VT_BSTR;
      out.bstrVal = text;
      break;
    }
    case Variant::Type::Object: {
      out.vt = VT_DISPATCH;
      out.pdispVal = dispatchOf(value.toObject());  // null stays Nothing
      break;
    }
    case Variant::Type::Array: {
      SAFEARRAY* array = toSafeArray(value.array());
      out.vt = static_cast<VARTYPE>(VT_ARRAY | (allDoubles(value.array()) ? VT_R8 : VT_VARIANT));
      out.parray = array;
      break;
    }
  }
}

}  // namespace vrn::com
