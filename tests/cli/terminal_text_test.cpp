// Text from files reaches the terminal with its control characters escaped.

#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_fixture.h"
#include "host/utf8.h"

namespace vrn::cli::testing {
namespace {

std::string jsonString(std::u16string_view text) {
  std::string json(jsonRoom(text), '\0');
  json.resize(static_cast<std::size_t>(writeJsonString(json.data(), text) - json.data()));
  return json;
}

TEST(TerminalText, ControlCharactersAndBrokenBytesAreEscaped) {
  struct Case {
    std::string text;
    std::string shown;
    std::string json;
  };
  const Case cases[] = {
      {"\x1B[2J", "\\x1B[2J", "\"\\u001b[2J\""},
      {"\xC2\x9B"
       "31m",
       "\\x9B31m", "\"\\u009b31m\""},  // the one-character CSI
      {"a\x7F"
       "b\tc\r",
       "a\\x7Fb\\x09c\\x0D", "\"a\\u007fb\\tc\\r\""},
      {"\x07\x08", "\\x07\\x08", "\"\\u0007\\b\""},
      {"\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \\P{\\fArial;}",
       "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \\P{\\fArial;}",
       "\"\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \\\\P{\\\\fArial;}\""},
      {"\xC2\xA0\xE2\x80\x8F", "\xC2\xA0\xE2\x80\x8F", "\"\xC2\xA0\xE2\x80\x8F\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(terminalSafe(c.text), c.shown);
    EXPECT_EQ(jsonString(utf8ToUtf16(c.text)), c.json);
    EXPECT_EQ(nlohmann::json::parse(c.json).get<std::string>(), c.text);
  }
  // A pair is one character, a lone surrogate U+FFFD.
  EXPECT_EQ(jsonString(u"\U0001F600 \xD800\""), "\"\xF0\x9F\x98\x80 \xEF\xBF\xBD\\\"\"");
  // Bytes that are no UTF-8, an overlong ESC among them, show as bytes.
  EXPECT_EQ(terminalSafe("\xFF\xC0\x9B"
                         "x\xE2\x80"),
            "\\xFF\\xC0\\x9Bx\\xE2\\x80");
  EXPECT_EQ(terminalSafe("a\nb"), "a\\x0Ab");
  EXPECT_EQ(terminalSafe("a\nb\x1B", LineFeeds::Keep), "a\nb\\x1B");
}

bool holdsRawControls(const std::string& output) {
  for (std::size_t i = 0; i < output.size(); ++i) {
    const auto byte = static_cast<unsigned char>(output[i]);
    if (byte == 0x1B || byte == 0x7F || byte == 0x07) return true;
    if (byte == 0xC2 && i + 1 < output.size() &&
        static_cast<unsigned char>(output[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(output[i + 1]) <= 0x9F)
      return true;
  }
  return false;
}

TEST_F(CliTest, ControlCharactersFromADrawingNeverReachTheTerminalRaw) {
  // The built-in host refuses such names, a file from elsewhere need not:
  // the drawing is written with a stand-in that the hostile codes replace.
  const std::string evil = (root / "evil.dxf").string();
  const std::u16string hostile = u"\x1B]0;owned\x07\x7F\x1B[2J";
  {
    auto app = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
    host::Ref doc = host::Ref(app).obj("Documents").call("Add").toObject();
    host::Ref style = doc.obj("TextStyles").call("Add", u"SQQQ").toObject();
    style.put("FontFile", u"fQQQ.shx");
    host::Ref text =
        doc.obj("ModelSpace").call("AddText", u"tQQQ", host::toVariant({0, 0, 0}), 2.5).toObject();
    text.put("StyleName", u"SQQQ");
    doc.obj("ModelSpace").call("AddMText", host::toVariant({0, 10, 0}), 50.0, u"mQQQ");
    doc.call("SaveAs", utf8ToUtf16(evil));
  }
  std::string bytes = readFile(evil);
  for (std::size_t at; (at = bytes.find("QQQ")) != std::string::npos;) {
    bytes.replace(at, 3, utf16ToUtf8(hostile));
  }
  test::writeFile(evil, bytes);

  RunResult r = run({"texts", evil});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(holdsRawControls(r.out)) << r.out;
  EXPECT_NE(r.out.find("style \"S\\x1B]0;owned\\x07\\x7F\\x1B[2J\""), std::string::npos) << r.out;

  r = run({"texts", evil, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(holdsRawControls(r.out)) << r.out;
  const auto texts = nlohmann::json::parse(r.out);
  EXPECT_EQ(texts[0]["style"], utf16ToUtf8(u"S" + hostile));

  // A file name from a folder of drawings, and the reader's error about it.
  const std::string named = (root / "bad\x1B[2J.dxf").string();
  test::writeFile(named, "0\nSECTION\n2\nENTITIES\n0\nTEXT\n1\n\x1B[2J\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"texts", named},
        std::vector<std::string>{"remap", named, "--fonts", "x.shx", "--to", "dos"}}) {
    SCOPED_TRACE(args[0]);
    r = run(args);
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(holdsRawControls(r.err)) << r.err;
    EXPECT_NE(r.err.find("bad\\x1B[2J.dxf"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace vrn::cli::testing
