#pragma once
// Variant: the value that travels between the system and its host, with the
// kinds that AutoCAD's automation uses (OLE VARIANT's subset) and OLE's
// coercion rules for reading one kind as another.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "host/object.h"

namespace vrn::host {

struct Null {
  bool operator==(const Null&) const = default;
};

// A one-dimensional automation array. An empty array has lower bound 0 and
// upper bound -1, as AutoCAD returns for a block without attributes.
struct SafeArray {
  std::int32_t lower = 0;
  std::vector<Variant> items;

  // Defined below Variant: a vector's size needs its element type complete.
  std::int32_t upper() const;
  bool operator==(const SafeArray& other) const;
};

class Variant {
 public:
  enum class Type : unsigned char {
    Empty,
    Null,
    Bool,
    I1,
    UI1,
    I2,
    I4,
    Double,
    String,
    Object,
    Array
  };

  Variant() = default;
  Variant(Null) : value_(Null{}) {}
  Variant(bool v) : value_(v) {}
  Variant(std::int8_t v) : value_(v) {}
  Variant(std::uint8_t v) : value_(v) {}
  Variant(std::int16_t v) : value_(v) {}
  Variant(std::int32_t v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(std::u16string v) : value_(std::move(v)) {}
  Variant(const char16_t* v) : value_(std::u16string(v)) {}
  Variant(const char* utf8);  // a convenience for ASCII and UTF-8 literals
  Variant(ObjectPtr v) : value_(std::move(v)) {}
  Variant(SafeArray v) : value_(std::move(v)) {}

  Type type() const { return static_cast<Type>(value_.index()); }
  bool isEmpty() const { return type() == Type::Empty; }
  bool isNull() const { return type() == Type::Null; }
  bool isNumber() const;

  // OLE coercions (VariantChangeType). Each raises HostError with
  // DISP_E_TYPEMISMATCH when the value has no such reading and
  // DISP_E_OVERFLOW when a number does not fit.
  std::int32_t toInt() const;
  double toDouble() const;
  bool toBool() const;
  std::u16string toString() const&;
  // A string value leaves a temporary without a copy: get("TextString").toString().
  std::u16string toString() &&;
  ObjectPtr toObject() const;  // Empty and Null give a null pointer
  const SafeArray& array() const;
  SafeArray& array();

  bool operator==(const Variant& other) const;

 private:
  std::variant<std::monostate, Null, bool, std::int8_t, std::uint8_t, std::int16_t, std::int32_t,
               double, std::u16string, ObjectPtr, SafeArray>
      value_;
};

// A variant array of variants with lower bound 0.
inline std::int32_t SafeArray::upper() const {
  return lower + static_cast<std::int32_t>(items.size()) - 1;
}

Variant makeArray(std::vector<Variant> items);

}  // namespace vrn::host
