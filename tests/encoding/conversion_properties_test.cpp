// Round trips over generated texts: each stored text of a font's layout
// comes back from the editor form, and each logical text from the drawing
// form.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "encoding/char_tables.h"
#include "encoding/conversions.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"
#include "encoding/string_conversion.h"
#include "platform/bidi.h"

namespace vrn::encoding {
namespace {

constexpr int kTextsPerCase = 1500;
constexpr std::size_t kMaxLength = 40;

std::string asciiPrintable() {
  std::string s;
  for (char c = 0x20; c < 0x7F; ++c) {
    s += c;
  }
  return s;
}

std::string range(unsigned first, unsigned last) {
  std::string s;
  for (unsigned b = first; b <= last; ++b) {
    s += static_cast<char>(b);
  }
  return s;
}

const std::string kDosLetters = range(0x80, 0x9A);
const std::string kWinLetters = range(0xE0, 0xFA);

// The characters a stored text of each type holds: ASCII and, for the
// letter layouts, their letters (DosEnglish draws them on the ASCII keys).
std::string storedAlphabet(fntType type) {
  switch (type) {
    case fntType::DosHebrew:
      return asciiPrintable() + kDosLetters;
    case fntType::WindowsHeb:
      return asciiPrintable() + kWinLetters;
    default:
      return asciiPrintable();
  }
}

// Hebrew words, numbers and Latin codes come in runs, so draw runs.
class TextGenerator {
 public:
  explicit TextGenerator(unsigned seed) : random_(seed) {}

  std::string next(const std::string& alphabet) { return draw<std::string>(alphabet); }

  // Wide text from pieces, some of them surrogate pairs.
  std::u16string next(const std::vector<std::u16string>& pieces) {
    return draw<std::u16string>(pieces);
  }

  std::string anyBytes() { return next(range(0x00, 0xFF)); }

 private:
  template <typename Text, typename Alphabet>
  Text draw(const Alphabet& alphabet) {
    Text text;
    const std::size_t length = pick(kMaxLength + 1);
    while (text.size() < length) {
      const std::size_t runStart = pick(alphabet.size());
      const std::size_t runSpan = 1 + pick(std::min<std::size_t>(12, alphabet.size()));
      for (std::size_t n = pick(6) + 1; n > 0 && text.size() < length; --n) {
        text += alphabet[(runStart + pick(runSpan)) % alphabet.size()];
      }
    }
    return text;
  }

  std::size_t pick(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
  }
  std::mt19937 random_;
};

const fntType kLetterLayouts[] = {fntType::DosHebrew, fntType::DosEnglish, fntType::DosEnglishR,
                                  fntType::WindowsHeb};

TEST(RoundTrip, WindowsEditorFormGivesBackTheStoredText) {
  TextGenerator generate(1);
  for (fntType type : kLetterLayouts) {
    for (bool backward : {false, true}) {
      const FontState font{type, backward};
      for (int i = 0; i < kTextsPerCase; ++i) {
        const std::u16string stored = wideForm(generate.next(storedAlphabet(type)));
        const std::u16string edited = AcadToEditWin(stored, font);
        ASSERT_EQ(EditToacadWin(edited, font, false), stored)
            << "type " << static_cast<int>(type) << " backward " << backward << " text "
            << byteForm(stored);
      }
    }
  }
}

TEST(RoundTrip, DosEditorFormGivesBackTheStoredText) {
  TextGenerator generate(2);
  for (fntType type : kLetterLayouts) {
    for (bool backward : {false, true}) {
      const FontState font{type, backward};
      for (int i = 0; i < kTextsPerCase; ++i) {
        const std::u16string stored = wideForm(generate.next(storedAlphabet(type)));
        ASSERT_EQ(EditToacadDos(AcadToEditDos(stored, font), font), stored)
            << "type " << static_cast<int>(type) << " backward " << backward << " text "
            << byteForm(stored);
      }
    }
  }
}

TEST(RoundTrip, AcadToStrUndoesStrToAcadForDosAndWindowsLetters) {
  TextGenerator generate(3);
  const std::string logical = asciiPrintable() + kWinLetters;
  for (fntType type : {fntType::DosHebrew, fntType::WindowsHeb}) {
    for (bool backward : {false, true}) {
      for (int i = 0; i < kTextsPerCase; ++i) {
        const std::string text = generate.next(logical);
        ASSERT_EQ(AcadToStr(StrToAcad(text, type, backward), type, backward), text)
            << "type " << static_cast<int>(type) << " backward " << backward << " text " << text;
      }
    }
  }
}

// The members call the wide forms; on the byte form's texts they must give
// what the byte forms give, for every type.
TEST(RoundTrip, WideStringConversionsAgreeWithTheByteForms) {
  TextGenerator generate(13);
  for (int type = 0; type <= 5; ++type) {
    for (bool backward : {false, true}) {
      for (int i = 0; i < kTextsPerCase / 5; ++i) {
        const std::string text = generate.anyBytes();
        const std::u16string wide = wideForm(text);
        const auto t = static_cast<fntType>(type);
        ASSERT_EQ(AcadToStr(std::u16string_view(wide), t, backward),
                  wideForm(AcadToStr(text, t, backward)))
            << "type " << type << " text " << text;
        ASSERT_EQ(StrToAcad(std::u16string_view(wide), t, backward),
                  wideForm(StrToAcad(text, t, backward)))
            << "type " << type << " text " << text;
      }
    }
  }
}

// The letter-layout conversions run fused; they must give what the chain of
// character-table routines gives, step by step, on any text.
std::u16string acadToEditWinChain(const std::u16string& src, fntType t, bool back) {
  const std::string d = back ? RevStr(byteForm(src)) : byteForm(src);
  std::u16string r;
  switch (t) {
    case fntType::DosHebrew:
      if (isEnglishOnly(wideForm(d), t)) {
        r = wideForm(d);
      } else {
        const std::string e = byteForm(DosToUni(src));
        r = wideForm(FixRuns(back ? e : RevStr(e)));
      }
      break;
    case fntType::DosEnglish:
      r = wideForm(FixRuns(RevStr(DosToWin(EngToDos(d)))));
      break;
    case fntType::DosEnglishR:
      r = wideForm(FixRuns(DosToWin(EngToDos(d))));
      break;
    default:
      r = isEnglishOnly(wideForm(d), t) ? wideForm(d) : wideForm(RevStr(FixRuns(d)));
      break;
  }
  return mirrorBrackets(r);
}

std::u16string editToacadWinChain(const std::u16string& src, fntType t, bool back) {
  const std::string b = byteForm(src);
  std::u16string r;
  switch (t) {
    case fntType::DosHebrew:
      r = isEnglishOnly(src, fntType::WindowsHeb) ? src : wideForm(WinToDos(RevStr(FixRuns(b))));
      break;
    case fntType::DosEnglish:
      r = wideForm(DosToEng(WinToDos(RevStr(FixRuns(b)))));
      break;
    case fntType::DosEnglishR:
      r = wideForm(DosToEng(WinToDos(FixRuns(b))));
      break;
    default:
      r = isEnglishOnly(src, t) ? src : wideForm(RevStr(FixRuns(b)));
      break;
  }
  return mirrorBrackets(back ? wideForm(RevStr(byteForm(r))) : r);
}

TEST(Fused, LetterLayoutConversionsMatchTheRoutineChain) {
  TextGenerator generate(9);
  for (fntType type : kLetterLayouts) {
    for (bool backward : {false, true}) {
      const FontState font{type, backward};
      for (int i = 0; i < kTextsPerCase; ++i) {
        std::u16string text = wideForm(generate.anyBytes());
        if (i % 3 == 0 && !text.empty()) {
          text[text.size() / 2] = i % 2 == 0 ? u'\u0416' : u'\u0085';  // off the code page; C1
        }
        ASSERT_EQ(AcadToEditWin(text, font), acadToEditWinChain(text, type, backward))
            << "type " << static_cast<int>(type) << " backward " << backward;
        ASSERT_EQ(EditToacadWin(text, font, false), editToacadWinChain(text, type, backward))
            << "type " << static_cast<int>(type) << " backward " << backward;
      }
    }
  }
}

// What a TrueType text holds besides the byte form's characters: a
// diameter sign and e-acute (whose fallback bytes are Hebrew in
// Windows-1255), Zhe, emoji, an Arabic letter and digit, a lone surrogate.
std::vector<std::u16string> trueTypePieces() {
  std::vector<std::u16string> pieces;
  for (char16_t u = 0x20; u < 0x7F; u += 3) {
    pieces.emplace_back(1, u);
  }
  for (char16_t u = u'\u05D0'; u <= u'\u05EA'; ++u) {
    pieces.emplace_back(1, u);
  }
  for (const char16_t* extra : {u" ", u" ", u"\u00D8", u"\u00E9", u"\u0416", u"\U0001F600",
                                u"\U0001F4D0", u"\u0627", u"\u0661", u"\U00010800"}) {
    pieces.emplace_back(extra);
  }
  pieces.emplace_back(1, static_cast<char16_t>(0xD835));
  return pieces;
}

std::u16string platformDisplay(const std::u16string& s, platform::ReadingDirection reading) {
  std::u16string display;
  platform::displayOrder(s, reading, display);
  return display;
}

std::string platformVisualOrder(const std::string& b) {
  return byteForm(platformDisplay(wideForm(b), platform::ReadingDirection::LeftToRight));
}

// The TrueType conversions work on wide text and reorder some lines through
// the byte form's class table and without the platform; on any text, also
// with units the byte form lacks and surrogates, they must give what the
// wide routine chain gives with the platform's own classes and order.
TEST(Fused, TrueTypeConversionsMatchTheRoutineChain) {
  constexpr auto ltr = platform::ReadingDirection::LeftToRight;
  constexpr auto rtl = platform::ReadingDirection::RightToLeft;
  constexpr FontState forward{fntType::TrueType, false};
  constexpr FontState backward{fntType::TrueType, true};
  TextGenerator generate(10);
  const std::string hebrewAndBlanks = kWinLetters + "    ";
  const std::vector<std::u16string> mixed = trueTypePieces();
  for (int i = 0; i < kTextsPerCase * 3; ++i) {
    std::u16string text;
    switch (i % 3) {
      case 0:
        text = wideForm(generate.anyBytes());
        break;
      case 1:
        text = wideForm(generate.next(hebrewAndBlanks));
        break;
      default:
        text = generate.next(mixed);
        break;
    }
    if (i % 5 == 0 && !text.empty()) {  // off the code page; a lone surrogate
      text[text.size() / 2] = i % 3 == 0 ? u'\u0416' : static_cast<char16_t>(0xD835);
    }
    const std::u16string reversed = reverseCharacters(text);
    const std::u16string leftToRight = FixRunsW(platformDisplay(text, ltr));
    const std::u16string rightToLeft = platformDisplay(FixRunsW(text), ltr);
    const std::string b = byteForm(text);
    ASSERT_EQ(ConvertLeftToRight(text), leftToRight) << b;
    ASSERT_EQ(ConvertRightToLeft(text), rightToLeft) << b;
    ASSERT_EQ(AcadToEditWin(text, forward), reverseCharacters(leftToRight)) << b;
    ASSERT_EQ(AcadToEditWin(text, backward),
              reverseCharacters(FixRunsW(platformDisplay(reversed, ltr))))
        << b;
    ASSERT_EQ(EditToacadWin(text, forward, false), reverseCharacters(rightToLeft)) << b;
    ASSERT_EQ(EditToacadWin(text, backward, true), rightToLeft) << b;
    ASSERT_EQ(EditToacadDos(text, backward), reverseCharacters(platformDisplay(text, ltr))) << b;
    ASSERT_EQ(AAcadToEditWin(text, backward, false, false), platformDisplay(reversed, ltr)) << b;
    ASSERT_EQ(StrToAcad(std::u16string_view(text), fntType::TrueType, false),
              platformDisplay(FixRunsW(text), rtl))
        << b;
    ASSERT_EQ(AcadToStr(std::u16string_view(text), fntType::TrueType, true),
              reverseCharacters(FixRunsW(platformDisplay(reversed, rtl))))
        << b;
  }
}

// The characters of a sequence of UTF-16 units, a lone surrogate counting
// as one, sorted.
std::vector<char32_t> sortedCharacters(const std::u16string& s) {
  std::vector<char32_t> characters;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool pair = s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
                      s[i + 1] <= 0xDFFF;
    characters.push_back(pair ? 0x10000 + ((char32_t{s[i]} - 0xD800) << 10) +
                                    (char32_t{s[i + 1]} - 0xDC00)
                              : char32_t{s[i]});
    i += pair ? 1 : 0;
  }
  std::sort(characters.begin(), characters.end());
  return characters;
}

// Opening a TrueType text in an editor and pressing OK must not lose a
// character the code page lacks, nor split an emoji.
TEST(RoundTrip, TrueTypeKeepsEveryCharacter) {
  TextGenerator generate(12);
  const std::vector<std::u16string> mixed = trueTypePieces();
  for (bool backward : {false, true}) {
    const FontState font{fntType::TrueType, backward};
    for (int i = 0; i < kTextsPerCase; ++i) {
      const std::u16string text = generate.next(mixed);
      const std::vector<char32_t> characters = sortedCharacters(text);
      const std::string b = byteForm(text);
      ASSERT_EQ(sortedCharacters(AcadToEditWin(EditToacadWin(text, font, false), font)), characters)
          << b;
      ASSERT_EQ(sortedCharacters(AcadToEditDos(EditToacadDos(text, font), font)), characters) << b;
      ASSERT_EQ(sortedCharacters(AAcadToEditWin(text, font, false, true)), characters) << b;
      const std::u16string stored = StrToAcad(std::u16string_view(text), font.type, backward);
      ASSERT_EQ(sortedCharacters(AcadToStr(std::u16string_view(stored), font.type, backward)),
                characters)
          << b;
    }
  }
}

TEST(RoundTrip, ReverseTtfReversesTheFontConverterResult) {
  TextGenerator generate(4);
  const std::string alphabet = asciiPrintable() + kDosLetters + kWinLetters;
  for (int type = 0; type <= 4; ++type) {
    for (bool rightToLeft : {false, true}) {
      const FontState font{static_cast<fntType>(type), rightToLeft};
      for (int i = 0; i < kTextsPerCase / 5; ++i) {
        const std::u16string stored = wideForm(generate.next(alphabet));
        ASSERT_EQ(AAcadToEditWin(stored, font, rightToLeft, true),
                  RevStrW(AAcadToEditWin(stored, font, rightToLeft, false)))
            << "type " << type << " text " << byteForm(stored);
      }
    }
  }
}

TEST(Reordering, FixRunsThenReversalIsItsOwnInverse) {
  TextGenerator generate(5);
  for (int i = 0; i < kTextsPerCase; ++i) {
    const std::string text = generate.anyBytes();
    ASSERT_EQ(RevStr(FixRuns(RevStr(FixRuns(text)))), text);
    ASSERT_EQ(FixRuns(FixRuns(text)), text);
  }
}

// The byte form's class table must agree with the platform's classes, and
// the byte display order with the wide one.
TEST(Reordering, ByteAndWideFormsAgree) {
  TextGenerator generate(6);
  for (int i = 0; i < kTextsPerCase; ++i) {
    const std::string text = generate.anyBytes();
    ASSERT_EQ(wideForm(FixRuns(text)), FixRunsW(wideForm(text)));
    ASSERT_EQ(wideForm(VisualOrder(text)), VisualOrderW(wideForm(text)));
  }
}

// Without a right-to-left letter a byte-form line displays as stored, left
// to right, whatever else it holds; the platform must agree.
TEST(Reordering, LinesWithoutRightToLeftLettersDisplayAsStored) {
  const std::u16string everyChar = wideForm(range(0x00, 0xFF));
  std::vector<std::uint8_t> classes(everyChar.size());
  platform::characterClasses(everyChar, classes);
  std::string others;
  for (std::size_t b = 0; b < classes.size(); ++b) {
    if (classes[b] != platform::kRightToLeftLetterClass) {
      others += static_cast<char>(b);
    }
  }
  std::mt19937 random(8);
  for (int i = 0; i < 200; ++i) {
    std::shuffle(others.begin(), others.end(), random);
    const std::string line = others.substr(0, 1 + static_cast<std::size_t>(i) % others.size());
    ASSERT_EQ(VisualOrder(line), line);
    ASSERT_EQ(VisualOrderW(wideForm(line)), wideForm(line));
  }
}

// Lines of right-to-left letters and blanks are ordered without the
// platform, in both reading directions; the platform must agree.
TEST(Reordering, LettersAndBlanksDisplayAsThePlatformOrdersThem) {
  const std::u16string everyChar = wideForm(range(0x00, 0xFF));
  std::vector<std::uint8_t> classes(everyChar.size());
  platform::characterClasses(everyChar, classes);
  std::string lettersAndBlanks = "    ";
  for (std::size_t b = 0; b < classes.size(); ++b) {
    if (classes[b] == platform::kRightToLeftLetterClass) {
      lettersAndBlanks += static_cast<char>(b);
    }
  }
  TextGenerator generate(11);
  for (int i = 0; i < kTextsPerCase; ++i) {
    const std::string line = generate.next(lettersAndBlanks);
    std::u16string readRightToLeft;
    platform::displayOrder(wideForm(line), platform::ReadingDirection::RightToLeft,
                           readRightToLeft);
    ASSERT_EQ(VisualOrder(line), platformVisualOrder(line)) << line;
    ASSERT_EQ(VisualOrderDC(line), byteForm(readRightToLeft)) << line;
  }
}

TEST(Reordering, DisplayOrderKeepsTheCharacters) {
  TextGenerator generate(7);
  for (int i = 0; i < kTextsPerCase; ++i) {
    const std::string text = generate.anyBytes();
    for (const std::string& display : {VisualOrder(text), VisualOrderDC(text)}) {
      std::string sortedText = text;
      std::string sortedDisplay = display;
      std::sort(sortedText.begin(), sortedText.end());
      std::sort(sortedDisplay.begin(), sortedDisplay.end());
      ASSERT_EQ(sortedDisplay, sortedText);
    }
  }
}

}  // namespace
}  // namespace vrn::encoding
