#include "host/member_table.h"

namespace vrn::host {

void requireArgs(std::span<Variant> args, std::size_t min, std::size_t max,
                 std::string_view member) {
  if (args.size() < min || args.size() > max) {
    throw HostError(hr::kBadParamCount, "Wrong number of arguments for " + std::string(member));
  }
}

}  // namespace vrn::host
