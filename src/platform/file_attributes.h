#pragma once
// What a safe save keeps of the file it replaces, and what stops it.

#include <filesystem>

namespace vrn::platform {

// True when `file` exists and is marked read-only: on POSIX, this process
// may not write it or no one may (so even the superuser respects a file
// whose write bits are all off); on Windows, its read-only attribute.
bool isReadOnlyFile(const std::filesystem::path& file);

// Gives `copy` the owner, group and permission bits of `original`, as far as
// the system lets this process (a user may not give a file away to another
// owner, nor to a group they are not in). On Windows a new file takes its
// folder's access rules, so there is nothing to copy.
void keepOwnerAndMode(const std::filesystem::path& original, const std::filesystem::path& copy);

}  // namespace vrn::platform
