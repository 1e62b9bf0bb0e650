#pragma once
// The value history of one block: a JSON object whose member names are
// attribute tags (matched exactly, case included), each an object with
//   "A"  array of strings   the values offered, in the order shown
//   "B"  array of strings   optional: per entry of "A", the value stored
//                           instead (missing entries at the end are empty)
//   "S"  string             optional: the tag of a second attribute that
//                           receives the chosen "A" text
//
// Other code writes these documents (the BlocksAttr table, the registry);
// a hand-written one can be anything, so the whole document is checked
// when it is read, and a bad one is refused with a message that says where
// it goes wrong, before any of it is used.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vrn::attributes {

struct TagHistory {
  std::vector<std::u16string> A;
  std::optional<std::vector<std::u16string>> B;
  std::optional<std::u16string> S;

  // The value a choice of entry k stores: B's entry (empty where B is
  // shorter) when there is a B, else A's.
  std::u16string storedValue(std::size_t k) const;
};

class BadHistory : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BlockHistory {
 public:
  // Raises BadHistory when the text is no JSON, or not of the shape above.
  static BlockHistory parse(std::u16string_view json);

  const TagHistory* find(std::u16string_view tag) const;

 private:
  std::map<std::u16string, TagHistory, std::less<>> tags_;
};

}  // namespace vrn::attributes
