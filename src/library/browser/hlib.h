#pragma once
// The Hlib loop: shows the library browser until it is closed, doing the
// picks and puts it asks for while it is hidden.

#include <filesystem>

#include "library/browser/library_host.h"
#include "ui/toolkit.h"

namespace vrn::library {

void runHlib(ui::Toolkit& toolkit, LibraryHost host, const std::filesystem::path& dataDir);

}  // namespace vrn::library
