#include "settings/ini_settings.h"

#include <array>
#include <variant>

#include "platform/ini_file.h"

namespace vrn::settings {
namespace {

using Field =
    std::variant<std::int32_t IniSettings::*, std::u16string IniSettings::*, bool IniSettings::*>;

struct Key {
  std::u16string_view section;
  std::u16string_view name;
  Field field;
};

// In the order the keys are read and written.
constexpr std::array<Key, 18> kKeys{{
    {u"Textedit", u"Width", &IniSettings::txthw},
    {u"Textedit", u"Left", &IniSettings::txtl},
    {u"Textedit", u"MapNew", &IniSettings::curmapn},
    {u"Textedit", u"Top", &IniSettings::txtt},
    {u"Textedit", u"Mapedit", &IniSettings::curmaped},
    {u"Gredit", u"left", &IniSettings::grl},
    {u"Gredit", u"Top", &IniSettings::grt},
    {u"Gredit", u"width", &IniSettings::grw},
    {u"Gredit", u"height", &IniSettings::grh},
    {u"Gredit", u"mode", &IniSettings::grmode},
    {u"Textedit", u"charmap", &IniSettings::charmap},
    {u"Lib", u"Left", &IniSettings::expl},
    {u"Lib", u"Top", &IniSettings::expt},
    {u"Lib", u"Width", &IniSettings::expw},
    {u"Lib", u"height", &IniSettings::exph},
    {u"Lib", u"Standard", &IniSettings::stFile},
    {u"Mtext", u"MtextExpolde", &IniSettings::expld},
    {u"Textedit", u"ReverseTTF", &IniSettings::reverseTTF},
}};

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// Spelled out for compilers before clang 17, which deduce no aggregate's
// template arguments.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

IniSettings loadIniSettings(const std::filesystem::path& file) {
  auto ini = platform::openIniFile(file);
  if (auto error = ini->readError()) throw *error;
  IniSettings settings;
  for (const Key& key : kKeys) {
    std::visit(Overloaded{
                   [&](std::int32_t IniSettings::*f) {
                     settings.*f = ini->readInteger(key.section, key.name, settings.*f);
                   },
                   [&](std::u16string IniSettings::*f) {
                     settings.*f = ini->readString(key.section, key.name, settings.*f);
                   },
                   [&](bool IniSettings::*f) {
                     settings.*f = ini->readBool(key.section, key.name, settings.*f);
                   },
               },
               key.field);
  }
  return settings;
}

void saveIniSettings(const IniSettings& settings, const std::filesystem::path& file) {
  auto ini = platform::openIniFile(file);
  for (const Key& key : kKeys) {
    std::visit(
        Overloaded{
            [&](std::int32_t IniSettings::*f) {
              ini->writeInteger(key.section, key.name, settings.*f);
            },
            [&](std::u16string IniSettings::*f) {
              ini->writeString(key.section, key.name, settings.*f);
            },
            [&](bool IniSettings::*f) { ini->writeBool(key.section, key.name, settings.*f); },
        },
        key.field);
  }
  ini->updateFile();
}

}  // namespace vrn::settings
