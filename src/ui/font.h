#pragma once
// Fonts and colours of controls. Presentation only: no rule of the seam
// depends on them, but forms set them and backends draw with them.

#include <cstdint>
#include <string>

namespace vrn::ui {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color red{255, 0, 0};
inline constexpr Color grey{128, 128, 128};
inline constexpr Color yellow{255, 255, 0};
inline constexpr Color white{255, 255, 255};
}  // namespace colors

// "#RRGGBB", as scripts compare colours.
std::u16string toText(Color color);

// Windows' character-set codes.
enum class Charset : std::uint8_t { Ansi = 0, Default = 1, Hebrew = 177, Oem = 255 };

struct Font {
  std::u16string name;  // empty: the form's font
  int size = 0;         // points; 0: the form's size
  bool bold = false;
  Charset charset = Charset::Default;
  Color color = colors::black;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace vrn::ui
