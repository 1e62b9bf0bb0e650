#pragma once
// IniSettings: the one settings record, Rinistr, and its file Hebrew.ini.
// Read once at start, updated in memory by the forms, written once at unload.
//
//   field       section / key           default
//   curmapn     Textedit / MapNew       1     editor for new text: 1 Windows Plain, 0 DOS
//   curmaped    Textedit / Mapedit      1     editor for existing text
//   txthw       Textedit / Width        900   single-line editor place
//   txtl        Textedit / Left         100
//   txtt        Textedit / Top          400
//   grl         Gredit / left           300   attribute editor place
//   grt         Gredit / Top            300
//   grw         Gredit / width          400
//   grh         Gredit / height         300
//   grmode      Gredit / mode           0     0 right-to-left grid, 1 left-to-right
//   expl        Lib / Left              300   library browser place
//   expt        Lib / Top               300
//   exph        Lib / height            400
//   expw        Lib / Width             600
//   stFile      Lib / Standard          ""
//   charmap     Textedit / charmap      2     1 ANSI, 2 OEM
//   expld       Mtext / MtextExpolde    -1    -1 Explode ticked, 0 not
//   reverseTTF  Textedit / ReverseTTF   false (written as 1 or 0)

#include <cstdint>
#include <filesystem>
#include <string>

namespace vrn::settings {

inline constexpr char kHebrewIniName[] = "Hebrew.ini";

struct IniSettings {
  std::int32_t curmapn = 1;
  std::int32_t curmaped = 1;
  std::int32_t txthw = 900;
  std::int32_t txtl = 100;
  std::int32_t txtt = 400;
  std::int32_t grl = 300;
  std::int32_t grt = 300;
  std::int32_t grw = 400;
  std::int32_t grh = 300;
  std::int32_t grmode = 0;
  std::int32_t expl = 300;
  std::int32_t expt = 300;
  std::int32_t exph = 400;
  std::int32_t expw = 600;
  std::u16string stFile;
  std::int32_t charmap = 2;
  std::int32_t expld = -1;
  bool reverseTTF = false;

  friend bool operator==(const IniSettings&, const IniSettings&) = default;
};

// A missing file, section or key, or a value that is no integer, gives the
// field's default. A file that exists but cannot be read or decoded throws
// platform::IniReadError.
IniSettings loadIniSettings(const std::filesystem::path& file);

// Writes every key, spelled as in the table, keeping the file's other
// lines. Throws platform::IniWriteError ("Unable to write to ...").
void saveIniSettings(const IniSettings& settings, const std::filesystem::path& file);

}  // namespace vrn::settings
