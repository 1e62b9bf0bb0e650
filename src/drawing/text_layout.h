#pragma once
// Text extents and justification: the geometry of texts, which the model
// needs for insertion points of justified texts and for bounding boxes.
//
// The extent rule. The built-in drawing has no fonts, so a text's extent is
// a fixed rule rather than measured glyphs: every character (Unicode code
// point of the stored text) is a cell of `height × widthFactor` wide and
// `height` tall, standing on the baseline; there are no descenders, so the
// bottom and the baseline coincide. The box is turned by the rotation about
// the insertion point. Backward and upside-down flags do not change it.
// Multi-line text: lines end at "\P"; the box is as wide as the reference
// width when that is set, else as the longest line; its height is one
// text height plus 5/3 of it for every further line.
//
// Justification (single-line text and attributes). A left, baseline text is
// anchored at its insertion point. Any other is anchored at its alignment
// point, and the insertion point (the left end of the baseline) follows
// from the extent. Aligned (3) and fit (5) span the insertion point and the
// alignment point: the text's width and rotation are theirs. Writing a
// justified text's string moves neither point in the record: the first
// point (group 10) stays as its program computed it with real fonts, and
// the insertion point is read as that point moved by the estimated change
// of width; a change of height, width factor, rotation or justification
// fits the first point anew from the estimate.

#include <cstddef>
#include <string_view>

#include "host/point.h"

namespace vrn::drawing {

// The width of one character cell as a share of height × width factor.
inline constexpr double kCharWidthRatio = 1.0;
// Multi-line text: the distance between baselines as a share of the height.
inline constexpr double kLineSpacingRatio = 5.0 / 3.0;

struct Box {
  host::Point3 min;
  host::Point3 max;
};

// Horizontal codes 0 left, 1 center, 2 right, 3 aligned, 4 middle, 5 fit;
// vertical 0 baseline, 1 bottom, 2 middle, 3 top.
struct Justification {
  int horizontal = 0;
  int vertical = 0;
  bool anchoredAtInsertion() const { return horizontal == 0 && vertical == 0; }
  bool spansPoints() const { return horizontal == 3 || horizontal == 5; }
};

struct TextLine {
  std::size_t characters = 0;
  double height = 0;
  double widthFactor = 1;
  double rotation = 0;  // radians
  Justification justification;

  double width() const;
};

std::size_t countCharacters(std::u16string_view text);

// The insertion point of a text anchored at `anchor` (not for aligned/fit).
host::Point3 insertionFromAnchor(const TextLine& line, const host::Point3& anchor);
// The anchor of a text whose insertion point is `insertion`.
host::Point3 anchorFromInsertion(const TextLine& line, const host::Point3& insertion);

// The box of a single-line text whose baseline starts at `insertion` and is
// `width` long (the aligned/fit texts pass the span of their points).
Box textBox(const host::Point3& insertion, double width, double height, double rotation);

// Multi-line text: `attachment` 1..9 (top left .. bottom right).
Box mtextBox(const host::Point3& insertion, std::u16string_view text, double height,
             double referenceWidth, double rotation, int attachment);

host::Point3 rotateAbout(const host::Point3& p, const host::Point3& base, double angle);
Box boxOf(const host::Point3* points, std::size_t count);

}  // namespace vrn::drawing
