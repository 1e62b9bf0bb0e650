#pragma once
// The texts of a drawing as `vrn texts` lists them: every single-line text,
// multi-line text, attribute and attribute definition of model space, of
// every paper-space layout and of every named block, in drawing order, each
// with its style, its font's type and its text in reading order.

#include <functional>
#include <ostream>
#include <string>

#include "host/ref.h"

namespace vrn::automation {
class Module;
}

namespace vrn::cli {

class Progress;

struct TextRecord {
  std::u16string handle;
  std::string entity;  // "TEXT", "MTEXT", "ATTRIB", "ATTDEF"
  std::u16string style;
  std::u16string font;  // the style's font file, else its big-font file
  int fontType = 0;     // fntType, 0 to 4
  bool backward = false;
  std::u16string stored;  // TextString as the drawing holds it
  std::u16string text;    // reading order, paragraphs joined by a line feed
};

using TextSink = std::function<void(const TextRecord&)>;

// Reads the texts of `document`, handing each to `sink` as it is read, so a
// large drawing's texts never stand in memory together. Classifying a style
// sets TfrmFonts' font state, as the editors do; a text whose style is
// missing is read with an empty font name.
void readTexts(automation::Module& module, const host::Ref& document, Progress& progress,
               const TextSink& sink);

// One block per text: a head line, then the stored text with control and
// DOS-letter codes written as \xNN, then the reading order. Control
// characters from the drawing never reach the terminal raw (see
// cli/terminal_text.h).
void printText(const TextRecord& text, std::ostream& out);

// One JSON array of objects with the keys handle, entity, style, font,
// fontType, backward, stored, text, every control character escaped;
// written a text at a time in the layout of the whole array dumped with an
// indent of 2.
class JsonTextWriter {
 public:
  explicit JsonTextWriter(std::ostream& out) : out_(out) {}
  void add(const TextRecord& text);
  // Closes the array (an empty one when no text was added).
  void finish();

 private:
  std::ostream& out_;
  std::string entry_;  // room for one entry, kept from text to text
  std::size_t count_ = 0;
};

}  // namespace vrn::cli
