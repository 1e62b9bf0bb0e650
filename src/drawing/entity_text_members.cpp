// Single-line texts, attributes and attribute definitions: the text
// members and their justification (see text_layout.h for the rule).

#include <cmath>
#include <numbers>

#include "drawing/entity_object.h"
#include "host/host_error.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Point3;
using host::Variant;
namespace hr = host::hr;

constexpr double kDegree = std::numbers::pi / 180;

// AutoCAD's combined Alignment codes 0..14 as horizontal and vertical codes.
constexpr Justification kAlignments[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0},
                                         {5, 0}, {0, 3}, {1, 3}, {2, 3}, {0, 2},
                                         {1, 2}, {2, 2}, {0, 1}, {1, 1}, {2, 1}};

bool isText(const EntityObject& e) { return e.kind() == EntityKind::Text; }

// The groups of AcDbText, and for R12 records (no markers) of the whole entity.
const GroupPlace& textPlace(const EntityObject& e) {
  static const GroupPlace text{
      "AcDbText", {10, 20, 30, 40, 1, 50, 41, 51, 7, 71, 72, 11, 21, 31, 210, 220, 230, 73}};
  static const GroupPlace attribute{"AcDbText", {10, 20, 30, 40, 1,  3,  2,  70,  73,  50,  41,
                                                 51, 7,  71, 72, 11, 21, 31, 210, 220, 230, 74}};
  return isText(e) ? text : attribute;
}

// Tag, prompt and the vertical justification of attributes live in their
// own subclass; a text's vertical justification after its second AcDbText.
const GroupPlace& ownPlace(const EntityObject& e) {
  static const GroupPlace text{"AcDbText", {73}, true};
  static const GroupPlace attribute{"AcDbAttribute", {280, 2, 70, 73, 74}};
  static const GroupPlace definition{"AcDbAttributeDefinition", {280, 3, 2, 70, 73, 74}};
  if (!e.document().hasSubclassMarkers()) return textPlace(e);
  if (isText(e)) return text;
  return e.kind() == EntityKind::Attribute ? attribute : definition;
}

int verticalCode(const EntityObject& e) { return isText(e) ? 73 : 74; }

// Read apart from the rest of the line: most callers need no more, and the
// line's width needs the string decoded.
Justification justificationOf(const EntityObject& e) {
  const Record& r = e.record();
  return {r.integer(72), r.integer(verticalCode(e))};
}

TextLine lineOf(const EntityObject& e) {
  const Record& r = e.record();
  TextLine line;
  line.characters = countCharacters(e.text(1));
  line.height = r.number(40);
  line.widthFactor = r.number(41, 1);
  line.rotation = r.number(50) * kDegree;
  line.justification = justificationOf(e);
  return line;
}

double distance2d(const Point3& a, const Point3& b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool anchoredAtAlignmentPoint(const Justification& j) {
  return !j.anchoredAtInsertion() && !j.spansPoints();
}

// The insertion point. A justified text whose string was rewritten still
// holds the first point computed for the old string: its insertion point is
// that one, moved by the estimated change of width, so that a change of the
// same length leaves it where AutoCAD put it.
Point3 insertionPointOf(const EntityObject& e) {
  const Point3 stored = readPoint(e.record(), 10);
  const std::uint32_t fitted = e.entity()->fittedCharacters;
  if (fitted == Entity::kFitsString) return stored;
  const TextLine now = lineOf(e);
  TextLine before = now;
  before.characters = fitted;
  return insertionFromAnchor(now, anchorFromInsertion(before, stored));
}

// The anchor of a justified text stays; its insertion point follows the extent.
void refit(EntityObject& e) {
  const TextLine line = lineOf(e);
  e.entity()->fittedCharacters = Entity::kFitsString;
  if (!anchoredAtAlignmentPoint(line.justification)) return;
  const Point3 insertion = insertionFromAnchor(line, readPoint(e.record(), 11));
  placePoint(e.record(), 10, insertion, textPlace(e));
}

// Writing the string changes group 1 alone: the alignment point and the
// first point stay as they are, and what needs the width (the insertion
// point, the bounding box) is derived when asked for.
void setTextString(EntityObject& e, std::u16string_view text) {
  const std::string encoded = e.document().encode(text);
  const std::size_t characters = countCharacters(e.text(1));
  const bool justified = anchoredAtAlignmentPoint(justificationOf(e));
  e.change([&](Record& r) {
    const std::string before(r.value(1));
    placeGroup(r, 1, encoded, textPlace(e));
    std::uint32_t& fitted = e.entity()->fittedCharacters;
    if (justified && fitted == Entity::kFitsString && r.value(1) != before) {
      fitted = static_cast<std::uint32_t>(characters);
    }
  });
}

// A text read from a file keeps the insertion point its program computed
// until something that moves it really changes.
template <class Edit>
void changeText(EntityObject& e, Edit edit) {
  e.change([&](Record& r) {
    const Record before = r;
    edit(r);
    if (!r.sameGroups(before)) refit(e);
  });
}

void setJustification(EntityObject& e, Justification wanted) {
  if (wanted.horizontal < 0 || wanted.horizontal > 5 || wanted.vertical < 0 ||
      wanted.vertical > 3) {
    throw HostError(hr::kInvalidArg, "Invalid justification");
  }
  if (wanted.horizontal >= 3) wanted.vertical = 0;
  const Justification current = justificationOf(e);
  if (current.horizontal == wanted.horizontal && current.vertical == wanted.vertical) return;
  const Point3 insertion = insertionPointOf(e);
  e.change([&](Record& r) {
    const TextLine before = lineOf(e);
    const bool atInsertion =
        before.justification.anchoredAtInsertion() || before.justification.spansPoints();
    const Point3 anchor = atInsertion ? insertion : readPoint(r, 11);
    const double width = before.justification.spansPoints() && r.has(11)
                             ? distance2d(insertion, readPoint(r, 11))
                             : before.width();
    placeInteger(r, 72, wanted.horizontal, textPlace(e));
    placeInteger(r, verticalCode(e), wanted.vertical, ownPlace(e));
    if (wanted.anchoredAtInsertion()) {
      placePoint(r, 10, anchor, textPlace(e));
    } else if (wanted.spansPoints()) {
      const Point3 end{insertion.x + width * std::cos(before.rotation),
                       insertion.y + width * std::sin(before.rotation), insertion.z};
      placePoint(r, 10, insertion, textPlace(e));
      placePoint(r, 11, end, textPlace(e));
    } else {
      placePoint(r, 11, anchor, textPlace(e));
    }
    refit(e);
  });
}

int alignmentOf(const EntityObject& e) {
  const Justification j = justificationOf(e);
  for (int i = 0; i < 15; ++i) {
    const Justification& k = kAlignments[i];
    if (k.horizontal == j.horizontal && (j.horizontal >= 3 || k.vertical == j.vertical)) return i;
  }
  return 0;
}

double positive(const Variant& v, const char* what) {
  const double value = v.toDouble();
  if (!(value > 0)) throw HostError(hr::kInvalidArg, std::string(what) + " must be positive");
  return value;
}

// Aligned and fit texts take their rotation from their two points.
void followSpan(EntityObject& e, Record& r) {
  if (!r.has(11)) return;
  const Point3 start = readPoint(r, 10);
  const Point3 end = readPoint(r, 11);
  if (distance2d(start, end) == 0) return;
  const double degrees = std::atan2(end.y - start.y, end.x - start.x) / kDegree;
  placeNumber(r, 50, std::fmod(degrees + 360, 360), textPlace(e));
}

void setInsertionPoint(EntityObject& e, const Point3& p) {
  const Justification j = justificationOf(e);
  if (j.anchoredAtInsertion() || j.spansPoints()) {
    e.change([&](Record& r) {
      placePoint(r, 10, p, textPlace(e));
      if (j.spansPoints()) followSpan(e, r);
    });
    return;
  }
  // A justified text moves as a whole, so that its insertion point lands on p.
  e.move(insertionPointOf(e), p);
}

void setAlignmentPoint(EntityObject& e, const Point3& p) {
  const Justification j = justificationOf(e);
  changeText(e, [&](Record& r) {
    placePoint(r, 11, p, textPlace(e));
    if (j.spansPoints()) followSpan(e, r);
  });
}

void setRotation(EntityObject& e, double radians) {
  const Justification j = justificationOf(e);
  changeText(e, [&](Record& r) {
    placeNumber(r, 50, radians / kDegree, textPlace(e));
    if (j.spansPoints() && r.has(11)) {
      const Point3 start = readPoint(r, 10);
      const double width = distance2d(start, readPoint(r, 11));
      placePoint(
          r, 11,
          {start.x + width * std::cos(radians), start.y + width * std::sin(radians), start.z},
          textPlace(e));
    }
  });
}

void addFlag(EntityTable& t, const char* name, int bit) {
  t.get(name, [bit](EntityObject& e) {
     return Variant((e.record().integer(71) & bit) != 0);
   }).put(name, [bit](EntityObject& e, const Variant& v) {
    const int flags = e.record().integer(71);
    const int next = v.toBool() ? flags | bit : flags & ~bit;
    e.change([&](Record& r) { placeInteger(r, 71, next, textPlace(e)); });
  });
}

}  // namespace

Box textBoundingBox(const EntityObject& e) {
  const TextLine line = lineOf(e);
  const Record& r = e.record();
  if (line.justification.spansPoints() && r.has(11)) {
    const Point3 start = readPoint(r, 10);
    const Point3 end = readPoint(r, 11);
    if (distance2d(start, end) > 0) {
      return textBox(start, distance2d(start, end), line.height,
                     std::atan2(end.y - start.y, end.x - start.x));
    }
  }
  const Point3 insertion =
      line.justification.anchoredAtInsertion() || line.justification.spansPoints()
          ? readPoint(r, 10)
          : insertionFromAnchor(line, readPoint(r, 11));
  return textBox(insertion, line.width(), line.height, line.rotation);
}

void addTextMembers(EntityTable& t, EntityKind kind) {
  t.get("TextString", [](EntityObject& e) { return Variant(e.text(1)); })
      .put("TextString", [](EntityObject& e, const Variant& v) { setTextString(e, v.toString()); })
      .get("StyleName", [](EntityObject& e) { return Variant(e.styleName(7)); })
      .put("StyleName",
           [](EntityObject& e, const Variant& v) {
             e.setTableReference(7, v.toString(), "STYLE", "text style", textPlace(e));
           })
      .get("Height", [](EntityObject& e) { return Variant(e.record().number(40)); })
      .put("Height",
           [](EntityObject& e, const Variant& v) {
             const double h = positive(v, "Height");
             changeText(e, [&](Record& r) { placeNumber(r, 40, h, textPlace(e)); });
           })
      .get("ScaleFactor", [](EntityObject& e) { return Variant(e.record().number(41, 1)); })
      .put("ScaleFactor",
           [](EntityObject& e, const Variant& v) {
             const double f = positive(v, "ScaleFactor");
             changeText(e, [&](Record& r) { placeNumber(r, 41, f, textPlace(e)); });
           })
      .get("Rotation", [](EntityObject& e) { return Variant(e.record().number(50) * kDegree); })
      .put("Rotation", [](EntityObject& e, const Variant& v) { setRotation(e, v.toDouble()); })
      .get("ObliqueAngle", [](EntityObject& e) { return Variant(e.record().number(51) * kDegree); })
      .put("ObliqueAngle",
           [](EntityObject& e, const Variant& v) {
             const double degrees = v.toDouble() / kDegree;
             e.change([&](Record& r) { placeNumber(r, 51, degrees, textPlace(e)); });
           })
      .get("InsertionPoint", [](EntityObject& e) { return host::toVariant(insertionPointOf(e)); })
      .put("InsertionPoint",
           [](EntityObject& e, const Variant& v) { setInsertionPoint(e, host::toPoint(v)); })
      .get("TextAlignmentPoint",
           [](EntityObject& e) {
             return host::toVariant(readPoint(e.record(), e.record().has(11) ? 11 : 10));
           })
      .put("TextAlignmentPoint",
           [](EntityObject& e, const Variant& v) { setAlignmentPoint(e, host::toPoint(v)); })
      .get("HorizontalAlignment",
           [](EntityObject& e) { return Variant(justificationOf(e).horizontal); })
      .put("HorizontalAlignment",
           [](EntityObject& e, const Variant& v) {
             setJustification(e, {v.toInt(), justificationOf(e).vertical});
           })
      .get("VerticalAlignment",
           [](EntityObject& e) { return Variant(justificationOf(e).vertical); })
      .put("VerticalAlignment",
           [](EntityObject& e, const Variant& v) {
             Justification j = justificationOf(e);
             j.vertical = v.toInt();
             // Aligned, middle and fit have no vertical justification of their own.
             if (j.horizontal >= 3 && j.vertical != 0) j.horizontal = 0;
             setJustification(e, j);
           })
      .get("Alignment", [](EntityObject& e) { return Variant(alignmentOf(e)); })
      .put("Alignment",
           [](EntityObject& e, const Variant& v) {
             const int code = v.toInt();
             if (code < 0 || code > 14) throw HostError(hr::kInvalidArg, "Invalid alignment");
             setJustification(e, kAlignments[code]);
           })
      .get("TextGenerationFlag", [](EntityObject& e) { return Variant(e.record().integer(71)); })
      .put("TextGenerationFlag", [](EntityObject& e, const Variant& v) {
        const int flags = v.toInt();
        e.change([&](Record& r) { placeInteger(r, 71, flags, textPlace(e)); });
      });
  addFlag(t, "Backward", 2);
  addFlag(t, "UpsideDown", 4);
  if (kind == EntityKind::Text) return;
  t.get("TagString", [](EntityObject& e) {
     return Variant(e.text(2));
   }).put("TagString", [](EntityObject& e, const Variant& v) {
    const std::u16string tag = v.toString();
    if (tag.empty() || tag.find(u' ') != std::u16string::npos) {
      throw HostError(hr::kInvalidArg, "A tag must not be empty or hold blanks");
    }
    e.setText(2, tag, ownPlace(e));
  });
  if (kind != EntityKind::AttributeDefinition) return;
  t.get("PromptString", [](EntityObject& e) {
     return Variant(e.text(3));
   }).put("PromptString", [](EntityObject& e, const Variant& v) {
    e.setText(3, v.toString(), ownPlace(e));
  });
}

}  // namespace vrn::drawing
