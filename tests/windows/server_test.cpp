// vrn.dll as a COM client meets it: the exports, the class factory, and the
// automation object called through IDispatch with error information.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vrn.h"
#include "windows_test_support.h"

namespace vrn::com {
namespace {

constexpr GUID kClassId{
    0xDB500687, 0xC5BA, 0x42C5, {0xA6, 0x20, 0x30, 0xD2, 0xBB, 0xE1, 0x5B, 0xC5}};
constexpr GUID kInterfaceId{
    0x15468C79, 0x3550, 0x4906, {0x95, 0xF6, 0x7C, 0x9F, 0xF8, 0x67, 0xEC, 0x94}};

using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

class ServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    module_ = LoadLibraryW(vrnDllPath().c_str());
    ASSERT_NE(module_, nullptr);
    getClassObject_ = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    canUnloadNow_ = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
    ASSERT_NE(getClassObject_, nullptr);
    ASSERT_NE(canUnloadNow_, nullptr);
  }

  IDispatch* newObject() {
    IClassFactory* factory = nullptr;
    EXPECT_HRESULT_SUCCEEDED(
        getClassObject_(kClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    IDispatch* object = nullptr;
    EXPECT_HRESULT_SUCCEEDED(
        factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object)));
    factory->Release();
    return object;
  }

  static DISPID dispidOf(IDispatch* object, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_HRESULT_SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))
        << name;
    return id;
  }

  // A call with the arguments first to last, which it frees; the result in `result`.
  static HRESULT call(IDispatch* object, DISPID id, WORD flags, std::initializer_list<VARIANT> args,
                      VARIANT* result = nullptr, EXCEPINFO* exception = nullptr) {
    std::vector<VARIANT> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (flags == DISPATCH_PROPERTYPUT) {
      params.rgdispidNamedArgs = &putId;
      params.cNamedArgs = 1;
    }
    UINT argumentError = 0;
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                      exception, &argumentError);
    for (VARIANT& v : reversed) VariantClear(&v);
    return hr;
  }

  static VARIANT text(const wchar_t* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(value);
    return v;
  }
  static VARIANT number(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
  }

  static std::wstring vrnstr(IDispatch* object) {
    VARIANT result;
    VariantInit(&result);
    EXPECT_HRESULT_SUCCEEDED(call(object, 213, DISPATCH_PROPERTYGET, {}, &result));
    std::wstring value = result.vt == VT_BSTR && result.bstrVal != nullptr ? result.bstrVal : L"";
    VariantClear(&result);
    return value;
  }

  static inline HMODULE module_ = nullptr;
  static inline GetClassObject getClassObject_ = nullptr;
  static inline CanUnloadNow canUnloadNow_ = nullptr;
};

TEST_F(ServerTest, ClassObjectForOtherClassesOrInterfaces) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(getClassObject_(IID_IDispatch, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(getClassObject_(kClassId, IID_IDispatch, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
}

TEST_F(ServerTest, FactoryMakesNewObjectsAndKeepsTheModuleLoaded) {
  IClassFactory* factory = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      getClassObject_(kClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  IUnknown* first = nullptr;
  IUnknown* second = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&first)));
  ASSERT_HRESULT_SUCCEEDED(
      factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&second)));
  EXPECT_NE(first, second);
  IUnknown* aggregated = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(factory->CreateInstance(first, IID_IUnknown, reinterpret_cast<void**>(&aggregated)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(aggregated, nullptr);
  factory->LockServer(TRUE);
  factory->Release();
  first->Release();
  second->Release();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);  // the lock
  IClassFactory* again = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      getClassObject_(kClassId, IID_IClassFactory, reinterpret_cast<void**>(&again)));
  again->LockServer(FALSE);
  again->Release();
  EXPECT_EQ(canUnloadNow_(), S_OK);
}

TEST_F(ServerTest, NamesGiveTheDispidsIgnoringCase) {
  IDispatch* object = newObject();
  EXPECT_EQ(dispidOf(object, L"acadtostr"), 209);
  EXPECT_EQ(dispidOf(object, L"ACADTOSTR"), 209);
  EXPECT_EQ(dispidOf(object, L"vrnstr"), 213);
  EXPECT_EQ(dispidOf(object, L"SetApp"), 220);
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"nosuchmember")};
  DISPID id = 0;
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
  object->Release();
}

TEST_F(ServerTest, ConversionByDispidAndSharedResult) {
  IDispatch* first = newObject();
  IDispatch* second = newObject();
  EXPECT_HRESULT_SUCCEEDED(call(first, 209, DISPATCH_METHOD, {text(L"a(b)"), number(0)}));
  EXPECT_EQ(vrnstr(second), L"a)b(");
  // A negative one-byte kind converts nothing.
  EXPECT_HRESULT_SUCCEEDED(call(first, 210, DISPATCH_METHOD, {text(L"abc"), number(-100)}));
  EXPECT_EQ(vrnstr(first), L"");
  first->Release();
  second->Release();
}

TEST_F(ServerTest, OneByteKindOutOfRangeOverflows) {
  IDispatch* object = newObject();
  EXPECT_EQ(call(object, 209, DISPATCH_METHOD, {text(L"abc"), number(200)}), DISP_E_OVERFLOW);
  object->Release();
}

TEST_F(ServerTest, FailureCarriesErrorInformation) {
  IDispatch* object = newObject();
  ISupportErrorInfo* support = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)));
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(kInterfaceId), S_OK);
  support->Release();

  // A member that needs the host fails while no application was given.
  EXCEPINFO exception{};
  EXPECT_EQ(call(object, 201, DISPATCH_METHOD, {text(L"2F")}, nullptr, &exception),
            DISP_E_EXCEPTION);
  EXPECT_LT(exception.scode, 0);
  ASSERT_NE(exception.bstrSource, nullptr);
  EXPECT_STREQ(exception.bstrSource, L"vrn.autovrn");
  ASSERT_NE(exception.bstrDescription, nullptr);
  EXPECT_GT(SysStringLen(exception.bstrDescription), 0u);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);

  // Called on the vtable, the member leaves it in the thread's error information.
  Iautovrn* dual = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      object->QueryInterface(__uuidof(Iautovrn), reinterpret_cast<void**>(&dual)));
  EXPECT_HRESULT_FAILED(dual->Convert());
  IErrorInfo* error = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &error), S_OK);
  GUID guid{};
  error->GetGUID(&guid);
  EXPECT_TRUE(IsEqualGUID(guid, kInterfaceId));
  BSTR source = nullptr;
  error->GetSource(&source);
  EXPECT_STREQ(source, L"vrn.autovrn");
  SysFreeString(source);
  error->Release();

  // A success leaves no stale error behind.
  EXPECT_HRESULT_FAILED(dual->Convert());
  BSTR version = SysAllocString(L"R24");
  EXPECT_HRESULT_SUCCEEDED(dual->acadversin(version));
  SysFreeString(version);
  EXPECT_EQ(GetErrorInfo(0, &error), S_FALSE);
  dual->Release();
  object->Release();
}

}  // namespace
}  // namespace vrn::com
