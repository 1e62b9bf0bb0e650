// Round trips over generated texts: each stored text of a font's layout
// comes back from the editor form, and each logical text from the drawing
// form.

#include "encoding/char_tables.h"
#include "encoding/conversions.h"
#include "encoding/reorder.h"
#include "encoding/string_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>

namespace vrn::encoding {
namespace {

constexpr int textsPerCase = 1500;
constexpr std::size_t maxLength = 40;

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

const std::string dosLetters = range(0x80, 0x9A);
const std::string winLetters = range(0xE0, 0xFA);

// The characters a stored text of each type holds: ASCII and, for the
// letter layouts, their letters (DosEnglish draws them on the ASCII keys).
std::string storedAlphabet(fntType type) {
  switch (type) {
    case fntType::DosHebrew: return asciiPrintable() + dosLetters;
    case fntType::WindowsHeb: return asciiPrintable() + winLetters;
    default: return asciiPrintable();
  }
}

// Hebrew words, numbers and Latin codes come in runs, so draw runs.
class TextGenerator {
 public:
  explicit TextGenerator(unsigned seed) : random_(seed) {}

  std::string next(const std::string& alphabet) {
    std::string text;
    const std::size_t length = pick(maxLength + 1);
    while (text.size() < length) {
      const std::size_t runStart = pick(alphabet.size());
      const std::size_t runSpan = 1 + pick(std::min<std::size_t>(12, alphabet.size()));
      for (std::size_t n = pick(6) + 1; n > 0 && text.size() < length; --n) {
        text += alphabet[(runStart + pick(runSpan)) % alphabet.size()];
      }
    }
    return text;
  }

  std::string anyBytes() { return next(range(0x00, 0xFF)); }

 private:
  std::size_t pick(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
  }
  std::mt19937 random_;
};

const fntType letterLayouts[] = {fntType::DosHebrew, fntType::DosEnglish, fntType::DosEnglishR,
                                 fntType::WindowsHeb};

TEST(RoundTrip, WindowsEditorFormGivesBackTheStoredText) {
  TextGenerator generate(1);
  for (fntType type : letterLayouts) {
    for (bool backward : {false, true}) {
      const FontState font{type, backward};
      for (int i = 0; i < textsPerCase; ++i) {
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
  for (fntType type : letterLayouts) {
    for (bool backward : {false, true}) {
      const FontState font{type, backward};
      for (int i = 0; i < textsPerCase; ++i) {
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
  const std::string logical = asciiPrintable() + winLetters;
  for (fntType type : {fntType::DosHebrew, fntType::WindowsHeb}) {
    for (bool backward : {false, true}) {
      for (int i = 0; i < textsPerCase; ++i) {
        const std::string text = generate.next(logical);
        ASSERT_EQ(AcadToStr(StrToAcad(text, type, backward), type, backward), text)
            << "type " << static_cast<int>(type) << " backward " << backward << " text " << text;
      }
    }
  }
}

TEST(RoundTrip, ReverseTtfReversesTheFontConverterResult) {
  TextGenerator generate(4);
  const std::string alphabet = asciiPrintable() + dosLetters + winLetters;
  for (int type = 0; type <= 4; ++type) {
    for (bool rightToLeft : {false, true}) {
      const FontState font{static_cast<fntType>(type), rightToLeft};
      for (int i = 0; i < textsPerCase / 5; ++i) {
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
  for (int i = 0; i < textsPerCase; ++i) {
    const std::string text = generate.anyBytes();
    ASSERT_EQ(RevStr(FixRuns(RevStr(FixRuns(text)))), text);
    ASSERT_EQ(FixRuns(FixRuns(text)), text);
  }
}

// The byte form's class table must agree with the platform's classes, and
// the byte display order with the wide one.
TEST(Reordering, ByteAndWideFormsAgree) {
  TextGenerator generate(6);
  for (int i = 0; i < textsPerCase; ++i) {
    const std::string text = generate.anyBytes();
    ASSERT_EQ(wideForm(FixRuns(text)), FixRunsW(wideForm(text)));
    ASSERT_EQ(wideForm(VisualOrder(text)), VisualOrderW(wideForm(text)));
  }
}

TEST(Reordering, DisplayOrderKeepsTheCharacters) {
  TextGenerator generate(7);
  for (int i = 0; i < textsPerCase; ++i) {
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
