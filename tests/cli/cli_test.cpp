#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_fixture.h"

namespace vrn::cli::testing {
namespace {

TEST_F(CliTest, ConversionsOfTheTextItself) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"acadtostr", "0", "(abc)"}, ")abc(\n"},
      {{"acadtostr", "3", "<x>"}, ">x<\n"},
      // Bet alef in DOS letters, visual order: U+0080-U+009A are the DOS bytes.
      {{"acadtostr", "0", "\u0081\u0080"}, "\u05D0\u05D1\n"},
      {{"strtoacad", "3", "\u05D0\u05D1"}, "\u05D1\u05D0\n"},
      {{"strtoacad", "4", "(a)"}, "(a)\n"},
      {{"acadtostr", "7", "abc"}, "\n"},
      {{"acadtostr", "-1", "abc"}, "\n"},
      {{"acadtostr", "0", ""}, "\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1] + " " + c.args[2]);
    const RunResult r = run(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
  }
}

TEST_F(CliTest, MalformedCommandLinesExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"nosuch"},
      {"acadtostr", "300", "x"},
      {"acadtostr", "many", "x"},
      {"acadtostr", "12", "2F"},                           // a handle needs its drawing
      {"acadtostr", "3", "abc", "--drawing", "plan.dxf"},  // a text needs none
      {"fonts", "set", "hebrew", "Hebrew"},
      {"texts"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.empty() ? std::string("(none)") : args[0]);
    const RunResult r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(CliTest, ConversionsByHandleReadTheStyle) {
  RunResult r = run({"acadtostr", "12", forwardText, "--drawing", drawing});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\u05D0\u05D1 (1)\n");
  r = run({"acadtostr", "12", backwardText, "--drawing", drawing});
  EXPECT_EQ(r.out, "\u05D0\u05D1 (1)\n");
  // Not a single-line text: nothing to convert.
  r = run({"acadtostr", "12", solid, "--drawing", drawing});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\n");
  r = run({"acadtostr", "12", "FFFFF", "--drawing", drawing});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("acadtostr failed"), std::string::npos) << r.err;
}

TEST_F(CliTest, StrToAcadByHandleWritesTheDrawing) {
  // The entity's text is taken as logical text and its converted form
  // written back: in place, or into the -o file leaving the original as it was.
  auto storedOf = [&](const std::string& file) {
    const RunResult r = run({"texts", file, "--json"});
    return nlohmann::json::parse(r.out)[0]["stored"].get<std::string>();
  };
  const std::string before = readFile(drawing);
  const std::string copy = (root / "copy.dxf").string();
  RunResult r = run({"strtoacad", "12", forwardText, "--drawing", drawing, "-o", copy});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(drawing), before);
  EXPECT_EQ(storedOf(copy) + "\n", r.out);

  r = run({"strtoacad", "12", forwardText, "--drawing", drawing});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(storedOf(drawing) + "\n", r.out);
  EXPECT_EQ(readFile(drawing), readFile(copy));
}

TEST_F(CliTest, TextsOfEverySpaceInDrawingOrder) {
  const RunResult r = run({"texts", drawing, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto texts = nlohmann::json::parse(r.out);
  ASSERT_EQ(texts.size(), 4u);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {forwardText, "TEXT"}, {backwardText, "TEXT"}, {mtext, "MTEXT"}, {paperText, "TEXT"}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(texts[i]["handle"], expected[i].first);
    EXPECT_EQ(texts[i]["entity"], expected[i].second);
    for (const char* key : {"style", "font", "fontType", "backward", "stored", "text"}) {
      EXPECT_TRUE(texts[i].contains(key)) << key;
    }
  }
  EXPECT_EQ(texts[0]["text"], "\u05D0\u05D1 (1)");
  EXPECT_EQ(texts[1]["backward"], true);
  EXPECT_EQ(texts[1]["text"], "\u05D0\u05D1 (1)");
  EXPECT_EQ(texts[2]["text"], "\u05D0\u05D1\nabc");
  EXPECT_EQ(texts[2]["font"], "hebrew.shx");
  EXPECT_EQ(texts[3]["text"], "\u05D2");
}

TEST_F(CliTest, TextsAsLinesShowTheStoredCodes) {
  const RunResult r = run({"texts", drawing});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find(forwardText + " TEXT  style \"HEBDOS\"  font \"hebrew.shx\"  type 0\n"
                                     "  stored   )1(\\x81\\x80\n"
                                     "  text    \u05D0\u05D1 (1)\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  text    \u05D0\u05D1\n          abc\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("type 0  backward\n"), std::string::npos) << r.out;
}

TEST_F(CliTest, BadDrawingsGiveAClearError) {
  std::ofstream(root / "not.dxf") << "this is no drawing\n";
  for (const std::string& file : {(root / "missing.dxf").string(), (root / "not.dxf").string()}) {
    const RunResult r = run({"texts", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(file), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(CliTest, FontMap) {
  RunResult r = run({"fonts", "set", "hebrew", "dosenglish"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = run({"fonts", "set", "ARIALHEB.shx", "Windows"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = run({"fonts"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("HEBREW"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("DosEnglish\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Windows\n"), std::string::npos) << r.out;
  // The texts now read hebrew.shx as a DOS English-keys font.
  r = run({"texts", drawing, "--json"});
  EXPECT_EQ(nlohmann::json::parse(r.out)[0]["fontType"], 1);

  // A map of one's own replaces the data directory's for one command.
  std::ofstream(root / "mine.txt") << "[Fonts]\r\nHEBREW=DosEnglishR\r\n";
  r = run({"texts", drawing, "--json", "--font-map", (root / "mine.txt").string()});
  EXPECT_EQ(nlohmann::json::parse(r.out)[0]["fontType"], 2);
  // A font mapped "Windows" reads as DOS Hebrew where its text holds DOS letters.
  std::ofstream(root / "windows.txt") << "[Fonts]\r\nHEBREW=Windows\r\n";
  r = run({"texts", drawing, "--json", "--font-map", (root / "windows.txt").string()});
  EXPECT_EQ(nlohmann::json::parse(r.out)[0]["fontType"], 0);
  r = run({"texts", drawing, "--font-map", (root / "missing.txt").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos) << r.err;
}

TEST_F(CliTest, CommonOptionsGoBeforeOrAfterTheCommand) {
  // The map written through one data directory is read through it again,
  // whichever side of the command names it.
  RunResult r = runAsGiven({"--data-dir", dataDir(), "fonts", "set", "hebrew", "dosenglish"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = runAsGiven({"--data-dir", dataDir(), "texts", drawing, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)[0]["fontType"], 1);
  r = runAsGiven({"texts", "--data-dir", dataDir(), drawing, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)[0]["fontType"], 1);

  std::ofstream(root / "mine.txt") << "[Fonts]\r\nHEBREW=DosEnglishR\r\n";
  r = runAsGiven({"--font-map", (root / "mine.txt").string(), "--data-dir", dataDir(), "acadtostr",
                  "12", forwardText, "--drawing", drawing});
  ASSERT_EQ(r.status, 0) << r.err;
  r = runAsGiven({"--font-map", (root / "mine.txt").string(), "--data-dir", dataDir(), "texts",
                  drawing, "--json"});
  EXPECT_EQ(nlohmann::json::parse(r.out)[0]["fontType"], 2);

  // Still malformed: a word the command does not take, an option given twice.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--data-dir", dataDir(), "texts", drawing, "extra"},
        std::vector<std::string>{"--data-dir", dataDir(), "texts", drawing, "--data-dir",
                                 dataDir()},
        std::vector<std::string>{"--data-dir", dataDir()}}) {
    SCOPED_TRACE(args.back());
    r = runAsGiven(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(r.err.empty());
  }
}

TEST_F(CliTest, Database) {
  const std::string db = (root / "t.db").string();
  ASSERT_EQ(run({"db-exec", db, "create table t(a, b)"}).status, 0);
  RunResult r = run({"db-exec", db, "insert into t values ('\u05D0\"', 1), ('x', 2)"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  r = run({"db-table", db, "select a, b from t order by b"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\"\u05D0\\\"\" \"1\"\r\n\"x\" \"2\"\r\n");
  r = run({"db-table", db, "select nosuch from t"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("nosuch"), std::string::npos) << r.err;
}

TEST_F(CliTest, CallAnyMember) {
  RunResult r = run({"call", drawing, "acadtostr", forwardText, "12"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\u05D0\u05D1 (1)\n");
  const std::string before = readFile(drawing);
  r = run({"call", drawing, "aver", "R24"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(drawing), before) << "nothing changed, nothing written";
  r = run({"call", drawing, "strtoacad", forwardText, "12"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(readFile(drawing), before) << "the member changed the drawing, so it is saved";
  r = run({"call", drawing, "nosuch"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Unknown name"), std::string::npos) << r.err;
  r = run({"call", drawing, "mtext", "FFFFF"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("0x80070057"), std::string::npos) << r.err;
  const std::string unchanged = readFile(drawing);
  r = run({"call", drawing, "mtext", mtext});
  EXPECT_EQ(r.status, 1) << "a form left open by a script that ended";
  EXPECT_NE(r.err.find("Tfrmmtext"), std::string::npos) << r.err;
  EXPECT_EQ(readFile(drawing), unchanged);
}

}  // namespace
}  // namespace vrn::cli::testing
