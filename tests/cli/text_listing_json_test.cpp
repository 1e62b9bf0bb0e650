// `vrn texts --json` writes its texts one at a time; what it writes must be
// the very document nlohmann::json would dump for the whole list at once,
// with the controls a terminal would act on escaped too.
#include <gtest/gtest.h>

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

TEST(TextListingJson, StreamedTextsReadAsTheWholeDocumentDumped) {
  const TextRecord plain{u"2A", "TEXT", u"Standard", u"txt", 0, false, u"Room 1", u"Room 1"};
  const TextRecord awkward{u"FF",
                           "MTEXT",
                           u"\u05e1\u05d2\u05e0\u05d5\u05df \"A\"",
                           u"",
                           4,
                           true,
                           u"a\\b\t\x01\x7f",
                           u"line\nnext \u05d0"};
  const std::vector<std::vector<TextRecord>> cases{{}, {plain}, {plain, awkward, plain}};
  for (const auto& texts : cases) {
    std::ostringstream out;
    printTextsJson(texts, out);
    EXPECT_EQ(out.str(), withoutRawControls(dumpedWhole(texts))) << texts.size() << " texts";
    EXPECT_EQ(nlohmann::json::parse(out.str()), nlohmann::json::parse(dumpedWhole(texts)));
  }
}

}  // namespace
}  // namespace vrn::cli
