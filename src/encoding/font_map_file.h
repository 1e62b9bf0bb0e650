#pragma once
// The font map file (VrnFonts.txt): [Fonts] holds font=mapping lines. The
// system rewrites the whole [Fonts] section from the grid and never writes
// the other sections.

#include <string>
#include <string_view>
#include <vector>

#include "encoding/font_map_grid.h"
#include "platform/ini_file.h"

namespace vrn::encoding {

// The key names of [Fonts], sorted without regard to case; of names that
// differ only in case the first one stays.
std::vector<std::u16string> readFontList(const platform::IniFile& fontfile);

// Appends one grid row per font of fontlist, with its mapping from [Fonts]
// (empty when missing).
void appendFontRows(FontMapGrid& fontmaps, const platform::IniFile& fontfile,
                    const std::vector<std::u16string>& fontlist);

// The map of fontfile as the form shows it: a row per font of
// readFontList, with its mapping, the first row selected.
FontMapGrid fontMapOf(const platform::IniFile& fontfile);

// Why a font-map key cannot be stored so that it reads back as itself: it
// is empty, holds '=' (which ends the key), starts with ';' (a comment) or
// '[' (a section), has blanks at either end (trimmed away) or a control
// character (a line break would start a new line). Empty when it can.
std::string fontKeyProblem(std::u16string_view key);

enum class EmptyKeys { Skip, Write };

// Erases [Fonts] and writes every entry row in grid order, then puts it
// into the file. Throws platform::IniWriteError.
void writeFontMap(platform::IniFile& fontfile, const FontMapGrid& fontmaps, EmptyKeys emptyKeys);

}  // namespace vrn::encoding
