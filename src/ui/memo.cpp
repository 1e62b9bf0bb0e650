#include "ui/memo.h"

#include "ui/property_text.h"

namespace vrn::ui {

std::u16string Memo::line(int index) const {
  int start = buffer().lineStart(index);
  if (index < 0 || start < 0) return {};
  return buffer().text().substr(static_cast<std::size_t>(start),
                                static_cast<std::size_t>(buffer().lineLength(index)));
}

std::vector<std::u16string> Memo::lines() const {
  std::vector<std::u16string> result;
  // A text ending in a line break has no further (empty) line, as TMemo.Lines.
  int count = lineCount();
  if (count > 1 && buffer().text().ends_with(u"\r\n")) --count;
  if (buffer().text().empty()) count = 0;
  for (int i = 0; i < count; ++i) result.push_back(line(i));
  return result;
}

void Memo::setLines(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += lines[i];
  }
  setText(std::move(text));
}

void Memo::setScrollBars(ScrollBars bars) {
  scrollBars_ = bars;
  changed(Aspect::Appearance);
}

void Memo::setHideSelection(bool hide) {
  hideSelection_ = hide;
  changed(Aspect::Appearance);
}

std::optional<std::u16string> Memo::property(std::string_view name) const {
  auto parsed = splitPropertyName(name);
  if (parsed && sameName(parsed->base, "Lines") && parsed->indexes.size() == 1) {
    return line(parsed->indexes[0]);
  }
  if (sameName(name, "LineCount")) return propertyText(lineCount());
  return TextBox::property(name);
}

}  // namespace vrn::ui
