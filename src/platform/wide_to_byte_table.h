#pragma once
// The byte form's table from UTF-16 unit to byte, for code_page.cpp: each
// platform builds it its own way (posix/ from Windows' table as data, win32/
// through Windows' converters); the lookup is the same everywhere.

#include <array>

namespace vrn::platform {

using WideToByteTable = std::array<unsigned char, 0x10000>;

// Every unit's byte, or kCodePageDefaultChar; called once.
WideToByteTable buildWideToByte();

}  // namespace vrn::platform
