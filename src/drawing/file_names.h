#pragma once
// Names of drawing files as the host's callers give them. AutoCAD-side code
// builds Windows-style names ("C:\plans\a.dxf", or Path & "\" & Name), so
// the built-in drawing takes both "\" and "/" as folder separators, on every
// system.

#include <string>
#include <string_view>

namespace vrn::drawing {

// The name after the last separator.
std::string fileNameOf(std::string_view path);
// What comes before the last separator; empty when there is none.
std::string folderOf(std::string_view path);
// `path` as the file system takes it: every "\" becomes "/", a separator to
// Windows as well as to POSIX (so a POSIX name holding a "\" cannot be used).
std::string fileSystemName(std::string_view path);
// True when the name ends in ".dxf", in any case.
bool hasDxfExtension(std::string_view path);

}  // namespace vrn::drawing
