// vrn newtext and vrn call with forms: the single-line editor run end to
// end on the sample drawing by a scripted user.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "cli_fixture.h"
#include "drawing/application.h"

namespace vrn::cli::testing {
namespace {

using nlohmann::json;

std::string sample() { return std::string(VRN_SOURCE_DIR) + "/examples/sample.dxf"; }

class FormsTest : public CliTest {
 protected:
  std::string script(const std::string& name, const std::string& lines) {
    const fs::path file = root / name;
    test::writeFile(file, lines);
    return file.string();
  }
  json listing(const std::string& file) {
    const RunResult r = run({"texts", file, "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    return json::parse(r.out);
  }
  // The texts of `after` whose handles `before` lacks.
  std::vector<json> added(const json& before, const json& after) {
    std::set<std::string> old;
    for (const json& t : before) old.insert(t["handle"].get<std::string>());
    std::vector<json> result;
    for (const json& t : after) {
      if (!old.contains(t["handle"].get<std::string>())) result.push_back(t);
    }
    return result;
  }
  std::string out() const { return (root / "out.dxf").string(); }
};

TEST_F(FormsTest, NewTextTypesTwoLinesIntoTheDrawing) {
  const std::string s = script("s.txt", "type שלום 12\nclick btnNext\ntype עולם\nkey Enter\n");
  const RunResult r = run(
      {"newtext", sample(), "--style", "HEB-DOS", "--at", "300,300", "--script", s, "-o", out()});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<json> texts = added(listing(sample()), listing(out()));
  ASSERT_EQ(texts.size(), 2u);
  // DOS letters in visual order: the number keeps its order, the letters run backwards.
  EXPECT_EQ(texts[0]["text"], "שלום 12");
  EXPECT_EQ(texts[0]["fontType"], 0);
  EXPECT_EQ(utf8ToUtf16(texts[0]["stored"].get<std::string>()), u" 12\u008D\u2026\u008C\u2122");
  EXPECT_EQ(texts[1]["text"], "עולם");

  auto app = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
  const host::Ref doc = host::Ref(app).obj("Documents").call("Open", utf8ToUtf16(out())).toObject();
  const auto entity = [&](const json& t) {
    return doc.call("HandleToObject", utf8ToUtf16(t["handle"].get<std::string>())).toObject();
  };
  const host::Ref first = entity(texts[0]);
  const host::Ref second = entity(texts[1]);
  const double height = first.get("Height").toDouble();
  EXPECT_NEAR(host::toPoint(second.get("InsertionPoint")).y,
              host::toPoint(first.get("InsertionPoint")).y - 1.5 * height, 1e-9);
}

TEST_F(FormsTest, EscapeLeavesTheListingUnchanged) {
  const std::string s = script("s.txt", "type שלום 12\nclick btnNext\ntype עולם\nkey Escape\n");
  const RunResult r = run(
      {"newtext", sample(), "--style", "HEB-DOS", "--at", "300,300", "--script", s, "-o", out()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(listing(out()), listing(sample()));
}

TEST_F(FormsTest, AScriptThatRunsOutCancelsTheFormAndSavesNothing) {
  const std::string s = script("s.txt", "type שלום\n");
  const std::string transcript = (root / "t.txt").string();
  const RunResult r = run({"newtext", sample(), "--style", "HEB-DOS", "--at", "1,2", "--script", s,
                           "-o", out(), "--transcript", transcript});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("nothing was saved"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out()));
  EXPECT_EQ(readFile(transcript),
            "form Thtext \"  Style: HEB-DOS; Font: hebrew1.shx\" shown\n"
            "form Thtext closed Cancel\n");
}

TEST_F(FormsTest, CallEditsATextADimensionAndAnAttribute) {
  struct Case {
    const char* member;
    const char* handle;
    const char* script;
    const char* key;       // the property that holds the result
    std::u16string value;  // as stored
  };
  const Case cases[] = {
      {"edit", "A3", "expect Edit1 Text \"מרפסת שירות\"\nset Edit1 מרפסת\nkey Enter\n",
       "TextString", u"מרפסת"},
      {"edit", "B9", "set Edit1 \"<> cm\"\nkey Enter\n", "TextOverride", u"<> cm"},
      {"block", "D6", "expect btnNext Visible false\nset Edit1 1:100\nkey Enter\n", "TextString",
       u"1:100"},
      {"edit", "D6", "set Edit1 1:20\nkey Enter\n", "TextString", u"1:20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.member) + " " + c.handle);
    const RunResult r = run(
        {"call", sample(), c.member, c.handle, "--script", script("s.txt", c.script), "-o", out()});
    ASSERT_EQ(r.status, 0) << r.err;
    auto app = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
    const host::Ref doc =
        host::Ref(app).obj("Documents").call("Open", utf8ToUtf16(out())).toObject();
    const host::Ref e = doc.call("HandleToObject", utf8ToUtf16(c.handle)).toObject();
    EXPECT_EQ(e.get(c.key).toString(), c.value);
  }
}

TEST_F(FormsTest, TheTranscriptListsFormsMessagesAndPrompts) {
  const std::string s = script("s.txt",
                               "point 1,2\n"
                               "focus edH\n"
                               "set edH abc\n"
                               "focus Edit1\n"
                               "answer OK\n"
                               "key Escape\n");
  const std::string transcript = (root / "t.txt").string();
  const RunResult r =
      run({"call", sample(), "edit", "9F", "--script", s, "--transcript", transcript, "-o", out()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(transcript),
            "prompt answer point 1,2,0\n"
            "form Thtext \"  Style: HEB-DOS; Font: hebrew1.shx\" shown\n"
            "message \"'abc' is not a valid floating point value\" [vrn] OK -> OK\n"
            "form Thtext closed Cancel\n");
}

TEST_F(FormsTest, CallRunsTheMultiLineEditors) {
  struct Case {
    std::vector<std::string> call;  // member and arguments
    const char* script;
    std::vector<std::string> added;  // the new texts in reading order
  };
  const Case cases[] = {
      {{"mtext", ""},
       "point 100,200\nenter\nuncheck CheckBox1\nclick Memo1\ntype שלום\nkey Enter\n"
       "type עולם\nclick BitBtn1\n",
       {"שלום\nעולם"}},
      {{"mtext", "A8"},
       "check CheckBox1\nclick BitBtn1\n",
       {":הערות", "כל המידות בסמ", "לא למדוד מהתוכנית"}},
      {{"HtoMtext"},
       "pick A5 9F A7\nuncheck CheckBox1\nclick BitBtn1\n",
       {"סלון\nשטח 24.5\nמסדרון"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call.front());
    std::vector<std::string> args{"call", sample()};
    args.insert(args.end(), c.call.begin(), c.call.end());
    for (const char* extra : {"--script", "", "-o", ""}) args.emplace_back(extra);
    args[args.size() - 3] = script("s.txt", c.script);
    args.back() = out();
    const RunResult r = run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> texts;
    for (const json& t : added(listing(sample()), listing(out()))) {
      texts.push_back(t["text"].get<std::string>());
    }
    EXPECT_EQ(texts, c.added);
  }
}

TEST_F(FormsTest, CallRunsFindAndReplace) {
  const RunResult r = run(
      {"call", sample(), "replace", "--script",
       script("s.txt", "pick A7 9F\nset Edit1 1.5\nclick btnNumber\nclick btnOk\n"), "-o", out()});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string a7;
  for (const json& t : listing(out())) {
    if (t["handle"] == "A7") a7 = t["text"].get<std::string>();
  }
  EXPECT_EQ(a7, "שטח 26.00");
}

}  // namespace
}  // namespace vrn::cli::testing
