#pragma once
// Record: the groups of one drawing object (an entity, a table record, a
// header or an opaque section) as DXF names them, code by code.
//
// The model keeps every object as its record, so nothing it does not
// interpret is ever lost: a property of the model is a view of one or more
// groups (TextString is group 1, InsertionPoint groups 10/20/30 ...), and a
// change rewrites just those groups in place.
//
// Values are kept as the file's bytes, undecoded: numbers as they were
// written (so an unchanged 0.0 is not rewritten as 0), strings in the
// drawing's encoding (see TextCodec). A record read from a file also keeps a
// view of its exact text in the file buffer; until something changes the
// record, saving writes that text back byte for byte.
//
// A record read from a file splits its groups out of that text only when
// someone first asks for them: most records of a large drawing are never
// read one by one, and one string per group would cost more than reading
// the whole file. value(), find() and the readers built on them look into
// the text directly until then, without splitting it: the first read past
// the first two groups scans it, and a record read again notes where each
// group's value lies.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vrn::drawing {

struct Group {
  int code = 0;
  std::string value;  // the file's bytes, without the line end
  bool operator==(const Group&) const = default;
};

class Record {
 public:
  Record() = default;
  explicit Record(std::vector<Group> groups)
      : parts_(std::make_unique<Parts>(Parts{{}, std::move(groups)})) {}
  // A record read from a file. `original` is its exact text (every line of
  // it, line ends included) inside the file's bytes, which `buffer` owns and
  // the record keeps alive.
  // The text must hold whole groups whose codes are numbers, as the DXF
  // reader has checked; the groups are split out of it on first use.
  // `codes` has codeBit() set for every code the text holds (the reader
  // knows them): a code whose bit is clear is known to be absent without
  // scanning the text, as most codes asked of a record are.
  // `stringAt`: where in the text the first group 1 starts (its code line),
  // npos when the text holds none or the reader did not note it. A walk
  // reads the string of every text first; the reader knows where it lies.
  Record(std::shared_ptr<const void> buffer, std::string_view original,
         std::uint64_t codes = kAnyCodes, std::size_t stringAt = npos)
      : codes_(codes),
        buffer_(std::move(buffer)),
        originalData_(original.data()),
        originalSize_(static_cast<std::uint32_t>(original.size())),
        split_(false),
        stringAt_(stringAt < kStringAtUnknown ? static_cast<std::uint16_t>(stringAt)
                                              : kStringAtUnknown) {}
  // A copy of a record that is unchanged since it was read holds just its
  // text: the groups split out of the original (a kilobyte for a text) are
  // cheaper split again than kept twice, as the undo journal would keep them.
  Record(const Record& other);
  Record& operator=(const Record& other);
  Record(Record&&) noexcept = default;
  Record& operator=(Record&&) noexcept = default;
  ~Record() = default;

  const std::vector<Group>& groups() const {
    return split_ && parts_ ? parts_->groups : splitGroups();
  }
  // Write access to the groups; the record then counts as changed.
  std::vector<Group>& edit();

  // True when the record must be written from its groups rather than copied
  // from the file: new records and every record changed since it was read.
  bool changed() const { return originalData_ == nullptr; }
  std::string_view original() const { return {originalData_, originalSize_}; }

  // Group 0: the object's DXF type ("TEXT", "LAYER" ...).
  std::string_view type() const;

  // Index of the first group with `code` at or after `from`, or npos.
  std::size_t find(int code, std::size_t from = 0) const;
  bool has(int code) const { return find(code) != npos; }
  // The value of the first group with `code`, or `fallback` when absent.
  std::string_view value(int code, std::string_view fallback = {}) const;
  // value() of code, code + 10 and code + 20 (a point's x, y and z), in one
  // pass over the groups where value() would make three.
  std::array<std::string_view, 3> pointValues(int code) const;
  double number(int code, double fallback = 0) const;
  std::int32_t integer(int code, std::int32_t fallback = 0) const;

  // Replaces the first group with `code`; when absent, inserts it before the
  // first group whose code is in `before`, or at the end when none is. The
  // record counts as changed only when a value really changes.
  void set(int code, std::string value, std::initializer_list<int> before = {});
  // True when both hold the same groups; neither is split to find out.
  bool sameGroups(const Record& other) const;
  // Removes every group with `code`.
  void erase(int code);

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // Codes share 64 bits by their value modulo 64.
  static constexpr std::uint64_t codeBit(int code) {
    return std::uint64_t{1} << (static_cast<unsigned>(code) % 64U);
  }
  static constexpr std::uint64_t kAnyCodes = ~std::uint64_t{0};

 private:
  // Where a group of the original text lies in it.
  struct GroupAt {
    std::int32_t code;
    std::uint32_t offset;
    std::uint32_t size;
  };
  const std::vector<GroupAt>& places() const;
  // Every group as code and value in turn, without splitting the record.
  class GroupWalk;
  static constexpr std::size_t kHeadGroups = 2;
  static constexpr std::uint8_t kScansBeforeNoting = 1;
  static constexpr std::size_t kRoomForAddedGroups = 4;
  // Looks for `code` at or after group `from` straight in the original
  // text, where that is cheaper than noting where its groups lie.
  enum class Scan { Found, Absent, Unanswered };
  Scan scanText(int code, std::size_t from, std::size_t& index, std::string_view& value) const;
  // find(), also giving the group's value.
  std::size_t locate(int code, std::size_t from, std::string_view& value) const;
  bool knownAbsent(int code) const { return !split_ && (codes_ & codeBit(code)) == 0; }
  std::string_view valueAt(const GroupAt& at) const { return {originalData_ + at.offset, at.size}; }

  // Before the split, the places noted in the original text; after it, the
  // groups (and no places).
  struct Parts {
    std::vector<GroupAt> places;
    std::vector<Group> groups;
  };
  Parts& parts() const;
  // groups() when they are not split out yet.
  const std::vector<Group>& splitGroups() const;
  bool noted() const { return !split_ && parts_; }

  // Splitting the original text into groups does not change what the
  // record holds, only how: hence caches that const readers may fill.
  // A large drawing holds millions of records, most never read one by one:
  // the places and groups are held apart, behind one pointer that stays
  // null until either is needed, and the original text's size in 32 bits
  // (a drawing's file is read whole, and stops at 1 GiB), with the flags
  // beside it.
  mutable std::unique_ptr<Parts> parts_;
  std::uint64_t codes_ = kAnyCodes;  // of the original text; see the constructor
  std::shared_ptr<const void> buffer_;
  const char* originalData_ = nullptr;  // null once changed
  std::uint32_t originalSize_ = 0;
  mutable bool split_ = true;
  mutable std::uint8_t scans_ = 0;  // of the whole original text, while its places are not noted
  // Where the first group 1 starts in the original text; 16 bits, in room
  // the fields above leave, so a string further in is left to a scan.
  static constexpr std::uint16_t kStringAtUnknown = UINT16_MAX;
  std::uint16_t stringAt_ = kStringAtUnknown;
};

// A group's value read as a number, as number() reads one.
double parseNumber(std::string_view text, double fallback = 0);

// DXF's way of writing a real number when the model writes a new value:
// the shortest text that reads back as the same double.
std::string formatNumber(double value);

}  // namespace vrn::drawing
