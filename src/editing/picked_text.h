#pragma once
// rstrec: one text picked for an operation on many texts at once (text to
// MTEXT, find and replace), and the order in which such texts are shown:
// as they stand on the sheet, top to bottom and right to left.

#include <string>
#include <vector>

#include "encoding/font_type.h"
#include "host/ref.h"
#include "host/variant.h"

namespace vrn::editing {

struct rstrec {
  double x = 0, y = 0, z = 0;
  double xl = 0, yl = 0, zl = 0;
  double xr = 0, yr = 0, zr = 0;
  fntType cStType = fntType::DosHebrew;
  bool cStBack = false;
  fntType cStType2 = fntType::DosHebrew;
  bool cStBack2 = false;
  host::Ref obj;
  double h = 0;
  std::u16string fntname, txt, s, st;
  bool hupdate = false;
  bool Update = false;
};

// Texts whose Y values lie less than this apart stand on one row.
inline constexpr double kRowTolerance = 0.001;

// Rows from the top: the highest text not yet placed opens a row, which
// takes every text less than the tolerance below it; within a row, larger
// X first (ties keep the pick order). A fixed grouping rather than a
// comparison with tolerance, which would not be a strict weak order.
void sortAsOnSheet(std::vector<rstrec>& records);

// The filter of SelectOnScreen for entity names ("Text", "Text,INSERT").
host::Variant entityNameFilterTypes();
host::Variant entityNameFilterValues(const char16_t* names);

}  // namespace vrn::editing
