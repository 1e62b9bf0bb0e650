#pragma once
// Taking the texts of picked text entities into the library editor, and
// putting editor text into the drawing as text entities, one entity per
// text or per line. The put jobs end silently on any host error, keeping
// the entities made so far.

#include <string>
#include <string_view>

#include "library/browser/library_host.h"

namespace vrn::library {

// One line per picked text, each followed by CR LF, in the selection's
// order; empty when nothing was picked (also when the user cancels).
std::u16string pickTexts(LibraryHost& host);
// The whole text as one entity at the start point the user gives.
void putText(LibraryHost& host, std::u16string_view text);
// One entity per non-empty line, 1.5 heights apart.
void putLines(LibraryHost& host, std::u16string_view text);

}  // namespace vrn::library
