#include "drawing/record.h"

#include <algorithm>
#include <charconv>

#include "ascii/blanks.h"
#include "drawing/dxf_lines.h"
#include "drawing/plain_decimal.h"

namespace vrn::drawing {
namespace {

// The groups of a record's original text, one at a time. The DXF reader
// has checked that text (every code a number, every code with its value)
// and cut it into lines the same way, so this need not check again.
class GroupCursor {
 public:
  explicit GroupCursor(std::string_view text)
      : pos_(text.data()), end_(text.data() + text.size()) {}

  bool next(int& code, std::string_view& value) {
    if (pos_ == end_) return false;
    if (!quickDxfCode(pos_, end_, code)) {
      const std::string_view codeLine = trimBlanks(nextDxfLine(pos_, end_));
      std::from_chars(codeLine.data(), codeLine.data() + codeLine.size(), code);
    }
    value = nextDxfLine(pos_, end_);
    return true;
  }

 private:
  const char* pos_;
  const char* end_;
};

// A number as DXF writes it: blanks around it and a leading '+' allowed, no
// locale; anything else reads as `fallback`.
template <class Number>
Number parsed(std::string_view text, Number fallback) {
  text = trimBlanks(text);
  if (text.empty()) return fallback;
  Number result = fallback;
  const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), result);
  return ec == std::errc() ? result : fallback;
}

}  // namespace

Record::Record(const Record& other)
    : codes_(other.codes_),
      buffer_(other.buffer_),
      originalData_(other.originalData_),
      originalSize_(other.originalSize_),
      split_(other.split_ && other.changed()),
      stringAt_(other.stringAt_) {
  if (split_ && other.parts_) parts_ = std::make_unique<Parts>(Parts{{}, other.parts_->groups});
}

Record& Record::operator=(const Record& other) {
  if (this != &other) *this = Record(other);
  return *this;
}

Record::Parts& Record::parts() const {
  if (!parts_) parts_ = std::make_unique<Parts>();
  return *parts_;
}

const std::vector<Record::GroupAt>& Record::places() const {
  if (!noted()) {
    std::vector<GroupAt> places;
    GroupCursor cursor(original());
    int code = 0;
    std::string_view value;
    while (cursor.next(code, value)) {
      places.push_back({code, static_cast<std::uint32_t>(value.data() - originalData_),
                        static_cast<std::uint32_t>(value.size())});
    }
    parts().places = std::move(places);
  }
  return parts_->places;
}

const std::vector<Group>& Record::splitGroups() const {
  if (!split_) {
    std::vector<Group> groups;
    // Room for the few groups an edit adds, without doubling the vector.
    groups.reserve(places().size() + kRoomForAddedGroups);
    for (const GroupAt& at : places()) groups.push_back({at.code, std::string(valueAt(at))});
    parts_->places = std::vector<GroupAt>();  // frees them, where = {} would keep the room
    parts_->groups = std::move(groups);
    split_ = true;
  }
  return parts().groups;
}

// Views into the buffer taken before a change stay valid: the buffer is
// kept until the record goes.
std::vector<Group>& Record::edit() {
  groups();
  originalData_ = nullptr;
  originalSize_ = 0;
  return parts_->groups;
}

// The type and handle (the first two groups) are asked of every record at
// load, and a listing reads little more of a text than its string, once: a
// scan of the text answers those without noting where every group lies,
// which would cost memory for each record. A record read further notes
// them, once.
Record::Scan Record::scanText(int code, std::size_t from, std::size_t& index,
                              std::string_view& value) const {
  if (split_ || noted()) return Scan::Unanswered;
  if (knownAbsent(code)) return Scan::Absent;
  GroupCursor cursor(original());
  int groupCode = 0;
  for (std::size_t i = 0; cursor.next(groupCode, value); ++i) {
    if (i == kHeadGroups) {
      if (scans_ == kScansBeforeNoting) return Scan::Unanswered;
      ++scans_;
    }
    if (i >= from && groupCode == code) {
      index = i;
      return Scan::Found;
    }
  }
  return Scan::Absent;
}

std::string_view Record::type() const { return value(0); }

std::size_t Record::find(int code, std::size_t from) const {
  std::string_view value;
  return locate(code, from, value);
}

std::size_t Record::locate(int code, std::size_t from, std::string_view& value) const {
  std::size_t index = npos;
  switch (scanText(code, from, index, value)) {
    case Scan::Found:
      return index;
    case Scan::Absent:
      return npos;
    case Scan::Unanswered:
      break;
  }
  if (!split_) {
    const auto& at = places();
    for (std::size_t i = from; i < at.size(); ++i) {
      if (at[i].code == code) {
        value = valueAt(at[i]);
        return i;
      }
    }
    return npos;
  }
  const auto& split = groups();
  for (std::size_t i = from; i < split.size(); ++i) {
    if (split[i].code == code) {
      value = split[i].value;
      return i;
    }
  }
  return npos;
}

std::string_view Record::value(int code, std::string_view fallback) const {
  std::string_view value;
  if (code == 1 && !split_ && stringAt_ != kStringAtUnknown) {
    int stringCode = 0;
    GroupCursor(original().substr(stringAt_)).next(stringCode, value);
    return value;
  }
  return locate(code, 0, value) == npos ? fallback : value;
}

std::array<std::string_view, 3> Record::pointValues(int code) const {
  std::array<std::string_view, 3> values;
  if (!split_ && !noted()) {  // the scan of the text answers, and notes the places in time
    for (std::size_t k = 0; k < values.size(); ++k)
      values[k] = value(code + 10 * static_cast<int>(k));
    return values;
  }
  unsigned missing = 0b111;
  const auto take = [&](int groupCode, std::string_view value) {
    const int offset = groupCode - code;
    if (offset < 0 || offset > 20 || offset % 10 != 0) return;
    const unsigned bit = 1U << (offset / 10);
    if ((missing & bit) == 0) return;  // the first group of a code counts
    values[static_cast<std::size_t>(offset / 10)] = value;
    missing &= ~bit;
  };
  if (split_) {
    for (const Group& g : groups()) {
      take(g.code, g.value);
      if (missing == 0) break;
    }
  } else {
    for (const GroupAt& at : places()) {
      take(at.code, valueAt(at));
      if (missing == 0) break;
    }
  }
  return values;
}

double parseNumber(std::string_view text, double fallback) {
  double value = 0;
  return readPlainDecimal(text, value) ? value : parsed(text, fallback);
}

double Record::number(int code, double fallback) const {
  return parseNumber(value(code), fallback);
}

std::int32_t Record::integer(int code, std::int32_t fallback) const {
  return parsed(value(code), fallback);
}

void Record::set(int code, std::string value, std::initializer_list<int> before) {
  const std::size_t at = find(code);
  if (at != npos) {
    if (groups()[at].value != value) edit()[at].value = std::move(value);
    return;
  }
  auto& groups = edit();
  auto pos = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
    return std::find(before.begin(), before.end(), g.code) != before.end();
  });
  groups.insert(pos, Group{code, std::move(value)});
}

class Record::GroupWalk {
 public:
  explicit GroupWalk(const Record& record)
      : split_(record.split_ ? &record.groups() : nullptr), cursor_(record.original()) {}

  bool next(int& code, std::string_view& value) {
    if (!split_) return cursor_.next(code, value);
    if (at_ == split_->size()) return false;
    code = (*split_)[at_].code;
    value = (*split_)[at_++].value;
    return true;
  }

 private:
  const std::vector<Group>* split_;
  std::size_t at_ = 0;
  GroupCursor cursor_;
};

bool Record::sameGroups(const Record& other) const {
  if (!changed() && originalData_ == other.originalData_ && originalSize_ == other.originalSize_) {
    return true;
  }
  if (split_ && other.split_) return groups() == other.groups();
  GroupWalk mine(*this);
  GroupWalk theirs(other);
  int myCode = 0;
  int theirCode = 0;
  std::string_view myValue;
  std::string_view theirValue;
  for (;;) {
    const bool more = mine.next(myCode, myValue);
    if (more != theirs.next(theirCode, theirValue)) return false;
    if (!more) return true;
    if (myCode != theirCode || myValue != theirValue) return false;
  }
}

void Record::erase(int code) {
  if (!has(code)) return;
  std::erase_if(edit(), [code](const Group& g) { return g.code == code; });
}

std::string formatNumber(double value) {
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, ptr);
  // DXF readers expect a decimal point in a real value.
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

}  // namespace vrn::drawing
