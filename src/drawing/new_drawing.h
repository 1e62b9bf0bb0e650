#pragma once
// The drawing that Documents.Add starts from: an AC1032 (AutoCAD 2018)
// drawing with layer "0", text style "Standard", dimension style
// "Standard", the model and paper space block records and their blocks,
// and no entities.

#include "drawing/drawing_data.h"

namespace vrn::drawing {

DrawingData makeEmptyDrawing();

}  // namespace vrn::drawing
