#pragma once
// writeDxf: DrawingData back to ASCII DXF text.
//
// A record that nothing changed is copied from the file it was read from;
// a changed or new one is written from its groups (the code right-justified
// in three columns, as AutoCAD writes it, then the value, each followed by
// the drawing's line end). Erased entities are left out. When $HANDSEED is
// not above every handle, the header is written with a seed above them. The
// bytes the file had before its first group and from its EOF group on are
// written as read; a drawing without them ends with a new EOF group.

#include <functional>
#include <string>
#include <string_view>

#include "drawing/drawing_data.h"

namespace vrn::dxf {

// Hands the text to `sink` in pieces of about a megabyte, in order.
void writeDxf(const drawing::DrawingData& data, const std::function<void(std::string_view)>& sink);

// The whole text at once.
std::string dxfText(const drawing::DrawingData& data);

}  // namespace vrn::dxf
