#include "dxf/dxf_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "host/host_error.h"

namespace vrn::dxf {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string& message) { throw host::HostError(host::hr::kFail, message); }

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::shared_ptr<const std::string> readWhole(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) fail(path + ": is a folder, not a drawing file");
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) fail(path + ": cannot open the drawing (" + std::strerror(errno) + ")");
  auto text = std::make_shared<std::string>();
  const auto size = fs::file_size(path, error);
  if (!error) text->resize(static_cast<std::size_t>(size));
  std::size_t length = std::fread(text->data(), 1, text->size(), file.get());
  // The file may have grown since its size was taken.
  char extra[65536];
  while (std::size_t n = std::fread(extra, 1, sizeof extra, file.get())) {
    text->resize(length);
    text->append(extra, n);
    length += n;
  }
  if (std::ferror(file.get())) fail(path + ": cannot read the drawing (" + std::strerror(errno) + ")");
  text->resize(length);
  return text;
}

// A new file beside `path` that no one else uses: "x" opens it only if it
// does not exist yet.
std::pair<std::string, File> createTemporary(const std::string& path) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.vrn-tmp", static_cast<unsigned>(random()));
    std::string name = path + suffix;
    if (File file{std::fopen(name.c_str(), "wbx")}) return {std::move(name), std::move(file)};
    if (errno != EEXIST) break;
  }
  fail(path + ": cannot create a temporary file beside it to save the drawing (" + std::strerror(errno) + ")");
}

}  // namespace

drawing::DrawingData DxfFiles::load(const std::string& path) const {
  return readDxf(readWhole(path), path);
}

void DxfFiles::save(const drawing::DrawingData& data, const std::string& path) const {
  auto created = createTemporary(path);
  const std::string& temporary = created.first;
  File& file = created.second;
  try {
    bool written = true;
    writeDxf(data, [&](std::string_view piece) {
      written = written && std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
    });
    written = written && std::fflush(file.get()) == 0;
    const int writeErrno = errno;
    written = std::fclose(file.release()) == 0 && written;
    if (!written) fail(path + ": cannot write the drawing (" + std::strerror(writeErrno ? writeErrno : errno) + ")");
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!error && fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
    fs::rename(temporary, path, error);
    if (error) fail(path + ": cannot replace the drawing with the saved one (" + error.message() + ")");
  } catch (...) {
    file.reset();
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw;
  }
}

}  // namespace vrn::dxf
