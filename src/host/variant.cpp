#include "host/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "ascii/blanks.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::host {
namespace {

[[noreturn]] void typeMismatch() { throw HostError(hr::kTypeMismatch, "Type mismatch"); }

// OLE reads text as a number when the whole text, blanks aside, is one.
double parseNumber(const std::u16string& text) {
  std::string ascii;
  for (char16_t c : trimBlanks(text)) {
    if (c > 0x7F) typeMismatch();
    ascii += static_cast<char>(c);
  }
  if (ascii.empty()) typeMismatch();
  double value = 0;
  const char* begin = ascii.data();
  const char* end = ascii.data() + ascii.size();
  if (*begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) typeMismatch();
  return value;
}

std::u16string asciiToUtf16(const char* text) {
  std::u16string out;
  for (; *text; ++text) out += static_cast<char16_t>(static_cast<unsigned char>(*text));
  return out;
}

// OLE writes a double with up to 15 significant digits, exponent in capitals.
std::u16string formatDouble(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15G", v);
  return asciiToUtf16(buffer);
}

}  // namespace

Variant::Variant(const char* utf8) : value_(utf8ToUtf16(utf8)) {}

bool Variant::isNumber() const {
  switch (type()) {
    case Type::I1:
    case Type::UI1:
    case Type::I2:
    case Type::I4:
    case Type::Double:
      return true;
    default:
      return false;
  }
}

double Variant::toDouble() const {
  switch (type()) {
    case Type::Empty:
      return 0;
    case Type::Bool:
      return std::get<bool>(value_) ? -1 : 0;
    case Type::I1:
      return std::get<std::int8_t>(value_);
    case Type::UI1:
      return std::get<std::uint8_t>(value_);
    case Type::I2:
      return std::get<std::int16_t>(value_);
    case Type::I4:
      return std::get<std::int32_t>(value_);
    case Type::Double:
      return std::get<double>(value_);
    case Type::String:
      return parseNumber(std::get<std::u16string>(value_));
    default:
      typeMismatch();
  }
}

std::int32_t Variant::toInt() const {
  if (type() == Type::I4) return std::get<std::int32_t>(value_);
  // OLE rounds half to even when it narrows a double.
  const double rounded = std::nearbyint(toDouble());
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw HostError(hr::kOverflow, "Overflow");
  }
  return static_cast<std::int32_t>(rounded);
}

bool Variant::toBool() const {
  if (type() == Type::Bool) return std::get<bool>(value_);
  if (type() == Type::String) {
    const auto& s = std::get<std::u16string>(value_);
    if (s == u"True" || s == u"true" || s == u"TRUE") return true;
    if (s == u"False" || s == u"false" || s == u"FALSE") return false;
  }
  return toDouble() != 0;
}

std::u16string Variant::toString() && {
  if (type() == Type::String) return std::move(std::get<std::u16string>(value_));
  return std::as_const(*this).toString();
}

std::u16string Variant::toString() const& {
  switch (type()) {
    case Type::Empty:
      return {};
    case Type::String:
      return std::get<std::u16string>(value_);
    case Type::Bool:
      return std::get<bool>(value_) ? u"True" : u"False";
    case Type::Double:
      return formatDouble(std::get<double>(value_));
    case Type::I1:
    case Type::UI1:
    case Type::I2:
    case Type::I4:
      return asciiToUtf16(std::to_string(toInt()).c_str());
    default:
      typeMismatch();
  }
}

ObjectPtr Variant::toObject() const {
  switch (type()) {
    case Type::Empty:
    case Type::Null:
      return nullptr;
    case Type::Object:
      return std::get<ObjectPtr>(value_);
    default:
      typeMismatch();
  }
}

const SafeArray& Variant::array() const {
  if (type() != Type::Array) typeMismatch();
  return std::get<SafeArray>(value_);
}

SafeArray& Variant::array() {
  if (type() != Type::Array) typeMismatch();
  return std::get<SafeArray>(value_);
}

bool SafeArray::operator==(const SafeArray& other) const {
  return lower == other.lower && items == other.items;
}

bool Variant::operator==(const Variant& other) const { return value_ == other.value_; }

Variant makeArray(std::vector<Variant> items) { return SafeArray{0, std::move(items)}; }

}  // namespace vrn::host
