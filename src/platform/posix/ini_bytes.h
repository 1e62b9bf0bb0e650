#pragma once
// An IniFile over the bytes of a file that the caller holds, read as
// openIniFile reads that file; updateFile() puts the pending writes into
// the string as they would go into the file. The fuzzers read settings this
// way, thousands of times a second. The string must outlive the IniFile.
//
// POSIX only: the Windows side reads files through the profile functions,
// which have no form for bytes in memory.

#include <memory>
#include <string>

#include "platform/ini_file.h"

namespace vrn::platform {

std::unique_ptr<IniFile> openIniBytes(std::string& bytes);

}  // namespace vrn::platform
