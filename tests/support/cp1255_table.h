#pragma once
// Windows' own table of code page 1255, as data/cp1255.txt in this folder
// lists it: what MultiByteToWideChar(1255) gives for each byte, in lines
// "0xNN U+NNNN". The platform's code page and the DXF codec of ANSI_1255
// are both held to it.

#include <vector>

namespace vrn::test {

struct Cp1255Entry {
  unsigned char byte;
  char16_t unit;
};

// Every byte's entry, 0x00 to 0xFF. A line that is no entry, or a table
// that skips or repeats a byte, fails the test.
std::vector<Cp1255Entry> readCp1255Table();

}  // namespace vrn::test
