// The two IDispatch bridges: a host object served as an IDispatch
// (HostObjectAsDispatch) and an IDispatch used as a host object (DispatchAsHostObject),
// here facing each other, and the IDispatchEx road that script objects
// need when GetIDsOfNames says E_NOTIMPL.

#include <dispex.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "com/com_variant.h"
#include "com/dispatch_as_host_object.h"
#include "com/host_object_as_dispatch.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/point.h"
#include "host/ref.h"

namespace vrn::com {
namespace {

using host::HostError;
using host::Invoke;
using host::Variant;

// A small AutoCAD-like entity: a property, a method with out-parameters, a
// method that returns an object, and a failing method.
class Entity : public host::Object, public std::enable_shared_from_this<Entity> {
 public:
  std::u16string text = u"abc";

  Variant invoke(std::string_view name, Invoke kind, std::span<Variant> args) override {
    static const host::MemberTable<Entity> table = [] {
      host::MemberTable<Entity> t;
      t.get("TextString", [](Entity& e) { return Variant(e.text); })
          .put("TextString", [](Entity& e, const Variant& v) { e.text = v.toString(); })
          .read("GetBoundingBox",
                [](Entity&, std::span<Variant> a) {
                  host::requireArgs(a, 2, 2, "GetBoundingBox");
                  a[0] = host::toVariant({1, 2, 0});
                  a[1] = host::toVariant({3, 4, 0});
                  return Variant();
                })
          .get("Self", [](Entity& e) { return Variant(host::ObjectPtr(e.shared_from_this())); })
          .read("Fail",
                [](Entity&, std::span<Variant>) -> Variant {
                  throw HostError(static_cast<host::HRESULT>(0x80200001u), "Key not found");
                })
          .read("Break",
                [](Entity&, std::span<Variant>) -> Variant { throw std::runtime_error("broken"); });
      return t;
    }();
    return table.invoke(*this, name, kind, args);
  }
};

// The entity seen from the client side: through an IDispatch, back as a host object.
host::Ref throughCom(const std::shared_ptr<Entity>& entity) {
  IDispatch* dispatch = dispatchOf(entity);
  host::Ref ref(wrapDispatch(dispatch));
  dispatch->Release();
  return ref;
}

TEST(Bridge, PropertiesAndMethodsByName) {
  auto entity = std::make_shared<Entity>();
  host::Ref ref = throughCom(entity);
  EXPECT_EQ(ref.get("textstring").toString(), u"abc");
  ref.put("TextString", u"\u05E9\u05DC\u05D5\u05DD");
  EXPECT_EQ(entity->text, u"\u05E9\u05DC\u05D5\u05DD");
}

TEST(Bridge, OutParametersComeBack) {
  host::Ref ref = throughCom(std::make_shared<Entity>());
  std::vector<Variant> args(2);
  ref.callByRef("GetBoundingBox", args);
  EXPECT_EQ(host::toPoint(args[0]), (host::Point3{1, 2, 0}));
  EXPECT_EQ(host::toPoint(args[1]), (host::Point3{3, 4, 0}));
}

TEST(Bridge, ObjectsReturnedAreCallable) {
  auto entity = std::make_shared<Entity>();
  host::Ref self(throughCom(entity).get("Self").toObject());
  EXPECT_EQ(self.get("TextString").toString(), u"abc");
}

TEST(Bridge, HostErrorsKeepCodeAndDescription) {
  host::Ref ref = throughCom(std::make_shared<Entity>());
  try {
    ref.call("Fail");
    FAIL() << "no error";
  } catch (const HostError& e) {
    EXPECT_EQ(static_cast<std::uint32_t>(e.code()), 0x80200001u);
    EXPECT_STREQ(e.what(), "Key not found");
  }
  try {
    ref.call("NoSuchMember");
    FAIL() << "no error";
  } catch (const HostError& e) {
    EXPECT_EQ(e.code(), host::hr::kUnknownName);
  }
  // A failure without an HRESULT of its own comes as E_UNEXPECTED.
  try {
    ref.call("Break");
    FAIL() << "no error";
  } catch (const HostError& e) {
    EXPECT_EQ(e.code(), host::hr::kUnexpected);
    EXPECT_STREQ(e.what(), "broken");
  }
}

// Variants through VARIANT and back, the kinds AutoCAD's automation uses.
TEST(Bridge, VariantsRoundTrip) {
  host::SafeArray offset;
  offset.lower = 1;
  offset.items = {Variant(std::int32_t{7}), Variant(u"x")};
  const std::vector<Variant> cases = {
      Variant(),
      Variant(host::Null{}),
      Variant(true),
      Variant(std::int8_t{-56}),
      Variant(std::uint8_t{200}),
      Variant(std::int16_t{-3}),
      Variant(std::int32_t{123456}),
      Variant(2.5),
      Variant(u"\u05D0 b"),
      Variant(u""),
      host::toVariant({1.5, -2, 0}),
      Variant(offset),
      Variant(host::SafeArray{}),
  };
  for (const Variant& value : cases) {
    VARIANT com;
    VariantInit(&com);
    toVariant(value, com);
    EXPECT_EQ(fromVariant(com), value) << "type " << static_cast<int>(value.type());
    VariantClear(&com);
  }
}

TEST(Bridge, PointsGoOutAsArraysOfDoubles) {
  VARIANT com;
  VariantInit(&com);
  toVariant(host::toVariant({1, 2, 3}), com);
  EXPECT_EQ(com.vt, VT_ARRAY | VT_R8);
  LONG lower = -1;
  LONG upper = -1;
  SafeArrayGetLBound(com.parray, 1, &lower);
  SafeArrayGetUBound(com.parray, 1, &upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 2);
  VariantClear(&com);
}

TEST(Bridge, ByReferenceAndMissingArguments) {
  VARIANT inner;
  VariantInit(&inner);
  inner.vt = VT_I4;
  inner.lVal = 42;
  VARIANT byRef;
  VariantInit(&byRef);
  byRef.vt = VT_BYREF | VT_VARIANT;
  byRef.pvarVal = &inner;
  EXPECT_EQ(fromVariant(byRef), Variant(std::int32_t{42}));

  VARIANT missing;
  VariantInit(&missing);
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  EXPECT_TRUE(fromVariant(missing).isEmpty());
}

// A script object as some runtimes hand it over: GetIDsOfNames says
// E_NOTIMPL, IDispatchEx answers (names ignoring case).
class ScriptObject final : public IDispatchEx {
 public:
  std::wstring lastName;
  int value = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IDispatchEx)) {
      *out = static_cast<IDispatchEx*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the stack
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDispID(BSTR name, DWORD flags, DISPID* id) override {
    lastName = name;
    if ((flags & fdexNameCaseInsensitive) == 0 || _wcsicmp(name, L"Value") != 0)
      return DISP_E_UNKNOWNNAME;
    *id = 5;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InvokeEx(DISPID id, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, IServiceProvider*) override {
    if (id != 5) return DISP_E_MEMBERNOTFOUND;
    if (flags & DISPATCH_PROPERTYPUT) {
      value = params->rgvarg[0].lVal;
      return S_OK;
    }
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = value;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DeleteMemberByName(BSTR, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeleteMemberByDispID(DISPID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMemberProperties(DISPID, DWORD, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetMemberName(DISPID, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNextDispID(DWORD, DISPID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNameSpaceParent(IUnknown**) override { return E_NOTIMPL; }

 private:
  ULONG refs_ = 1;
};

TEST(Bridge, FallsBackToIDispatchEx) {
  ScriptObject script;
  {
    host::Ref ref(wrapDispatch(&script));
    ref.put("value", std::int32_t{17});
    EXPECT_EQ(script.value, 17);
    EXPECT_EQ(ref.get("VALUE").toInt(), 17);
    EXPECT_THROW(ref.get("Other"), HostError);
  }
  EXPECT_EQ(script.lastName, L"Other");
}

}  // namespace
}  // namespace vrn::com
