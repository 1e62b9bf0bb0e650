#include "cli/new_text.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace vrn::cli {

std::u16string createSingleLineText(const host::Ref& document, const std::u16string& style,
                                    const host::Point3& at, std::optional<double> height) {
  document.call("StartUndoMark");
  try {
    document.obj("TextStyles").call("Item", style);  // raises for a style the drawing lacks
    document.call("SetVariable", u"TEXTSTYLE", style);
    const double h = height ? *height : document.call("GetVariable", u"TEXTSIZE").toDouble();
    const host::Ref text =
        document.obj("ModelSpace").call("AddText", u"", host::toVariant(at), h).toObject();
    text.put("StyleName", style);
    document.call("EndUndoMark");
    return text.get("Handle").toString();
  } catch (...) {
    document.call("EndUndoMark");
    throw;
  }
}

std::optional<host::Point3> parsePoint(const std::string& text) {
  std::vector<double> values;
  std::istringstream in(text);
  std::string part;
  while (std::getline(in, part, ',')) {
    char* end = nullptr;
    const double value = std::strtod(part.c_str(), &end);
    if (part.empty() || end != part.c_str() + part.size()) return std::nullopt;
    values.push_back(value);
  }
  if (values.size() < 2 || values.size() > 3) return std::nullopt;
  return host::Point3{values[0], values[1], values.size() == 3 ? values[2] : 0.0};
}

}  // namespace vrn::cli
