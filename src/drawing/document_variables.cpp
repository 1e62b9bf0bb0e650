// System variables: GetVariable and SetVariable.
//
// The ones the drawing file keeps (TEXTSIZE, TEXTSTYLE, CLAYER, CECOLOR,
// DIMSTYLE, TILEMODE) live in the header; DIMTXSTY is the text style of the
// active dimension style; CVPORT follows TILEMODE (the drawing has no
// viewports of its own: 2, model space, or 1, paper space); the view
// variables (VIEWCTR, VIEWSIZE, SCREENSIZE) and any other name are kept in
// memory as set. A name never set is read from the header when it has "$NAME".

#include "ascii/letter_case.h"
#include "drawing/document.h"
#include "drawing/header_variables.h"
#include "drawing/record_groups.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

enum class Type { Number, Integer, Text };

struct HeaderVariable {
  const char* name;  // lower case
  const char* variable;
  int code;
  Type type;
  const char* fallback;
  const char* table;  // a text must name an entry of this table
};

constexpr HeaderVariable kHeader[] = {
    {"textsize", "$TEXTSIZE", 40, Type::Number, "2.5", nullptr},
    {"textstyle", "$TEXTSTYLE", 7, Type::Text, "Standard", "STYLE"},
    {"clayer", "$CLAYER", 8, Type::Text, "0", "LAYER"},
    {"dimstyle", "$DIMSTYLE", 2, Type::Text, "Standard", "DIMSTYLE"},
    {"tilemode", "$TILEMODE", 70, Type::Integer, "1", nullptr},
};

const HeaderVariable* headerVariableNamed(const std::string& lower) {
  for (const HeaderVariable& v : kHeader) {
    if (lower == v.name) return &v;
  }
  return nullptr;
}

Variant defaultView(const std::string& lower) {
  if (lower == "viewctr") return host::toVariant({0, 0, 0});
  if (lower == "viewsize") return Variant(10.0);
  if (lower == "screensize") return host::makeArray({Variant(1024.0), Variant(768.0)});
  return Variant();
}

// A header variable of any name, typed by its first group code.
Variant fromHeader(const Document& d, const std::vector<Group>& groups) {
  if (groups.empty()) return Variant();
  const Group& g = groups.front();
  const Record values(groups);
  if (g.code == 10) return host::toVariant(readPoint(values, 10));
  if (g.code >= 40 && g.code < 60) return Variant(values.number(g.code));
  if ((g.code >= 60 && g.code < 100) || (g.code >= 170 && g.code < 300)) {
    return Variant(values.integer(g.code));
  }
  return Variant(d.decode(g.value));
}

std::u16string colorName(int color) {
  if (color == 256) return u"BYLAYER";
  if (color == 0) return u"BYBLOCK";
  return utf8ToUtf16(std::to_string(color));
}

int colorNumber(const Variant& v) {
  if (v.isNumber()) return v.toInt();
  const std::string text = lowerAscii(utf16ToUtf8(v.toString()));
  if (text == "bylayer") return 256;
  if (text == "byblock") return 0;
  return Variant(utf8ToUtf16(text)).toInt();
}

}  // namespace

Variant Document::getVariable(std::string_view name) {
  const std::string lower = lowerAscii(name);
  if (const auto it = variables_.find(lower); it != variables_.end()) return it->second;
  if (const HeaderVariable* v = headerVariableNamed(lower)) {
    const std::u16string value = headerString(v->variable, v->code, utf8ToUtf16(v->fallback));
    if (v->type == Type::Text) return Variant(value);
    const Record r({{v->code, utf16ToUtf8(value)}});
    return v->type == Type::Number ? Variant(r.number(v->code)) : Variant(r.integer(v->code));
  }
  if (lower == "cecolor") {
    const Record r({{62, utf16ToUtf8(headerString("$CECOLOR", 62, u"256"))}});
    return Variant(colorName(r.integer(62, 256)));
  }
  if (lower == "dimtxsty") {
    const Record* dimstyle = activeDimStyle();
    return Variant(dimstyle ? dimensionTextStyle(*dimstyle)
                            : headerString("$DIMTXSTY", 7, u"Standard"));
  }
  if (lower == "cvport") return Variant(getVariable("tilemode").toInt() == 1 ? 2 : 1);
  if (Variant view = defaultView(lower); !view.isEmpty()) return view;
  if (const auto groups = headerVariable(data_.header, "$" + std::string(name))) {
    return fromHeader(*this, *groups);
  }
  throw HostError(hr::kInvalidArg, "Unknown system variable: " + std::string(name));
}

void Document::setVariable(std::string_view name, const Variant& value) {
  const std::string lower = lowerAscii(name);
  if (const HeaderVariable* v = headerVariableNamed(lower)) {
    std::u16string text;
    if (v->type == Type::Text) {
      text = value.toString();
      if (v->table && !hasEntry(v->table, text)) {
        throw HostError(hr::kInvalidArg, "SetVariable " + std::string(name) + ": no entry named " +
                                             utf16ToUtf8(text));
      }
    } else if (v->type == Type::Number) {
      const double number = value.toDouble();
      if (lower == "textsize" && !(number > 0))
        throw HostError(hr::kInvalidArg, "TEXTSIZE must be positive");
      text = utf8ToUtf16(formatNumber(number));
    } else {
      text = utf8ToUtf16(std::to_string(value.toInt()));
    }
    setHeaderString(v->variable, v->code, text);
    return;
  }
  if (lower == "cecolor") {
    const int color = colorNumber(value);
    if (color < 0 || color > 256) throw HostError(hr::kInvalidArg, "CECOLOR must be 0 to 256");
    setHeaderString("$CECOLOR", 62, utf8ToUtf16(std::to_string(color)));
    return;
  }
  if (lower == "dimtxsty") {
    const std::u16string style = value.toString();
    if (!hasEntry("STYLE", style))
      throw HostError(hr::kInvalidArg, "DIMTXSTY: no text style named " + utf16ToUtf8(style));
    const Record* entry = tableEntry("STYLE", style);
    const std::string handle(entry ? entry->value(5) : std::string_view());
    if (Record* dimstyle = activeDimStyle(); dimstyle && dimstyle->has(340) && !handle.empty()) {
      if (Table* t = table("DIMSTYLE")) rememberTable(*t);
      dimstyle->set(340, handle);
    }
    setHeaderString("$DIMTXSTY", 7, style);
    return;
  }
  if (lower == "screensize") throw HostError(hr::kFail, "SCREENSIZE is read-only");
  journal_.remember(&variables_, [this, before = variables_] { variables_ = before; });
  variables_[lower] = value;
}

}  // namespace vrn::drawing
