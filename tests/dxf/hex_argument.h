#pragma once
// The round-trip tools' --text-hex argument: a text as the hex digits of its
// UTF-8 bytes, for texts a command line cannot carry (NUL).

#include <stdexcept>
#include <string>
#include <string_view>

namespace vrn::dxf::test {

inline std::string bytesFromHex(std::string_view hex) {
  const auto digit = [&](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    throw std::runtime_error("not a hex digit in " + std::string(hex));
  };
  if (hex.size() % 2 != 0)
    throw std::runtime_error("an odd number of hex digits: " + std::string(hex));
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    bytes += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
  return bytes;
}

}  // namespace vrn::dxf::test
