#include "cli/text_listing.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>

#include "automation/module.h"
#include "cli/progress.h"
#include "cli/terminal_text.h"
#include "drawing_ops/text_walk.h"
#include "editing/mtext_reading.h"
#include "encoding/conversions.h"
#include "encoding/font_classification.h"
#include "encoding/tfrm_fonts.h"
#include "host/entity_type.h"
#include "host/utf8.h"
#include "platform/code_page.h"

namespace vrn::cli {
namespace {

using host::EntityType;

class TextReader {
 public:
  TextReader(automation::Module& module, Progress& progress, const TextSink& sink)
      : module_(module), progress_(progress), sink_(sink) {}

  void add(const host::Ref& entity, EntityType type) {
    TextRecord& record = record_;
    record.handle = entity.get("Handle").toString();
    record.entity = drawing_ops::textKindName(type);
    record.style = entity.get("StyleName").toString();
    record.stored = entity.get("TextString").toString();
    const encoding::FontState state = classify(record);
    record.text = type == EntityType::MText ? editing::mtextInReadingOrder(record.stored, state)
                                            : encoding::AcadToEditWin(record.stored, state);
    sink_(record);
    progress_.count(++count_);
  }

 private:
  // The style's font and backward flag, and the font type TfrmFonts gives
  // them; a style the drawing lacks classifies by the text alone. Nothing
  // changes the styles or the font map while the texts are read, so each
  // style is looked up and its font classified once; only the text's own
  // part of the rule (DOS letters in a font mapped "Windows") runs per text.
  encoding::FontState classify(TextRecord& record) {
    auto style = styles_.find(record.style);
    if (style == styles_.end()) style = styles_.emplace(record.style, lookUp(record.style)).first;
    const StyleFont& found = style->second;
    record.font = found.style.font;
    record.backward = found.style.backward;
    const fntType type = encoding::textFontType(found.font, record.stored);
    record.fontType = static_cast<int>(type);
    return encoding::FontState{type, found.style.backward};
  }

  struct StyleFont {
    automation::StyleFontType style;
    encoding::FontClassification font;
  };

  StyleFont lookUp(const std::u16string& name) {
    StyleFont found;
    found.style = module_.view().lookUpStyle(name, automation::MissingStyle::ClassifyByTextAlone);
    found.font = encoding::classifyFont(found.style.font, module_.frmFonts().fontmaps);
    return found;
  }

  automation::Module& module_;
  Progress& progress_;
  const TextSink& sink_;
  TextRecord record_;  // reused: its strings keep their room from text to text
  std::size_t count_ = 0;
  std::unordered_map<std::u16string, StyleFont> styles_;
};

// Stored texts keep their letter codes: a character whose byte is a control
// code or one of 0x7F-0x9F (where the DOS letters live; Windows-1255 shows
// most of them as punctuation) is written as \xNN so the line stays readable.
std::string escapedStored(const std::u16string& stored) {
  const std::string bytes = platform::toByteForm(stored);  // one byte per unit
  std::string out;
  std::size_t visibleFrom = 0;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
      out += utf16ToUtf8(std::u16string_view(stored).substr(visibleFrom, i - visibleFrom));
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(byte));
      out += code;
      visibleFrom = i + 1;
    }
  }
  return out + utf16ToUtf8(std::u16string_view(stored).substr(visibleFrom));
}

std::string indentedLines(const std::u16string& text, const std::string& indent) {
  std::string out = terminalSafe(utf16ToUtf8(text), LineFeeds::Keep);
  for (auto at = out.find('\n'); at != std::string::npos; at = out.find('\n', at + 1)) {
    out.insert(at + 1, indent);
  }
  return out;
}

}  // namespace

void readTexts(automation::Module& module, const host::Ref& document, Progress& progress,
               const TextSink& sink) {
  module.view().AcadStyles = document.obj("TextStyles");
  TextReader reader(module, progress, sink);
  progress.step("reading texts");
  drawing_ops::forEachText(
      document, [&reader](const host::Ref& text, EntityType type) { reader.add(text, type); });
  progress.finish();
}

void printText(const TextRecord& t, std::ostream& out) {
  out << terminalSafe(utf16ToUtf8(t.handle)) << ' ' << t.entity << "  style \""
      << terminalSafe(utf16ToUtf8(t.style)) << "\"  font \"" << terminalSafe(utf16ToUtf8(t.font))
      << "\"  type " << t.fontType << (t.backward ? "  backward" : "") << '\n';
  out << "  stored  " << escapedStored(t.stored) << '\n';
  out << "  text    " << indentedLines(t.text, "          ") << '\n';
}

// Each entry is written into room the writer keeps from text to text, so
// that a listing of a million texts neither grows nor clears a string for
// each piece of each.
void JsonTextWriter::add(const TextRecord& t) {
  constexpr std::size_t kLayout = 256;  // keys, indents, punctuation, numbers
  const std::size_t room = kLayout + jsonRoom(t.handle) + jsonRoom(t.style) + jsonRoom(t.font) +
                           jsonRoom(t.stored) + jsonRoom(t.text) + t.entity.size();
  if (entry_.size() < room) entry_.resize(room);
  char* at = entry_.data();
  const auto literal = [&at](std::string_view text) {
    at = std::copy(text.begin(), text.end(), at);
  };
  const auto field = [&](std::string_view key, std::u16string_view value, std::string_view after) {
    literal("    \"");
    literal(key);
    literal("\": ");
    at = writeJsonString(at, value);
    literal(after);
  };
  literal(count_ == 0 ? "[\n  {\n" : ",\n  {\n");
  field("handle", t.handle, ",\n");
  // One of the four names of the text kinds: nothing in it to escape.
  literal("    \"entity\": \"");
  literal(t.entity);
  literal("\",\n");
  field("style", t.style, ",\n");
  field("font", t.font, ",\n");
  literal("    \"fontType\": ");
  at = std::to_chars(at, at + kLayout, t.fontType).ptr;
  literal(t.backward ? ",\n    \"backward\": true,\n" : ",\n    \"backward\": false,\n");
  field("stored", t.stored, ",\n");
  field("text", t.text, "\n  }");
  out_.write(entry_.data(), at - entry_.data());
  ++count_;
}

void JsonTextWriter::finish() { out_ << (count_ == 0 ? "[]\n" : "\n]\n"); }

}  // namespace vrn::cli
