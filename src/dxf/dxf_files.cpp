#include "dxf/dxf_files.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string_view>

#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "host/host_error.h"
#include "platform/disk_flush.h"
#include "platform/file_attributes.h"
#include "platform/file_lock.h"

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

std::string sizeText(std::uint64_t bytes) {
  if (bytes % (1u << 30) == 0) return std::to_string(bytes >> 30) + " GiB";
  if (bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
  return std::to_string(bytes) + " bytes";
}

[[noreturn]] void tooLarge(const std::string& path, std::uint64_t limit) {
  fail(path + ": the file is larger than the " + sizeText(limit) +
       " a drawing may have, or never ends; it was not read");
}

// A file's bytes and what keeps them alive.
struct WholeFile {
  std::shared_ptr<const void> owner;
  std::string_view text;
};

// Appends whatever `in` still holds: all of it for a file without a size
// (like a pipe), what a file gained since its size was read otherwise.
void readRest(std::ifstream& in, std::string& text, const std::string& path, std::uint64_t limit) {
  char more[65536];
  while (in.read(more, sizeof more) || in.gcount() > 0) {
    const auto piece = static_cast<std::size_t>(in.gcount());
    if (text.size() + piece > limit) tooLarge(path, limit);
    text.append(more, piece);
  }
}

// Reads at most `limit` bytes: a device or a pipe that never ends (like
// /dev/zero) stops there instead of filling the memory. A file of known
// size is read into memory that is not cleared first: clearing a large
// drawing's worth of memory cost a tenth of its load.
WholeFile readWhole(const std::string& path, std::uint64_t limit) {
  std::error_code error;
  const fs::path file = pathOf(path);
  if (fs::is_directory(file, error)) fail(path + ": is a folder, not a drawing file");
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) fail(path + ": cannot open the drawing" + reason());
  const auto size = fs::file_size(file, error);
  if (!error && size > limit) tooLarge(path, limit);
  std::string grown;
  if (!error) {
    std::shared_ptr<char[]> bytes(new char[static_cast<std::size_t>(size)]);
    in.read(bytes.get(), static_cast<std::streamsize>(size));
    const std::string_view read(bytes.get(), static_cast<std::size_t>(in.gcount()));
    if (in.peek() == std::ifstream::traits_type::eof() && !in.bad()) return {bytes, read};
    grown.assign(read);
    in.clear(in.rdstate() & ~std::ios::failbit);
  }
  readRest(in, grown, path, limit);
  if (in.bad()) fail(path + ": cannot read the drawing" + reason());
  auto text = std::make_shared<const std::string>(std::move(grown));
  return {text, *text};
}

// Temporary files are named "<drawing>.<16 hex digits>.vrn-tmp": a save
// killed before its rename leaves one, which the next save of the drawing
// removes.
constexpr std::string_view kTemporaryEnd = ".vrn-tmp";
constexpr std::size_t kRandomDigits = 16;

bool isTemporaryOf(const std::string& name, const std::string& drawingName) {
  const std::size_t length = drawingName.size() + 1 + kRandomDigits + kTemporaryEnd.size();
  if (name.size() != length || !name.starts_with(drawingName) || !name.ends_with(kTemporaryEnd) ||
      name[drawingName.size()] != '.') {
    return false;
  }
  const std::string_view digits =
      std::string_view(name).substr(drawingName.size() + 1, kRandomDigits);
  return digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// A temporary file that a save still writes is locked by it; one that no
// process holds is what a killed save left behind.
void removeLeftTemporaries(const fs::path& drawing) {
  const std::string drawingName = drawing.filename().string();
  std::error_code error;
  const fs::path folder = drawing.parent_path().empty() ? fs::path(".") : drawing.parent_path();
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!isTemporaryOf(it->path().filename().string(), drawingName)) continue;
    const platform::FileLockAttempt attempt = platform::tryLockFile(it->path());
    if (attempt.lock) {
      std::error_code ignored;
      fs::remove(it->path(), ignored);
    }
  }
}

// A new file beside `path` that no one else uses: its name carries 64
// random bits.
fs::path temporaryBeside(const fs::path& path) {
  std::random_device device;
  std::mt19937_64 random(
      (std::uint64_t{device()} << 32) ^ device() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (;;) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%016llx%s", static_cast<unsigned long long>(random()),
                  kTemporaryEnd.data());
    fs::path name = path;
    name += suffix;
    std::error_code error;
    if (!fs::exists(name, error)) return name;
  }
}

// The file a name stands for: a symbolic link is followed (to the end of a
// chain), so that saving writes the drawing it points to and the link stays.
fs::path fileBehind(const fs::path& name) {
  fs::path file = name;
  std::error_code error;
  for (int links = 0; fs::is_symlink(fs::symlink_status(file, error)); ++links) {
    if (links == 40) fail(name.string() + ": too many levels of symbolic links");
    const fs::path to = fs::read_symlink(file, error);
    if (error) fail(name.string() + ": cannot follow the symbolic link (" + error.message() + ")");
    file = to.is_absolute() ? to : file.parent_path() / to;
  }
  return file;
}

// What a document holds of its file: the lock, or the note that another
// program held it when the drawing was read, so that saving over it would
// undo that program's changes.
struct DrawingClaim {
  std::shared_ptr<platform::FileLock> lock;
  std::optional<fs::path> heldElsewhere;
};

// Takes the lock on a drawing file for this process.
std::shared_ptr<platform::FileLock> lockDrawing(const fs::path& file, const std::string& path,
                                                std::string_view refused) {
  platform::FileLockAttempt attempt = platform::tryLockFile(file);
  if (attempt.heldElsewhere) {
    fail(path + ": another program is working on this drawing (it holds its lock); " +
         std::string(refused));
  }
  return std::move(attempt.lock);
}

void writeTemporary(const drawing::DrawingData& data, const fs::path& temporary,
                    const std::string& path) {
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out)
    fail(path + ": cannot create a temporary file beside it to save the drawing" + reason());
  // No one else reads the drawing while it is being written; the old file's
  // owner and mode are given to it before the rename.
  std::error_code ignored;
  fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, ignored);
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

// Reading is never refused: a drawing another program works on can still be
// read, listed, or saved under another name.
drawing::DrawingData DxfFiles::load(const std::string& path, drawing::FileClaim& claim) const {
  const fs::path file = pathOf(path);
  platform::FileLockAttempt attempt = platform::tryLockFile(file);
  WholeFile whole = readWhole(path, sizeLimit_);
  drawing::DrawingData data = readDxf(std::move(whole.owner), whole.text, path);
  auto held = std::make_shared<DrawingClaim>();
  held->lock = std::move(attempt.lock);
  if (attempt.heldElsewhere) held->heldElsewhere = file;
  claim = std::move(held);
  return data;
}

void DxfFiles::save(const drawing::DrawingData& data, const std::string& path,
                    drawing::FileClaim& claim) const {
  const fs::path target = fileBehind(pathOf(path));
  // Every claim this class hands out is a DrawingClaim.
  if (const auto previous = std::static_pointer_cast<const DrawingClaim>(claim);
      previous && previous->heldElsewhere) {
    std::error_code error;
    if (fs::equivalent(*previous->heldElsewhere, target, error)) {
      fail(path +
           ": another program was working on this drawing when it was opened, and saving over "
           "it could undo its changes; it was not saved");
    }
  }
  auto targetLock = lockDrawing(target, path, "it was not saved");
  if (platform::isReadOnlyFile(target)) fail(path + ": the drawing is read-only; it was not saved");
  removeLeftTemporaries(target);
  const fs::path temporary = temporaryBeside(target);
  try {
    writeTemporary(data, temporary, path);
    // Locked before the rename, the new file carries the lock over: no other
    // program can take the drawing between the old file and the new.
    auto newLock = platform::tryLockFile(temporary).lock;
    std::error_code error;
    if (fs::exists(target, error)) platform::keepOwnerAndMode(target, temporary);
    // Windows renames over a file only when no one has it open.
    claim.reset();
    targetLock.reset();
    fs::rename(temporary, target, error);
    if (error)
      fail(path + ": cannot replace the drawing with the saved one (" + error.message() + ")");
    platform::flushFolderToDisk(target.parent_path());
    claim = std::make_shared<const DrawingClaim>(DrawingClaim{std::move(newLock), std::nullopt});
  } catch (...) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw;
  }
}

}  // namespace vrn::dxf
