#include "editing/mtext_reading.h"

#include "editing/mtext_codec.h"
#include "encoding/conversions.h"

namespace vrn::editing {

std::u16string mtextInReadingOrder(std::u16string_view stored, encoding::FontState font) {
  std::u16string text;
  const auto paragraphs = splitParagraphs(stripFormatGroup(DecodeUnicodeEscapes(stored)));
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) text += u'\n';
    text += encoding::AcadToEditWin(paragraphs[i], font);
  }
  return text;
}

}  // namespace vrn::editing
