#pragma once
// The string of a multi-line text. DXF splits it into group 3 chunks of 250
// bytes followed by a final group 1; the model joins them for reading and
// splits the encoded string again for writing.

#include <string>
#include <string_view>
#include <vector>

#include "drawing/record.h"
#include "drawing/text_codec.h"

namespace vrn::drawing {

inline constexpr std::size_t kMTextChunkBytes = 250;

// The encoded string: every group 3 in order, then group 1.
std::string joinMTextString(const Record& record);
// Chunks of at most kMTextChunkBytes that never cut a character of the
// drawing's encoding (`codec`), an escape or a caret notation. The last
// chunk goes to group 1.
std::vector<std::string> splitMTextString(std::string_view encoded, const TextCodec& codec);
// Replaces the record's group 3 chunks and group 1 with `encoded`.
void writeMTextString(Record& record, std::string_view encoded, const TextCodec& codec);

}  // namespace vrn::drawing
