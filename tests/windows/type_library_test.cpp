// The type library embedded in vrn.dll, read back through OLE Automation's
// own type-library machinery: what every client binds to.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "windows_test_support.h"

namespace vrn::com {
namespace {

constexpr GUID kLibraryId{
    0x04702E75, 0x034C, 0x4BEB, {0x93, 0xCF, 0xF7, 0x45, 0x13, 0x36, 0xEF, 0x33}};
constexpr GUID kInterfaceId{
    0x15468C79, 0x3550, 0x4906, {0x95, 0xF6, 0x7C, 0x9F, 0xF8, 0x67, 0xEC, 0x94}};
constexpr GUID kClassId{
    0xDB500687, 0xC5BA, 0x42C5, {0xA6, 0x20, 0x30, 0xD2, 0xBB, 0xE1, 0x5B, 0xC5}};

struct Member {
  const wchar_t* name;
  MEMBERID dispid;
  INVOKEKIND kind;
  std::vector<VARTYPE> params;  // the retval last
};

const std::vector<Member> kMembers = {
    {L"newtext", 201, INVOKE_FUNC, {VT_BSTR}},
    {L"edit", 202, INVOKE_FUNC, {VT_BSTR}},
    {L"FontTable", 203, INVOKE_FUNC, {}},
    {L"mtext", 204, INVOKE_FUNC, {VT_BSTR}},
    {L"aver", 206, INVOKE_PROPERTYPUT, {VT_BSTR}},
    {L"block", 207, INVOKE_FUNC, {VT_BSTR}},
    {L"replace", 208, INVOKE_FUNC, {}},
    {L"acadtostr", 209, INVOKE_FUNC, {VT_BSTR, VT_I1}},
    {L"strtoacad", 210, INVOKE_FUNC, {VT_BSTR, VT_I1}},
    {L"Vrnstr", 213, INVOKE_PROPERTYGET, {VT_PTR}},
    {L"acadversin", 212, INVOKE_FUNC, {VT_BSTR}},
    {L"HtoMtext", 214, INVOKE_FUNC, {}},
    {L"Hlib", 215, INVOKE_FUNC, {}},
    {L"HShowfont", 216, INVOKE_FUNC, {}},
    {L"Hplot", 217, INVOKE_FUNC, {}},
    {L"Cmd", 218, INVOKE_FUNC, {VT_BSTR, VT_BSTR, VT_BSTR}},
    {L"Convert", 219, INVOKE_FUNC, {}},
    {L"SetApp", 220, INVOKE_FUNC, {VT_DISPATCH}},
};

class TypeLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_HRESULT_SUCCEEDED(LoadTypeLibEx(vrnDllPath().c_str(), REGKIND_NONE, &library_));
  }
  void TearDown() override {
    if (library_ != nullptr) library_->Release();
  }

  std::wstring documentation(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr;
    BSTR doc = nullptr;
    info->GetDocumentation(id, &name, &doc, nullptr, nullptr);
    std::wstring text = doc != nullptr ? doc : L"";
    SysFreeString(name);
    SysFreeString(doc);
    return text;
  }

  ITypeLib* library_ = nullptr;
};

TEST_F(TypeLibraryTest, LibraryIdentity) {
  TLIBATTR* attributes = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library_->GetLibAttr(&attributes));
  EXPECT_TRUE(IsEqualGUID(attributes->guid, kLibraryId));
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  EXPECT_EQ(attributes->wMinorVerNum, 0);
  EXPECT_EQ(attributes->lcid, 0x409u);
  library_->ReleaseTLibAttr(attributes);

  BSTR name = nullptr;
  BSTR doc = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library_->GetDocumentation(-1, &name, &doc, nullptr, nullptr));
  EXPECT_STREQ(name, L"vrn");
  EXPECT_STREQ(doc, L"vrn Library");
  SysFreeString(name);
  SysFreeString(doc);
}

TEST_F(TypeLibraryTest, ClassAndInterfaceIdentity) {
  ITypeInfo* coclass = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library_->GetTypeInfoOfGuid(kClassId, &coclass));
  TYPEATTR* classAttributes = nullptr;
  ASSERT_HRESULT_SUCCEEDED(coclass->GetTypeAttr(&classAttributes));
  EXPECT_EQ(classAttributes->typekind, TKIND_COCLASS);
  EXPECT_TRUE(classAttributes->wTypeFlags & TYPEFLAG_FCANCREATE);
  coclass->ReleaseTypeAttr(classAttributes);
  EXPECT_EQ(documentation(coclass, MEMBERID_NIL), L"autovrn Object");
  coclass->Release();

  ITypeInfo* dual = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library_->GetTypeInfoOfGuid(kInterfaceId, &dual));
  TYPEATTR* attributes = nullptr;
  ASSERT_HRESULT_SUCCEEDED(dual->GetTypeAttr(&attributes));
  EXPECT_EQ(attributes->typekind,
            TKIND_DISPATCH);  // a dual interface shows its dispatch side first
  EXPECT_EQ(attributes->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE),
            TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE);
  dual->ReleaseTypeAttr(attributes);
  HREFTYPE vtableSide = 0;
  ASSERT_HRESULT_SUCCEEDED(dual->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide));
  ITypeInfo* vtable = nullptr;
  ASSERT_HRESULT_SUCCEEDED(dual->GetRefTypeInfo(vtableSide, &vtable));
  ASSERT_HRESULT_SUCCEEDED(vtable->GetTypeAttr(&attributes));
  EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
  const WORD dualFlags = TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE;
  EXPECT_EQ(attributes->wTypeFlags & dualFlags, dualFlags);
  vtable->ReleaseTypeAttr(attributes);
  vtable->Release();
  EXPECT_EQ(documentation(dual, MEMBERID_NIL), L"Dispatch interface for autovrn Object");
  dual->Release();
}

// The vtable side: the eighteen members after IUnknown's three and
// IDispatch's four, in order, with their dispids and parameter types.
TEST_F(TypeLibraryTest, MembersInOrderWithDispidsAndTypes) {
  ITypeInfo* dual = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library_->GetTypeInfoOfGuid(kInterfaceId, &dual));
  HREFTYPE vtableSide = 0;
  ASSERT_HRESULT_SUCCEEDED(dual->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide));
  ITypeInfo* vtable = nullptr;
  ASSERT_HRESULT_SUCCEEDED(dual->GetRefTypeInfo(vtableSide, &vtable));
  TYPEATTR* attributes = nullptr;
  ASSERT_HRESULT_SUCCEEDED(vtable->GetTypeAttr(&attributes));
  ASSERT_EQ(attributes->cFuncs, kMembers.size());
  vtable->ReleaseTypeAttr(attributes);

  for (std::size_t i = 0; i < kMembers.size(); ++i) {
    const Member& expected = kMembers[i];
    SCOPED_TRACE(testing::Message() << "member " << i + 1);
    FUNCDESC* function = nullptr;
    ASSERT_HRESULT_SUCCEEDED(vtable->GetFuncDesc(static_cast<UINT>(i), &function));
    BSTR name = nullptr;
    UINT count = 0;
    vtable->GetNames(function->memid, &name, 1, &count);
    EXPECT_STREQ(name, expected.name);
    SysFreeString(name);
    EXPECT_EQ(function->memid, expected.dispid);
    EXPECT_EQ(function->invkind, expected.kind);
    EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
    EXPECT_EQ(function->elemdescFunc.tdesc.vt, VT_HRESULT);
    ASSERT_EQ(static_cast<std::size_t>(function->cParams), expected.params.size());
    for (std::size_t p = 0; p < expected.params.size(); ++p) {
      EXPECT_EQ(function->lprgelemdescParam[p].tdesc.vt, expected.params[p]) << "parameter " << p;
    }
    if (expected.kind == INVOKE_PROPERTYGET) {
      EXPECT_EQ(function->lprgelemdescParam[0].tdesc.lptdesc->vt, VT_BSTR);
      EXPECT_TRUE(function->lprgelemdescParam[0].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
    }
    vtable->ReleaseFuncDesc(function);
  }
  vtable->Release();
  dual->Release();
}

}  // namespace
}  // namespace vrn::com
