#pragma once
// The registry entries of an in-process server class, under the classes root:
//
//   CLSID\{clsid}                  (default) description
//     InprocServer32               (default) module path, ThreadingModel "Apartment"
//     ProgID                       (default) progId
//     Version                      (default) version
//     TypeLib                      (default) {type library GUID}   (when it has one)
//   <progId>                       (default) description
//     Clsid                        (default) {clsid}
//
// Registration raises std::runtime_error when a key cannot be written;
// removal takes away what is there and counts a missing key as removed.

#include <windows.h>

#include <optional>
#include <string>

namespace vrn::com {

struct ClassEntry {
  GUID clsid;
  std::u16string progId;
  std::u16string description;
  std::u16string version;
  std::optional<GUID> typeLibrary;
};

std::u16string guidText(const GUID& guid);  // "{XXXXXXXX-...}"

// The full path of the module holding this code; its short form when the
// path contains a blank, as the InprocServer32 entry takes it.
std::u16string modulePath();
std::u16string registeredModulePath();

void registerClass(const ClassEntry& entry, const std::u16string& serverPath);
void unregisterClass(const ClassEntry& entry);

// The module's TYPELIB 1 resource, registered from the module's own path.
void registerTypeLibrary(const std::u16string& path);
void unregisterTypeLibrary(const GUID& library, unsigned short major, unsigned short minor,
                           LCID locale);

}  // namespace vrn::com
