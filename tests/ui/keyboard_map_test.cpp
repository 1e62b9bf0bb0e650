#include "ui/keyboard_map.h"

#include <gtest/gtest.h>

#include "host/utf8.h"

namespace vrn::ui {
namespace {

// What typing `wanted` produces with a layout active, key by key.
std::u16string typed(std::u16string_view wanted, std::uint16_t language) {
  std::u16string result;
  for (char16_t c : wanted) {
    auto stroke = keystrokeFor(c, language);
    result += stroke ? stroke->character : u'?';
  }
  return result;
}

TEST(KeyboardMapTest, TypingFollowsTheActiveLayout) {
  struct Case {
    std::u16string wanted;
    std::uint16_t language;
    std::u16string result;
  };
  const Case cases[] = {
      {u"שלום 12", kHebrewLanguage, u"שלום 12"},
      {u"שלום 12", kUsEnglishLanguage, u"akuo 12"},  // the keys of those letters
      {u"ךםןףץת", kUsEnglishLanguage, u"loi;.,"},    // final letters sit on l o i ; . ,
      {u"abc", kHebrewLanguage, u"שנב"},
      {u"ABC", kHebrewLanguage, u"ABC"},            // Shift types Latin capitals
      {u"()[]<>{}", kHebrewLanguage, u"()[]<>{}"},  // swapped keys, same characters
      {u"/'.,;", kHebrewLanguage, u"/'.,;"},
      {u"/'.,;", kUsEnglishLanguage, u"/'.,;"},
      {u"é\r", kUsEnglishLanguage, u"??"},  // no key types these
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf16ToUtf8(typed(c.wanted, c.language)), utf16ToUtf8(c.result))
        << utf16ToUtf8(c.wanted);
  }
}

TEST(KeyboardMapTest, HebrewKeysAndSwappedDelimiters) {
  struct Case {
    std::uint16_t key;
    ShiftState shift;
    char16_t hebrew;
    char16_t english;
  };
  const Case cases[] = {
      {vk::letter('T'), {}, u'א', u't'},
      {vk::letter('L'), {}, u'ך', u'l'},
      {0xBA, {}, u'ף', u';'},
      {0xBE, {}, u'ץ', u'.'},
      {0xBC, {}, u'ת', u','},
      {0xBF, {}, u'.', u'/'},
      {0xC0, {}, u';', u'`'},
      {vk::letter('W'), {}, u'\'', u'w'},
      {vk::digit(9), {.shift = true}, u')', u'('},
      {vk::digit(0), {.shift = true}, u'(', u')'},
      {0xBC, {.shift = true}, u'>', u'<'},
      {0xDB, {}, u']', u'['},
      {vk::kEnter, {}, u'\r', u'\r'},
      {vk::kBack, {}, 0x08, 0x08},
      {vk::letter('A'), {.ctrl = true}, 0, 0},
      {vk::digit(5), {.alt = true}, 0, 0},
      {vk::kDel, {}, 0, 0},
      {vk::kF2, {}, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(characterOf(kHebrewLanguage, c.key, c.shift), c.hebrew) << c.key;
    EXPECT_EQ(characterOf(kUsEnglishLanguage, c.key, c.shift), c.english) << c.key;
    EXPECT_EQ(characterOf(0x0407, c.key, c.shift), c.english) << "other layouts type as US English";
  }
}

}  // namespace
}  // namespace vrn::ui
