// The C locale: its point, and the shortest digits that read back alike.

#include "platform/number_text.h"

#include <optional>

#include "platform/general_number_format.h"

namespace vrn::platform {

std::u16string userNumberText(double value) { return generalNumberText(value, std::nullopt, u'.'); }

}  // namespace vrn::platform
