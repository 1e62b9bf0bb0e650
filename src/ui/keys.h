#pragma once
// Keys as the window system reports them: a Windows virtual-key code and
// the modifiers held with it.

#include <cstdint>

namespace vrn::ui {

struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
  friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

// A key-down event. A handler that sets key to 0 swallows it: nothing else
// happens for that key, not even its character.
struct KeyEvent {
  std::uint16_t key = 0;
  ShiftState shift;

  void swallow() { key = 0; }
  bool swallowed() const { return key == 0; }
  bool is(std::uint16_t code, ShiftState held = {}) const { return key == code && shift == held; }
};

namespace vk {
inline constexpr std::uint16_t kBack = 0x08;
inline constexpr std::uint16_t kTab = 0x09;
inline constexpr std::uint16_t kEnter = 0x0D;
inline constexpr std::uint16_t kEscape = 0x1B;
inline constexpr std::uint16_t kSpace = 0x20;
inline constexpr std::uint16_t kPageUp = 0x21;
inline constexpr std::uint16_t kPageDown = 0x22;
inline constexpr std::uint16_t kEnd = 0x23;
inline constexpr std::uint16_t kHome = 0x24;
inline constexpr std::uint16_t kLeft = 0x25;
inline constexpr std::uint16_t kUp = 0x26;
inline constexpr std::uint16_t kRight = 0x27;
inline constexpr std::uint16_t kDown = 0x28;
inline constexpr std::uint16_t kInsert = 0x2D;
inline constexpr std::uint16_t kDel = 0x2E;
inline constexpr std::uint16_t kF1 = 0x70;
inline constexpr std::uint16_t kF2 = 0x71;
inline constexpr std::uint16_t kF12 = 0x7B;

// 'A'..'Z' and '0'..'9' are their own codes.
constexpr std::uint16_t letter(char upper) { return static_cast<std::uint16_t>(upper); }
constexpr std::uint16_t digit(int d) { return static_cast<std::uint16_t>('0' + d); }
}  // namespace vk

}  // namespace vrn::ui
