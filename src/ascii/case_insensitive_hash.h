#pragma once
// Hash and equality of names that match ignoring ASCII case, usable for
// lookups by std::string_view without folding the name into a new string:
// member names are looked up on every late-bound call.

#include <cstddef>
#include <string_view>

#include "ascii/letter_case.h"

namespace vrn {

struct AsciiCaseInsensitiveHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    std::size_t hash = 14695981039346656037ULL;  // FNV-1a over the folded bytes
    for (const char c : text) {
      hash ^= static_cast<unsigned char>(ascii_detail::lower(c));
      hash *= 1099511628211ULL;
    }
    return hash;
  }
};

struct AsciiCaseInsensitiveEqual {
  using is_transparent = void;
  // Names are mostly looked up as they were spelt when added: a plain
  // comparison settles those at a fraction of the cost of folding each byte.
  bool operator()(std::string_view a, std::string_view b) const noexcept {
    return a == b || equalsIgnoringAsciiCase(a, b);
  }
};

}  // namespace vrn
