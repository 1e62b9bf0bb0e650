#pragma once
// Small DXF texts for tests, written one group a line as "code=value".

#include <sstream>
#include <string>
#include <string_view>

namespace vrn::dxf::test {

// "0=SECTION\n2=HEADER" -> "  0\nSECTION\n  2\nHEADER\n" (with `lineEnd`).
inline std::string dxf(std::string_view groups, std::string_view lineEnd = "\n") {
  std::string text;
  std::istringstream in{std::string(groups)};
  std::string line;
  while (std::getline(in, line)) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    line.erase(0, first);
    const auto eq = line.find('=');
    const std::string code = line.substr(0, eq);
    text += std::string(code.size() < 3 ? 3 - code.size() : 0, ' ') + code;
    text += lineEnd;
    text += line.substr(eq + 1);
    text += lineEnd;
  }
  return text;
}

// A small R2000 drawing: header, a LAYER table, a block with an ATTDEF,
// model-space entities (a TEXT with XDATA, an INSERT with two ATTRIBs, a
// POLYLINE with VERTEXes) and an OBJECTS section.
inline std::string smallDrawing(std::string_view codePage = "ANSI_1255") {
  return dxf(R"(999=written by hand
    0=SECTION
    2=HEADER
    9=$ACADVER
    1=AC1015
    9=$DWGCODEPAGE
    3=)" + std::string(codePage) +
             R"(
    9=$HANDSEED
    5=40
    0=ENDSEC
    0=SECTION
    2=TABLES
    0=TABLE
    2=LAYER
    5=2
    70=1
    0=LAYER
    5=10
    2=0
    70=0
    0=ENDTAB
    0=ENDSEC
    0=SECTION
    2=BLOCKS
    0=BLOCK
    5=20
    2=TAG
    0=ATTDEF
    5=21
    2=ROOM
    0=ENDBLK
    5=22
    0=ENDSEC
    0=SECTION
    2=ENTITIES
    0=TEXT
    5=30
    8=0
    1=)"
             "\x99\x8C\x85\x8D"
             R"(
    1001=VRN
    1000=note
    0=INSERT
    5=31
    66=1
    2=TAG
    0=ATTRIB
    5=32
    1=A
    0=ATTRIB
    5=33
    1=B
    0=SEQEND
    5=34
    0=POLYLINE
    5=35
    0=VERTEX
    5=36
    0=SEQEND
    5=37
    0=ENDSEC
    0=SECTION
    2=OBJECTS
    0=DICTIONARY
    5=C
    0=ENDSEC
    0=EOF)");
}

}  // namespace vrn::dxf::test
