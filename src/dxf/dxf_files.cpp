#include "dxf/dxf_files.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "host/host_error.h"
#include "platform/disk_flush.h"

namespace vrn::dxf {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string& message) {
  throw host::HostError(host::hr::kFail, message);
}

// Paths arrive as UTF-8; on Windows a narrow path would be read in the
// ANSI code page and a Hebrew file name would be lost.
fs::path pathOf(const std::string& utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string reason() {
  return errno != 0 ? std::string(" (") + std::strerror(errno) + ")" : std::string();
}

std::shared_ptr<const std::string> readWhole(const std::string& path) {
  std::error_code error;
  const fs::path file = pathOf(path);
  if (fs::is_directory(file, error)) fail(path + ": is a folder, not a drawing file");
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) fail(path + ": cannot open the drawing" + reason());
  auto text = std::make_shared<std::string>();
  const auto size = fs::file_size(file, error);
  if (!error) {
    text->resize(static_cast<std::size_t>(size));
    in.read(text->data(), static_cast<std::streamsize>(text->size()));
    text->resize(static_cast<std::size_t>(in.gcount()));
  }
  // Whatever the file holds beyond the size it had (or all of it, when it
  // had none, like a pipe).
  char more[65536];
  while (in.read(more, sizeof more) || in.gcount() > 0)
    text->append(more, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) fail(path + ": cannot read the drawing" + reason());
  return text;
}

// A new file beside `path` that no one else uses: its name carries 64
// random bits.
fs::path temporaryBeside(const std::string& path) {
  std::random_device device;
  std::mt19937_64 random(
      (std::uint64_t{device()} << 32) ^ device() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (;;) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%016llx.vrn-tmp",
                  static_cast<unsigned long long>(random()));
    fs::path name = pathOf(path + suffix);
    std::error_code error;
    if (!fs::exists(name, error)) return name;
  }
}

void writeTemporary(const drawing::DrawingData& data, const fs::path& temporary,
                    const std::string& path) {
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out)
    fail(path + ": cannot create a temporary file beside it to save the drawing" + reason());
  writeDxf(data, [&](std::string_view piece) {
    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
  });
  out.close();
  if (!out) fail(path + ": cannot write the drawing" + reason());
  // Renamed over the old drawing before its bytes reach the disk, a power
  // cut could leave neither drawing.
  const std::string notFlushed = platform::flushFileToDisk(temporary);
  if (!notFlushed.empty())
    fail(path + ": cannot write the drawing to the disk (" + notFlushed + ")");
}

}  // namespace

drawing::DrawingData DxfFiles::load(const std::string& path) const {
  return readDxf(readWhole(path), path);
}

void DxfFiles::save(const drawing::DrawingData& data, const std::string& path) const {
  const fs::path target = pathOf(path);
  const fs::path temporary = temporaryBeside(path);
  try {
    writeTemporary(data, temporary, path);
    std::error_code error;
    const auto status = fs::status(target, error);
    if (!error && fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
    fs::rename(temporary, target, error);
    if (error)
      fail(path + ": cannot replace the drawing with the saved one (" + error.message() + ")");
    platform::flushFolderToDisk(target.parent_path());
  } catch (...) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw;
  }
}

}  // namespace vrn::dxf
