#include "attributes/block_history.h"

#include <nlohmann/json.hpp>

#include "host/utf8.h"

namespace vrn::attributes {
namespace {

using nlohmann::json;

[[noreturn]] void refuse(const std::string& where, const std::string& what) {
  throw BadHistory(where + " " + what);
}

std::string memberName(const std::string& tag, const char* member) {
  return "\"" + tag + "\"." + member;
}

std::vector<std::u16string> strings(const json& value, const std::string& where) {
  if (!value.is_array()) refuse(where, "is not an array");
  std::vector<std::u16string> out;
  out.reserve(value.size());
  for (const json& entry : value) {
    if (!entry.is_string()) refuse(where, "holds an entry that is not a string");
    out.push_back(utf8ToUtf16(entry.get_ref<const std::string&>()));
  }
  return out;
}

TagHistory tagHistory(const std::string& tag, const json& value) {
  if (!value.is_object()) refuse("\"" + tag + "\"", "is not an object");
  TagHistory history;
  const auto a = value.find("A");
  if (a == value.end()) refuse("\"" + tag + "\"", "has no \"A\" list");
  history.A = strings(*a, memberName(tag, "A"));
  if (const auto b = value.find("B"); b != value.end())
    history.B = strings(*b, memberName(tag, "B"));
  if (const auto s = value.find("S"); s != value.end()) {
    if (!s->is_string()) refuse(memberName(tag, "S"), "is not a string");
    history.S = utf8ToUtf16(s->get_ref<const std::string&>());
  }
  return history;
}

}  // namespace

std::u16string TagHistory::storedValue(std::size_t k) const {
  if (!B) return k < A.size() ? A[k] : std::u16string();
  return k < B->size() ? (*B)[k] : std::u16string();
}

BlockHistory BlockHistory::parse(std::u16string_view text) {
  json document;
  try {
    document = json::parse(utf16ToUtf8(text));
  } catch (const json::exception& e) {
    throw BadHistory(std::string("it is not valid JSON: ") + e.what());
  }
  if (!document.is_object()) throw BadHistory("it is not a JSON object");
  BlockHistory history;
  for (const auto& [tag, value] : document.items()) {
    history.tags_.emplace(utf8ToUtf16(tag), tagHistory(tag, value));
  }
  return history;
}

const TagHistory* BlockHistory::find(std::u16string_view tag) const {
  const auto found = tags_.find(tag);
  return found == tags_.end() ? nullptr : &found->second;
}

}  // namespace vrn::attributes
