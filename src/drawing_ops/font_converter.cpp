#include "drawing_ops/font_converter.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <stdexcept>

#include "ascii/blanks.h"
#include "ascii/letter_case.h"
#include "encoding/conversions.h"
#include "encoding/font_conversion.h"
#include "encoding/reversal.h"
#include "host/host_error.h"
#include "host/point.h"
#include "host/utf8.h"

namespace vrn::drawing_ops {
namespace {

using host::EntityType;
using host::Point3;
using host::Ref;

constexpr std::int32_t kAligned = 3;
constexpr std::int32_t kBackwardBit = 2;
constexpr std::int32_t kUpsideDownBit = 4;
constexpr std::u16string_view kParagraph = u"\\P";

bool isBlank(std::u16string_view s) { return trimBlanks(s).empty(); }

// The styles of the running walk whose font the user chose.
class StyleChoice {
 public:
  StyleChoice(std::vector<TstyleRec> styles, const std::vector<std::u16string>& fonts)
      : styles_(std::move(styles)) {
    for (const TstyleRec& style : styles_) {
      for (const std::u16string& font : fonts) {
        if (equalsIgnoringAsciiCase(style.Font, font)) selected_.push_back(&style);
      }
    }
    if (selected_.empty())
      throw std::invalid_argument("no text style of the drawing uses the fonts given");
  }

  const TstyleRec* selected(std::u16string_view styleName) const {
    for (const TstyleRec* style : selected_) {
      if (equalsIgnoringAsciiCase(style->stName, styleName)) return style;
    }
    return nullptr;
  }

  const TstyleRec& named(std::u16string_view styleName) const {
    for (const TstyleRec& style : styles_) {
      if (equalsIgnoringAsciiCase(style.stName, styleName)) return style;
    }
    throw std::invalid_argument("the drawing has no text style \"" +
                                utf16ToUtf8(std::u16string(styleName)) + "\" with a font file");
  }

 private:
  std::vector<TstyleRec> styles_;
  std::vector<const TstyleRec*> selected_;
};

Point3 pointOf(const Ref& e, std::string_view name) { return host::toPoint(e.get(name)); }

struct Box {
  Point3 lo;
  Point3 hi;
};

Box boundingBox(const Ref& e) {
  std::vector<host::Variant> corners(2);
  e.callByRef("GetBoundingBox", corners);
  return {host::toPoint(corners[0]), host::toPoint(corners[1])};
}

// What the converter may change on a single-line text, put back when the
// text fails halfway, so that no text stays partly converted.
class TextSnapshot {
 public:
  explicit TextSnapshot(const Ref& e)
      : e_(e),
        text_(e.get("TextString").toString()),
        style_(e.get("StyleName").toString()),
        rotation_(e.get("Rotation").toDouble()),
        flag_(e.get("TextGenerationFlag").toInt()),
        horizontal_(e.get("HorizontalAlignment").toInt()),
        alignment_(e.get("Alignment").toInt()),
        insertion_(pointOf(e, "InsertionPoint")),
        alignmentPoint_(pointOf(e, "TextAlignmentPoint")) {}

  void restore() const noexcept {
    attempt([&] { e_.put("TextString", text_); });
    attempt([&] { e_.put("StyleName", style_); });
    attempt([&] { e_.put("HorizontalAlignment", horizontal_); });
    attempt([&] { e_.put("Alignment", alignment_); });
    attempt([&] { e_.put("Rotation", rotation_); });
    attempt([&] { e_.put("TextGenerationFlag", flag_); });
    attempt([&] { e_.put("InsertionPoint", host::toVariant(insertion_)); });
    attempt([&] { e_.put("TextAlignmentPoint", host::toVariant(alignmentPoint_)); });
  }

  std::int32_t flag() const { return flag_; }

 private:
  template <class Step>
  static void attempt(Step step) noexcept {
    try {
      step();
    } catch (...) {  // NOLINT(bugprone-empty-catch): the other properties still go back
    }
  }

  Ref e_;
  std::u16string text_;
  std::u16string style_;
  double rotation_;
  std::int32_t flag_;
  std::int32_t horizontal_;
  std::int32_t alignment_;
  Point3 insertion_;
  Point3 alignmentPoint_;
};

void setAligned(const Ref& e) {
  try {
    e.put("HorizontalAlignment", kAligned);
    e.put("Alignment", kAligned);
  } catch (const host::HostError&) {
    // the points then go on the justification the text keeps
  }
}

double fullTurnAsZero(double a) { return std::abs(a / (2 * std::numbers::pi) - 1) < 1e-4 ? 0 : a; }

class Converter {
 public:
  Converter(const StyleChoice& styles, const TstyleRec& target, const ConvertRequest& request)
      : styles_(styles), target_(target), request_(request) {}

  TextOutcome operator()(const Ref& e, EntityType type) const {
    if (type == EntityType::MText) return convertMText(e);
    if (type == EntityType::Text || type == EntityType::Attribute) return convertText(e);
    return TextOutcome::NotCounted;
  }

 private:
  std::u16string converted(std::u16string_view t, const TstyleRec& r, bool backward) const {
    if (target_.StType == fntType::TrueType) {
      return encoding::AAcadToEditWin(t, {r.StType, backward}, request_.rightToLeft,
                                      request_.reverseTTF);
    }
    return encoding::ConvertFntTypeW(t, r.StType, backward, target_.StType, target_.cStBack);
  }

  TextOutcome convertText(const Ref& e) const {
    const std::u16string t = e.get("TextString").toString();
    const TstyleRec* r = styles_.selected(e.get("StyleName").toString());
    if (isBlank(t) || r == nullptr) return TextOutcome::Skipped;
    const bool backward = e.get("Backward").toBool() || r->cStBack;
    // Only a text already stored as the target stores it may just change style.
    if (r->StType == target_.StType && backward == target_.cStBack) {
      e.put("StyleName", target_.stName);
      return TextOutcome::Converted;
    }
    const TextSnapshot snapshot(e);
    try {
      refit(e, *r, backward, snapshot.flag(), converted(t, *r, backward));
    } catch (const host::HostError&) {
      snapshot.restore();
      throw;
    }
    return TextOutcome::Converted;
  }

  // Upside down stays as it was; backward comes from the target style.
  std::int32_t targetFlag(std::int32_t flag) const {
    return (flag & kUpsideDownBit) | (target_.cStBack ? kBackwardBit : 0);
  }

  void refit(const Ref& e, const TstyleRec& r, bool backward, std::int32_t flag,
             const std::u16string& text) const {
    const double a = fullTurnAsZero(e.get("Rotation").toDouble());
    const Point3 ip = pointOf(e, "InsertionPoint");
    if (a != 0) {
      e.call("Rotate", host::toVariant(ip), -a);
      const Point3 ip2 = pointOf(e, "InsertionPoint");
      const Point3 ap2 = pointOf(e, "TextAlignmentPoint");
      const Box box = boundingBox(e);
      const double d1 = std::hypot(ip.x - box.lo.x, ip.y - box.lo.y);
      const double d2 = std::hypot(ip.x - box.hi.x, ip.y - box.lo.y);
      const double s = backward || r.StType == fntType::DosEnglishR ? -1 : 1;
      const Point3 p1{ip.x + s * d1 * std::cos(a), ip.y + s * d1 * std::sin(a), ip.z};
      const Point3 p2{ip.x + s * d2 * std::cos(a), ip.y + s * d2 * std::sin(a), ip.z};
      const bool swapped = ap2.x != 0 && ap2.y != 0 && ap2.x <= ip2.x;
      e.put("TextString", text);
      e.put("StyleName", target_.stName);
      e.put("TextGenerationFlag", targetFlag(flag));
      setAligned(e);
      e.put("InsertionPoint", host::toVariant(swapped ? p2 : p1));
      e.put("TextAlignmentPoint", host::toVariant(swapped ? p1 : p2));
      return;
    }
    Box box = boundingBox(e);
    setAligned(e);
    if (backward || flag != 0 || r.StType == fntType::DosEnglishR) {
      box.hi.y = box.lo.y;
      e.put("TextAlignmentPoint", host::toVariant(box.hi));
      e.put("InsertionPoint", host::toVariant(box.lo));
    } else {
      box.hi.y = pointOf(e, "InsertionPoint").y;
      e.put("TextAlignmentPoint", host::toVariant(box.hi));
    }
    e.put("StyleName", target_.stName);
    e.put("TextString", text);
    e.put("TextGenerationFlag", targetFlag(flag));
  }

  TextOutcome convertMText(const Ref& e) const {
    const std::u16string t = e.get("TextString").toString();
    const TstyleRec* r = styles_.selected(e.get("StyleName").toString());
    if (isBlank(t) || r == nullptr) return TextOutcome::Skipped;
    if (r->StType == target_.StType && r->cStBack == target_.cStBack) return TextOutcome::Skipped;
    auto paragraphs = plainParagraphs(t);
    if (!paragraphs) return TextOutcome::Skipped;
    for (std::u16string& paragraph : *paragraphs) paragraph = converted(paragraph, *r, r->cStBack);
    e.put("TextString", joinParagraphs(*paragraphs));
    try {
      e.put("StyleName", target_.stName);
    } catch (const host::HostError&) {
      e.put("TextString", t);
      throw;
    }
    return TextOutcome::Converted;
  }

  const StyleChoice& styles_;
  const TstyleRec& target_;
  ConvertRequest request_;
};

class Remapper {
 public:
  Remapper(const StyleChoice& styles, const RemapRequest& request)
      : styles_(styles), request_(request) {}

  TextOutcome operator()(const Ref& e, EntityType type) const {
    if (type != EntityType::MText && type != EntityType::Text && type != EntityType::Attribute) {
      return TextOutcome::NotCounted;
    }
    const std::u16string t = e.get("TextString").toString();
    const TstyleRec* r = styles_.selected(e.get("StyleName").toString());
    if (isBlank(t) || r == nullptr) return TextOutcome::Skipped;
    if (type != EntityType::MText) {
      e.put("TextString", remapped(t, *r));
      return TextOutcome::Converted;
    }
    auto paragraphs = plainParagraphs(t);
    if (!paragraphs) return TextOutcome::Skipped;
    for (std::u16string& paragraph : *paragraphs) paragraph = remapped(paragraph, *r);
    e.put("TextString", joinParagraphs(*paragraphs));
    return TextOutcome::Converted;
  }

 private:
  std::u16string remapped(std::u16string_view t, const TstyleRec& r) const {
    std::u16string out = encoding::RemapLetters(t, r.StType, request_.to);
    return request_.reverse ? encoding::RevStrW(std::move(out)) : out;
  }

  const StyleChoice& styles_;
  RemapRequest request_;
};

void regenerate(const Ref& document) { document.call("Regen", std::int32_t{1}); }

}  // namespace

std::vector<TstyleRec> loadStyles(const Ref& document, const FontTypeOf& typeOf) {
  std::vector<TstyleRec> styles;
  const Ref collection = document.obj("TextStyles");
  const std::int32_t count = collection.get("count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    TstyleRec rec;
    rec.style = collection.call("item", i).toObject();
    rec.stName = rec.style.get("Name").toString();
    rec.Font = rec.style.get("FontFile").toString();
    if (isBlank(rec.stName) || isBlank(rec.Font)) continue;
    rec.Width = rec.style.get("Width").toDouble();
    rec.cStBack = rec.style.get("TextGenerationFlag").toInt() == kBackwardBit;
    rec.StType = typeOf(rec.Font);
    styles.push_back(std::move(rec));
  }
  return styles;
}

TextHandler fontConversionHandler(const Ref& document, const FontTypeOf& typeOf,
                                  const ConvertRequest& request) {
  auto styles = std::make_shared<const StyleChoice>(loadStyles(document, typeOf), request.fonts);
  const TstyleRec& target = styles->named(request.style);
  return [styles, converter = Converter(*styles, target, request)](const Ref& e, EntityType type) {
    return converter(e, type);
  };
}

TextHandler fontRemapHandler(const Ref& document, const FontTypeOf& typeOf,
                             const RemapRequest& request) {
  auto styles = std::make_shared<const StyleChoice>(loadStyles(document, typeOf), request.fonts);
  return [styles, remapper = Remapper(*styles, request)](const Ref& e, EntityType type) {
    return remapper(e, type);
  };
}

WalkTally convertFonts(const Ref& document, const FontTypeOf& typeOf, const ConvertRequest& request,
                       const WalkProgress& progress) {
  const WalkTally tally =
      walkTexts(document, fontConversionHandler(document, typeOf, request), progress);
  regenerate(document);
  return tally;
}

WalkTally remapFonts(const Ref& document, const FontTypeOf& typeOf, const RemapRequest& request,
                     const WalkProgress& progress) {
  const WalkTally tally =
      walkTexts(document, fontRemapHandler(document, typeOf, request), progress);
  regenerate(document);
  return tally;
}

std::optional<std::vector<std::u16string>> plainParagraphs(std::u16string_view stored) {
  std::u16string s(stored);
  if (s.size() >= 2 && s.starts_with(u"{\\")) {
    const auto semicolon = s.find(u';');
    if (semicolon != std::u16string::npos) {
      s.erase(0, semicolon + 1);
      if (s.ends_with(u'}')) s.pop_back();
    }
  }
  std::vector<std::u16string> paragraphs;
  std::size_t from = 0;
  for (std::size_t at = s.find(kParagraph); at != std::u16string::npos;
       at = s.find(kParagraph, from)) {
    paragraphs.push_back(s.substr(from, at - from));
    from = at + kParagraph.size();
  }
  paragraphs.push_back(s.substr(from));
  for (const std::u16string& paragraph : paragraphs) {
    if (paragraph.find_first_of(u"\\{}") != std::u16string::npos) return std::nullopt;
  }
  return paragraphs;
}

std::u16string joinParagraphs(const std::vector<std::u16string>& paragraphs) {
  std::u16string out;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) out += kParagraph;
    out += paragraphs[i];
  }
  return out;
}

}  // namespace vrn::drawing_ops
