#pragma once
// Which key types which character under a keyboard layout, for the scripted
// users of every backend: "type שלום" presses the keys a person would press.
//
// Two layouts are known, by language identifier: US English (0x0409) and
// Hebrew (0x040D, Windows' layout after SI-1452). Any other language types
// as US English does. On the Hebrew layout:
//
//   key      `  q  w  e  r  t  y  u  i  o  p  [  ]  a  s  d  f  g  h  j  k  l  ;  '  z  x  c  v  b
//   n  m  ,  .  / types    ;  /  '  ק  ר  א  ט  ו  ן  ם  פ  ]  [  ש  ד  ג  כ  ע  י  ח  ל  ך  ף  ,
//   ז  ס  ב  ה  נ  מ  צ  ת  ץ  .
//
// Shift with a letter key types the capital Latin letter, and the paired
// delimiters are swapped: Shift+9 types ")", Shift+0 "(", Shift+, ">",
// Shift+. "<", Shift+[ "}", Shift+] "{". The other keys type what they type
// on US English.

#include <cstdint>
#include <optional>

#include "ui/keys.h"

namespace vrn::ui {

inline constexpr std::uint16_t kUsEnglishLanguage = 0x0409;
inline constexpr std::uint16_t kHebrewLanguage = 0x040D;

// The character a key types under a language's layout: 0 for keys that
// type nothing (arrows, F-keys, Delete) and for any key held with Ctrl or
// Alt. Enter types 13, Escape 27, Backspace 8, Tab 9, Space " ".
char16_t characterOf(std::uint16_t language, std::uint16_t key, ShiftState shift);

struct Keystroke {
  KeyEvent key;
  char16_t character = 0;  // what the active layout types for it
};

// The key for `wanted`: the active layout's key when it has one, otherwise
// the key that types it on the other known layout, which then types
// whatever the active layout puts on that key ("ש" with US English active
// presses A and types "a"). Nothing for characters no layout types
// (CR and LF included: those are the Enter key).
std::optional<Keystroke> keystrokeFor(char16_t wanted, std::uint16_t activeLanguage);

}  // namespace vrn::ui
