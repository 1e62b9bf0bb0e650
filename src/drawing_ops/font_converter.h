#pragma once
// The font converter's work on a drawing, without its window: the text
// styles it knows, and the two walks, Convert (to another style and so to
// another font type) and Remap (letter codes only, optionally reversed).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drawing_ops/text_walk.h"
#include "encoding/font_type.h"
#include "host/ref.h"

namespace vrn::drawing_ops {

// One text style with a font file.
struct TstyleRec {
  std::u16string stName;
  host::Ref style;
  std::u16string Font;
  fntType StType = fntType::DosHebrew;
  bool cStBack = false;
  double Width = 1;
};

// The font type of a font file, as the font map gives it (TfrmFonts'
// GetFntType).
using FontTypeOf = std::function<fntType(std::u16string_view font)>;

// The drawing's styles that have a font file, in drawing order.
std::vector<TstyleRec> loadStyles(const host::Ref& document, const FontTypeOf& typeOf);

struct ConvertRequest {
  std::vector<std::u16string> fonts;  // font files whose texts change (case ignored)
  std::u16string style;               // the target style
  bool rightToLeft = false;           // "Change Right to Left order", TrueType targets
  bool reverseTTF = false;
};

// Remap targets: 0 DOS Hebrew, 1 English keys, 3 Windows, 4 letters unchanged.
struct RemapRequest {
  std::vector<std::u16string> fonts;
  fntType to = fntType::TrueType;
  bool reverse = false;
};

// The handlers of the two walks for the drawing as it stands. Each puts back
// what it changed on a text that fails halfway, then lets the error go on.
// Both raise std::invalid_argument naming what is missing (no font of the
// drawing selected, an unknown target style).
TextHandler fontConversionHandler(const host::Ref& document, const FontTypeOf& typeOf,
                                  const ConvertRequest& request);
TextHandler fontRemapHandler(const host::Ref& document, const FontTypeOf& typeOf,
                             const RemapRequest& request);

// The walks, followed by a regeneration. Both raise std::invalid_argument naming what is missing
// (no font of the drawing selected, an unknown target style) before anything changes.
WalkTally convertFonts(const host::Ref& document, const FontTypeOf& typeOf,
                       const ConvertRequest& request, const WalkProgress& progress = {});
WalkTally remapFonts(const host::Ref& document, const FontTypeOf& typeOf,
                     const RemapRequest& request, const WalkProgress& progress = {});

// The paragraphs of a stored multi-line text, its leading format group
// ("{\fArial;...}") taken off; nothing when another inline code remains,
// since a letter conversion would break it.
std::optional<std::vector<std::u16string>> plainParagraphs(std::u16string_view stored);
std::u16string joinParagraphs(const std::vector<std::u16string>& paragraphs);

}  // namespace vrn::drawing_ops
