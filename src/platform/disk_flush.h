#pragma once
// Writing through to the disk what the system still holds in memory, so a
// safe save survives a power cut: the new file's bytes before it is renamed
// over the old one, and the folder's entry for it after.

#include <filesystem>
#include <string>

namespace vrn::platform {

// Flushes the file's data to the disk; on failure, the system's reason.
// Returns an empty string when it succeeded.
std::string flushFileToDisk(const std::filesystem::path& file);

// Flushes the folder's entries (a rename inside it). Where the system or
// its file system keeps folders durable on its own, this does nothing.
void flushFolderToDisk(const std::filesystem::path& folder);

}  // namespace vrn::platform
