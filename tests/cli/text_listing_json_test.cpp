// `vrn texts --json` writes its texts one at a time; what it writes must be
// the very document nlohmann::json would dump for the whole list at once,
// with the controls a terminal would act on escaped too.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/terminal_text.h"
#include "cli/text_listing.h"
#include "host/utf8.h"

namespace vrn::cli {
namespace {

std::string dumpedWhole(const std::vector<TextRecord>& texts) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const TextRecord& t : texts) {
    list.push_back({{"handle", utf16ToUtf8(t.handle)},
                    {"entity", t.entity},
                    {"style", utf16ToUtf8(t.style)},
                    {"font", utf16ToUtf8(t.font)},
                    {"fontType", t.fontType},
                    {"backward", t.backward},
                    {"stored", utf16ToUtf8(t.stored)},
                    {"text", utf16ToUtf8(t.text)}});
  }
  return list.dump(2) + '\n';
}

// The JSON writer leaves DEL and U+0080-U+009F raw (C2 80-9F in UTF-8);
// the listing writes them as \u00NN.
std::string withControlsEscaped(const std::string& json) {
  std::string out;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const auto byte = static_cast<unsigned char>(json[i]);
    const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0U;
    char code[8];
    if (byte == 0x7F || (byte == 0xC2 && next >= 0x80 && next <= 0x9F)) {
      std::snprintf(code, sizeof code, "\\u%04x", byte == 0x7F ? 0x7FU : next);
      out += code;
      i += byte == 0x7F ? 0 : 1;
    } else {
      out += json[i];
    }
  }
  return out;
}

TEST(TextListingJson, StreamedTextsReadAsTheWholeDocumentDumped) {
  const TextRecord plain{u"2A", "TEXT", u"Standard", u"txt", 0, false, u"Room 1", u"Room 1"};
  const TextRecord awkward{u"FF",
                           "MTEXT",
                           u"\u05e1\u05d2\u05e0\u05d5\u05df \"A\"",
                           u"",
                           4,
                           true,
                           u"a\\b\t\x01\x7f\b\f\r\x1f/\x80\x9a\xa0",
                           u"line\nnext \u05d0 \xd800 \U0001F600"};
  const std::vector<std::vector<TextRecord>> cases{{}, {plain}, {plain, awkward, plain}};
  for (const auto& texts : cases) {
    std::ostringstream out;
    JsonTextWriter writer(out);
    for (const TextRecord& text : texts) writer.add(text);
    writer.finish();
    EXPECT_EQ(out.str(), withControlsEscaped(dumpedWhole(texts))) << texts.size() << " texts";
    EXPECT_EQ(nlohmann::json::parse(out.str()), nlohmann::json::parse(dumpedWhole(texts)));
  }
}

}  // namespace
}  // namespace vrn::cli
