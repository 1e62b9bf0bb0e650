#include "drawing/header_variables.h"

#include "ascii/letter_case.h"
#include "host/member_table.h"

namespace vrn::drawing {
namespace {

std::size_t findName(const Record& header, std::string_view name) {
  const auto& groups = header.groups();
  const std::string wanted = lowerAscii(name);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code == 9 && lowerAscii(groups[i].value) == wanted) return i;
  }
  return Record::npos;
}

std::size_t endOfValues(const Record& header, std::size_t at) {
  std::size_t end = at + 1;
  while (end < header.groups().size() && header.groups()[end].code != 9) ++end;
  return end;
}

}  // namespace

std::optional<std::vector<Group>> headerVariable(const Record& header, std::string_view name) {
  const std::size_t at = findName(header, name);
  if (at == Record::npos) return std::nullopt;
  const auto& groups = header.groups();
  return std::vector<Group>(groups.begin() + static_cast<std::ptrdiff_t>(at + 1),
                            groups.begin() + static_cast<std::ptrdiff_t>(endOfValues(header, at)));
}

std::string headerValue(const Record& header, std::string_view name, int code,
                        std::string_view fallback) {
  const auto values = headerVariable(header, name);
  if (values) {
    for (const Group& g : *values) {
      if (g.code == code) return g.value;
    }
  }
  return std::string(fallback);
}

void setHeaderValue(Record& header, std::string_view name, int code, std::string value) {
  const std::size_t at = findName(header, name);
  if (at == Record::npos) {
    auto& groups = header.edit();
    groups.push_back(Group{9, std::string(name)});
    groups.push_back(Group{code, std::move(value)});
    return;
  }
  const std::size_t end = endOfValues(header, at);
  for (std::size_t i = at + 1; i < end; ++i) {
    if (header.groups()[i].code == code) {
      if (header.groups()[i].value != value) header.edit()[i].value = std::move(value);
      return;
    }
  }
  auto& groups = header.edit();
  groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(end), Group{code, std::move(value)});
}

}  // namespace vrn::drawing
