#include "drawing_ops/revit_copy.h"

#include <filesystem>

#include "ascii/letter_case.h"

namespace vrn::drawing_ops {
namespace {

constexpr std::int32_t kPitchAndFamily = 34;

bool hasStyle(const host::Ref& styles, std::u16string_view name) {
  const std::int32_t count = styles.get("count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    const std::u16string styleName =
        host::Ref(styles.call("item", i).toObject()).get("Name").toString();
    if (equalsIgnoringAsciiCase(styleName, name)) return true;
  }
  return false;
}

}  // namespace

void prepareRevitStyle(const host::Ref& document) {
  const host::Ref styles = document.obj("TextStyles");
  const std::u16string name(kRevitStyle);
  const host::Ref style(hasStyle(styles, name) ? styles.call("Item", name).toObject()
                                               : styles.call("Add", name).toObject());
  style.call("SetFont", u"Arial", false, false, std::int32_t{0}, kPitchAndFamily);
  style.put("Width", 1.0);
}

WalkTally convertForRevit(const host::Ref& document, const FontTypeOf& typeOf, bool reverseTTF,
                          const WalkProgress& progress) {
  prepareRevitStyle(document);
  ConvertRequest request{{}, std::u16string(kRevitStyle), false, reverseTTF};
  for (const TstyleRec& style : loadStyles(document, typeOf)) {
    if (style.StType != fntType::TrueType) request.fonts.push_back(style.Font);
  }
  if (request.fonts.empty()) return {};
  return convertFonts(document, typeOf, request, progress);
}

std::string revitCopyName(const std::string& base) {
  const std::filesystem::path path(base);
  std::filesystem::path copy = path;
  copy.replace_filename(path.stem().string() + "_Revit" + path.extension().string());
  return copy.string();
}

}  // namespace vrn::drawing_ops
