#pragma once
// A stored MTEXT string in reading order: its Unicode escapes decoded, its
// leading format group dropped, each paragraph converted with the Windows
// routine of the given font state, paragraphs joined by a line feed.

#include <string>
#include <string_view>

#include "encoding/font_state.h"

namespace vrn::editing {

std::u16string mtextInReadingOrder(std::u16string_view stored, encoding::FontState font);

}  // namespace vrn::editing
