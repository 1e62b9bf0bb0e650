#include "drawing_ops/plot_preparation.h"

#include <string>
#include <vector>

#include "ascii/letter_case.h"
#include "encoding/reorder.h"
#include "host/point.h"

namespace vrn::drawing_ops {
namespace {

constexpr std::int32_t kWholeDrawing = 5;  // Select mode: every entity passing the filter

struct Rewritten {
  host::Ref text;
  std::u16string original;
};

// Shape fonts draw their own layout; a style without a font file is drawn
// by the host's default TrueType font.
bool drawnByTrueType(const std::u16string& font) {
  if (font.empty()) return true;
  const auto dot = font.rfind(u'.');
  return dot != std::u16string::npos && equalsIgnoringAsciiCase(font.substr(dot), u".ttf");
}

template <class Step>
void bestEffort(Step step) noexcept {
  try {
    step();
  } catch (...) {  // NOLINT(bugprone-empty-catch): the remaining clean-up still runs
  }
}

host::Ref selectTexts(const host::Ref& document) {
  const host::Ref set(document.obj("SelectionSets").call("Add", u"PText").toObject());
  set.call("Select", kWholeDrawing, host::toVariant({}), host::toVariant({}),
           host::makeArray({host::Variant(std::int16_t{0})}),
           host::makeArray({host::Variant(u"Text,MTEXT")}));
  return set;
}

// Returns the number of texts selected.
std::int32_t rewriteTrueTypeTexts(const host::Ref& document, const host::Ref& set,
                                  std::vector<Rewritten>& rewritten) {
  const host::Ref styles = document.obj("TextStyles");
  const std::int32_t count = set.get("count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    const host::Ref text(set.call("item", i).toObject());
    const host::Ref style(styles.call("item", text.get("StyleName")).toObject());
    if (!drawnByTrueType(style.get("FontFile").toString())) continue;
    std::u16string original = text.get("TextString").toString();
    if (original.empty()) continue;
    // The wide text itself: every character a TrueType font draws survives.
    text.put("TextString", encoding::VisualOrderW(original));
    rewritten.push_back({text, std::move(original)});
    text.call("Update");
  }
  return count;
}

}  // namespace

std::size_t PreparePlot(const host::Ref& document) {
  document.call("StartUndoMark");
  std::vector<Rewritten> rewritten;
  host::Ref set;
  std::int32_t selected = 0;
  try {
    set = selectTexts(document);
    selected = rewriteTrueTypeTexts(document, set, rewritten);
    set.call("Delete");
  } catch (...) {
    for (auto it = rewritten.rbegin(); it != rewritten.rend(); ++it) {
      bestEffort([&] { it->text.put("TextString", it->original); });
    }
    if (set) bestEffort([&] { set.call("Delete"); });
    bestEffort([&] { document.call("EndUndoMark"); });
    throw;
  }
  document.call("EndUndoMark");
  if (selected > 0) document.call("SendCommand", u"_PLOT ");
  return rewritten.size();
}

}  // namespace vrn::drawing_ops
