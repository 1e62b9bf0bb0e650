#include <gtest/gtest.h>

#include "automation_fixture.h"
#include "fake_host.h"
#include "host/silent_abort.h"
#include "host/utf8.h"
#include "platform/keyboard_layouts.h"

namespace vrn::automation::testing {
namespace {

using host::Invoke;
using host::Variant;

TEST_F(AutomationTest, ByNameAndByDispidReachTheSameMember) {
  std::vector<Variant> args{u"abc(", std::int8_t{0}};
  EXPECT_EQ(object.invoke("ACADTOSTR", Invoke::Method, args).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u"abc)");
  std::vector<Variant> again{u"<x>", std::int8_t{3}};
  EXPECT_EQ(object.invoke(209, Invoke::Method, again).hr, host::hr::kOk);
  EXPECT_EQ(object.invoke(213, Invoke::Get, {}).value, Variant(u">x<"));
}

TEST_F(AutomationTest, ArgumentsAreCoercedAsIDispatchDoes) {
  // A kind given as text or as a 32-bit number reaches the one-byte parameter.
  EXPECT_EQ(call("acadtostr", u"(a)", u"0").hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u")a(");
  EXPECT_EQ(call("strtoacad", 12345, 0).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u"12345");
  EXPECT_EQ(call("acadtostr", u"x", 200).hr, host::hr::kOverflow);
  EXPECT_EQ(call("acadtostr", u"x", u"many").hr, host::hr::kTypeMismatch);
  EXPECT_EQ(call("SetApp", u"not an object").hr, host::hr::kTypeMismatch);
}

TEST_F(AutomationTest, CallsThatDoNotFitTheTable) {
  struct Case {
    const char* what;
    CallResult result;
    host::HRESULT hr;
  };
  std::vector<Variant> one{u"x"};
  const Case cases[] = {
      {"unknown name", object.invoke("nosuch", Invoke::Method, {}), host::hr::kUnknownName},
      {"unknown dispid", object.invoke(205, Invoke::Method, {}), host::hr::kMemberNotFound},
      {"too few arguments", call("acadtostr", u"x"), host::hr::kBadParamCount},
      {"too many arguments", call("Hplot", 1), host::hr::kBadParamCount},
      {"put on a method", object.invoke("acadversin", Invoke::Put, one), host::hr::kMemberNotFound},
      {"read of a write-only property", object.invoke("aver", Invoke::Get, {}),
       host::hr::kMemberNotFound},
      {"put on a read-only property", object.invoke("Vrnstr", Invoke::Put, one),
       host::hr::kMemberNotFound},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.result.hr, c.hr);
    EXPECT_FALSE(c.result.error.description.empty());
    EXPECT_EQ(c.result.error.source, u"vrn.autovrn");
  }
}

TEST_F(AutomationTest, VersionTextAndTheRetval) {
  std::vector<Variant> version{u"R24"};
  EXPECT_EQ(object.invoke("aver", Invoke::Put, version).hr, host::hr::kOk);
  EXPECT_EQ(module->AcadVersionText, u"R24");
  EXPECT_EQ(call("acadversin", u"R25").hr, host::hr::kOk);
  EXPECT_EQ(module->AcadVersionText, u"R25");
  // Script clients read a property with the method flag too.
  EXPECT_EQ(object.invoke("Vrnstr", Invoke::Method, {}).hr, host::hr::kOk);
}

TEST_F(AutomationTest, ExceptionsBecomeTheMembersHresultWithErrorInformation) {
  struct Case {
    const char* what;
    std::function<void()> raise;
    host::HRESULT hr;
    std::u16string description;
  };
  const Case cases[] = {
      {"host error", [] { throw host::HostError(host::hr::kBadIndex, "Invalid index"); },
       host::hr::kBadIndex, u"Invalid index"},
      {"host error without a failure code", [] { throw host::HostError(1, "odd"); },
       host::hr::kUnexpected, u"odd"},
      {"silent abort", [] { throw host::SilentAbort(); }, kSilentAbortHr, u"Operation aborted"},
      {"any other exception", [] { throw std::runtime_error("broken"); }, host::hr::kUnexpected,
       u"broken"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto app = fake();
    app->fail("version", c.raise);
    ASSERT_EQ(call("SetApp", host::ObjectPtr(app)).hr, host::hr::kOk);
    const CallResult result = call("replace");
    EXPECT_EQ(result.hr, c.hr);
    EXPECT_EQ(result.error.description, c.description);
    EXPECT_EQ(result.error.source, u"vrn.autovrn");
    EXPECT_EQ(result.error.guid.data1, 0x15468C79u);
    EXPECT_EQ(result.error.guid.data4[7], 0x94);
  }
}

// A failure that is no host error carrying its own HRESULT: E_UNEXPECTED,
// the reason as description.
void expectUnexpected(const CallResult& result, std::u16string_view description) {
  EXPECT_EQ(result.hr, host::hr::kUnexpected);
  EXPECT_EQ(result.error.description, description);
  EXPECT_EQ(result.error.source, u"vrn.autovrn");
}

TEST_F(AutomationTest, MembersThatRefreshFailWithoutAnApplication) {
  constexpr std::u16string_view noApp = u"No application object: call SetApp first";
  for (const char* member : {"replace", "HtoMtext", "Hlib", "HShowfont", "Hplot", "Convert"}) {
    SCOPED_TRACE(member);
    expectUnexpected(call(member), noApp);
  }
  expectUnexpected(call("newtext", u"1A"), noApp);
  expectUnexpected(call("acadtostr", u"1A", 11), noApp);
  expectUnexpected(call("strtoacad", u"1A", 12), noApp);
  expectUnexpected(call("Cmd", u"hfont_convert", u"", u""), noApp);
  // An application taken back (SetApp Nothing) is missing again.
  FakeAcad acad;
  ASSERT_EQ(call("SetApp", host::ObjectPtr(acad.app)).hr, host::hr::kOk);
  ASSERT_EQ(call("SetApp", host::ObjectPtr()).hr, host::hr::kOk);
  expectUnexpected(call("Hplot"), noApp);
  // So is a document when the application never gave one.
  acad.app->fail("ActiveDocument", [] { throw host::HostError(host::hr::kFail, "none"); });
  ASSERT_EQ(call("SetApp", host::ObjectPtr(acad.app)).hr, host::hr::kOk);
  expectUnexpected(call("Hplot"), u"No active document");
}

TEST_F(AutomationTest, FormMembersRefreshFirstThenSayTheyAreNotAvailable) {
  struct Case {
    const char* member;
    std::vector<Variant> args;
    bool refreshes;
  };
  const Case cases[] = {
      {"newtext", {u"1A"}, true},
      {"edit", {u"1A"}, true},
      {"FontTable", {}, false},
      {"mtext", {u""}, true},
      {"block", {u"1A"}, true},
      {"replace", {}, true},
      {"HtoMtext", {}, true},
      {"Convert", {}, true},
      {"Cmd", {u"about_vrn", u"", u""}, false},
      {"Cmd", {u"hfont_convert", u"", u""}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.member);
    FakeAcad acad;
    ASSERT_EQ(call("SetApp", host::ObjectPtr(acad.app)).hr, host::hr::kOk);
    auto args = c.args;
    const CallResult result = object.invoke(c.member, Invoke::Method, args);
    EXPECT_EQ(result.hr, host::hr::kNotImpl);
    EXPECT_EQ(result.error.description, u"not available in this build");
    EXPECT_EQ(!acad.app->log.empty(), c.refreshes);
  }
}

TEST_F(AutomationTest, TwoObjectsShareVrnstr) {
  Tautovrn other;
  EXPECT_EQ(vrnstr(), u"");
  std::vector<Variant> args{u"(1)", std::int8_t{0}};
  ASSERT_EQ(other.invoke("strtoacad", Invoke::Method, args).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u")1(");
}

TEST_F(AutomationTest, KindsOutsideTheFontTypesGiveAnEmptyText) {
  for (int kind : {5, 10, -1, -128}) {
    SCOPED_TRACE(kind);
    ASSERT_EQ(call("acadtostr", u"seed", 0).hr, host::hr::kOk);
    EXPECT_EQ(call("acadtostr", u"abc", kind).hr, host::hr::kOk);
    EXPECT_EQ(vrnstr(), u"");
    EXPECT_EQ(call("strtoacad", u"abc", kind).hr, host::hr::kOk);
    EXPECT_EQ(vrnstr(), u"");
  }
  EXPECT_EQ(call("acadtostr", u"", 0).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u"");
}

TEST_F(AutomationTest, TheTextsByteFormIsWindows1255) {
  // Bet alef in DOS Hebrew, stored in visual order: bytes 0x81 0x80, which
  // Windows-1255 reads as U+0081 and the euro sign. U+0080 stands for byte
  // 0x80 too, as Latin-1 has it.
  for (const char16_t* stored : {u"\u0081\u20AC", u"\u0081\u0080"}) {
    EXPECT_EQ(call("acadtostr", stored, 0).hr, host::hr::kOk);
    EXPECT_EQ(vrnstr(), u"\u05D0\u05D1");
  }
  EXPECT_EQ(call("strtoacad", u"\u05D0\u05D1", 0).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u"\u0081\u20AC");
}

TEST_F(AutomationTest, CmdNamesAreCaseSensitiveAndUnknownOnesDoNothing) {
  const auto db = dataDir / "t.db";
  EXPECT_EQ(call("Cmd", u"DB_SQLEXEC", db.u16string(), u"create table t(a)").hr, host::hr::kOk);
  EXPECT_FALSE(std::filesystem::exists(db));
  EXPECT_EQ(call("Cmd", u"nosuch", u"", u"").hr, host::hr::kOk);
}

TEST_F(AutomationTest, CmdDatabaseSubCommands) {
  const auto db = dataDir / "t.db";
  ASSERT_EQ(call("acadtostr", u"before", 0).hr, host::hr::kOk);
  ASSERT_EQ(call("Cmd", u"db_sqlexec", db.u16string(), u"create table t(a, b)").hr, host::hr::kOk);
  ASSERT_EQ(call("Cmd", u"db_sqlexec", db.u16string(), u"insert into t values('x\"y', 2)").hr,
            host::hr::kOk);
  EXPECT_EQ(vrnstr(), u"before");  // db_sqlexec leaves Vrnstr alone
  ASSERT_EQ(call("Cmd", u"db_gettable", db.u16string(), u"select a, b from t").hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u"\"x\\\"y\" \"2\"\r\n");

  const CallResult bad = call("Cmd", u"db_gettable", db.u16string(), u"select nosuch from t");
  expectUnexpected(bad, u"no such column: nosuch");
  EXPECT_EQ(vrnstr(), u"\"x\\\"y\" \"2\"\r\n");
}

TEST_F(AutomationTest, DatabaseFailuresAreUnexpectedWithSqlitesMessage) {
  const std::u16string db = (dataDir / "t.db").u16string();
  const std::u16string unopenable = (dataDir / "no" / "such" / "t.db").u16string();
  struct Case {
    const char16_t* command;
    std::u16string path;
    const char16_t* sql;
    std::u16string_view description;
  };
  const Case cases[] = {
      {u"db_sqlexec", db, u"THIS IS NOT SQL", u"near \"THIS\": syntax error"},
      {u"db_sqlexec", db, u"insert into nowhere values (1)", u"no such table: nowhere"},
      {u"db_gettable", db, u"select * from nowhere", u"no such table: nowhere"},
      {u"db_sqlexec", unopenable, u"create table t(a)", u"unable to open database file"},
      {u"db_gettable", unopenable, u"select 1", u"unable to open database file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf16ToUtf8(std::u16string(c.command) + u" " + c.sql));
    expectUnexpected(call("Cmd", c.command, c.path, c.sql), c.description);
  }
}

TEST_F(AutomationTest, SetLangSwitchesTheKeyboard) {
  ASSERT_EQ(call("Cmd", u"set_lang", u"HEB", u"").hr, host::hr::kOk);
  EXPECT_EQ(platform::languageIdOf(platform::currentKeyboardLayout()), 0x040D);
  ASSERT_EQ(call("Cmd", u"set_lang", u"", u"").hr, host::hr::kOk);
  EXPECT_EQ(platform::languageIdOf(platform::currentKeyboardLayout()), 0x0409);
  // A code that only shares letters with Hebrew's is another language.
  for (const char16_t* other : {u"he", u"hex", u"HEBR", u"xheb"}) {
    ASSERT_EQ(call("Cmd", u"set_lang", u"heb", u"").hr, host::hr::kOk);
    ASSERT_EQ(platform::languageIdOf(platform::currentKeyboardLayout()), 0x040D);
    ASSERT_EQ(call("Cmd", u"set_lang", other, u"").hr, host::hr::kOk);
    EXPECT_EQ(platform::languageIdOf(platform::currentKeyboardLayout()), 0x0409)
        << utf16ToUtf8(other);
  }
}

TEST(AutomationWithoutModule, EveryMemberFailsWithEUnexpected) {
  Tautovrn object;
  const CallResult result = object.invoke("Vrnstr", host::Invoke::Get, {});
  EXPECT_EQ(result.hr, host::hr::kUnexpected);
  EXPECT_EQ(result.error.source, u"vrn.autovrn");
}

}  // namespace
}  // namespace vrn::automation::testing
