#pragma once
// FindReplaceState: what find and replace keeps between calls for as long
// as the module lives (not on disk): the search and replace histories, most
// recent first, and the last search text in the DOS screen form.

#include <string>
#include <vector>

namespace vrn::editing {

struct FindReplaceState {
  std::vector<std::u16string> SearchHistory;
  std::vector<std::u16string> ReplaceHistory;
  std::u16string lastSearch;
};

}  // namespace vrn::editing
