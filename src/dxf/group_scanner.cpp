#include "dxf/group_scanner.h"

#include <algorithm>
#include <charconv>

#include "host/host_error.h"

namespace vrn::dxf {

GroupScanner::GroupScanner(std::string_view text, std::string fileName)
    : pos_(text.data()), end_(text.data() + text.size()), fileName_(std::move(fileName)) {}

bool GroupScanner::onlyBlanksFollow() const {
  return std::all_of(pos_, end_,
                     [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// A longer code ("1000") is nearly as quick: spaces, then digits, then the
// line end. Anything else takes the general path.
bool GroupScanner::otherCode(RawGroup& group) {
  const char* p = pos_;
  while (p != end_ && *p == ' ') ++p;
  int value = 0;
  const char* digits = p;
  while (p != end_ && *p >= '0' && *p <= '9' && p - digits < 6) value = value * 10 + (*p++ - '0');
  if (p != digits) {
    if (p != end_ && *p == '\r') ++p;
    if (p != end_ && *p == '\n') {
      pos_ = p + 1;
      ++line_;
      group.code = value;
      return true;
    }
  }
  std::string_view codeText = nextLine();
  while (!codeText.empty() && (codeText.front() == ' ' || codeText.front() == '\t'))
    codeText.remove_prefix(1);
  while (!codeText.empty() &&
         (codeText.back() == ' ' || codeText.back() == '\t' || codeText.back() == '\r')) {
    codeText.remove_suffix(1);
  }
  const char* codeEnd = codeText.data() + codeText.size();
  const auto [ptr, ec] = std::from_chars(codeText.data(), codeEnd, group.code);
  if (codeText.empty() || ec != std::errc() || ptr != codeEnd) {
    if (codeText.empty() && onlyBlanksFollow()) {
      pos_ = group.start;  // blank lines at the end belong to no record
      return false;
    }
    fail(group.line, "group code \"" + std::string(codeText.substr(0, 40)) + "\" is not a number");
  }
  return true;
}

bool GroupScanner::nextOfOtherForm(RawGroup& group) {
  if (pos_ == end_) return false;
  group.start = pos_;
  group.line = line_;
  if (drawing::quickDxfCode(pos_, end_, group.code)) {
    ++line_;
  } else if (!otherCode(group)) {
    return false;
  }
  if (pos_ == end_) {
    fail(group.line, "the file ends after group code " + std::to_string(group.code) +
                         " without its value (the file is truncated)");
  }
  group.value = nextLine();
  return true;
}

void GroupScanner::fail(std::size_t line, const std::string& message) const {
  throw host::HostError(host::hr::kFail,
                        fileName_ + ", line " + std::to_string(line) + ": " + message);
}

}  // namespace vrn::dxf
