#pragma once
// KeyDefinitions: the texts that editdef.txt gives to function keys and to
// Alt or Ctrl with a digit, offered to the single-line editor by KeyDefText.
//
//   [FKeys]  F1=... F12=...   (f or F, then the number; others are ignored)
//   [Alt]    1...=...         (the name's first character is the digit)
//   [Ctrl]   1...=...
//
// The file is optional, read once and never written.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/ini_file.h"

namespace vrn::settings {

inline constexpr char kEditDefName[] = "editdef.txt";

// The modifier keys held with a key press.
struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;

  friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

struct KeyDefinitions {
  std::array<std::u16string, 13> fkeys;  // index 1..12; 0 unused
  std::array<std::u16string, 10> alts;   // index 0..9
  std::array<std::u16string, 10> ctrls;  // index 0..9
  bool missing = true;                   // editdef.txt did not exist

  // The text for a key press (key: a Windows virtual-key code). F1..F12 whatever
  // the modifiers; a digit key with exactly Alt or exactly Ctrl; else empty.
  std::u16string KeyDefText(ShiftState shift, std::uint16_t key) const;
};

KeyDefinitions loadKeyDefinitions(const std::filesystem::path& file);
// The definitions an editdef.txt already opened holds.
KeyDefinitions keyDefinitionsOf(const platform::IniFile& ini);

}  // namespace vrn::settings
