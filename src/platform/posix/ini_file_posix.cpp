// The POSIX IniFile: the whole file in memory as lines, written back in one
// piece. Lines that nothing changed (comments, blank lines, other keys) are
// written back exactly as read. The bytes come from a file, or from a
// caller's string (platform/posix/ini_bytes.h) read the same way.
//
// Text: read in the form platform/text_encoding.h tells from the bytes and
// written back in that form, byte-order mark and each line's end (CR LF or
// LF) included, so a file nothing changed keeps its bytes. A Windows-1255 file,
// brought over from Windows, is written as UTF-8, which holds every text.
// A file that cannot be read or whose bytes are no whole text is never
// written.

#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_map>
#include <variant>

#include "ascii/blanks.h"
#include "platform/ini_file.h"
#include "platform/posix/ini_bytes.h"
#include "platform/text_encoding.h"

namespace vrn::platform {
namespace {

namespace fs = std::filesystem;

// The form under which names that differ only in case meet (ICU's case
// folding, as sameName compares them): the key of the name indexes.
std::u16string foldedName(std::u16string_view name) {
  std::u16string folded(name.size(), u'\0');
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        u_strFoldCase(folded.data(), static_cast<int32_t>(folded.size()), name.data(),
                      static_cast<int32_t>(name.size()), U_FOLD_CASE_DEFAULT, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      folded.resize(static_cast<std::size_t>(length));
      continue;
    }
    if (U_FAILURE(status)) return std::u16string(name);
    folded.resize(static_cast<std::size_t>(length));
    return folded;
  }
}

bool sameName(std::u16string_view a, std::u16string_view b) {
  UErrorCode status = U_ZERO_ERROR;
  return u_strCaseCompare(a.data(), static_cast<int32_t>(a.size()), b.data(),
                          static_cast<int32_t>(b.size()), U_FOLD_CASE_DEFAULT, &status) == 0 &&
         U_SUCCESS(status);
}

std::u16string withoutLineBreaks(std::u16string_view text) {
  std::u16string result(text);
  std::replace_if(
      result.begin(), result.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
  return result;
}

struct Line {
  std::u16string text;  // as read; written back while the entry is unchanged
  bool isEntry = false;
  bool changed = false;
  std::u16string key;
  std::u16string value;
  // The line's own end as read ("\r\n", "\n", or none for the file's last
  // line): written back as it came, so a file of mixed line ends keeps each
  // one, and a carriage return that is part of a line's text stays there.
  std::u16string end;

  std::u16string output() const { return changed ? key + u"=" + value : text; }
};

struct Section {
  bool hasHeader = true;  // false for the lines before the first section
  std::u16string name;
  std::u16string header;
  std::u16string headerEnd;  // as Line::end
  std::vector<Line> lines;
  // Folded key -> index in `lines` of the first entry of that name, so that
  // reading or writing every key of a large section stays linear.
  std::unordered_map<std::u16string, std::size_t> firstEntry;
};

Line parseLine(std::u16string_view text) {
  Line line;
  line.text = text;
  std::u16string_view body = trimBlanks(text);
  if (body.empty() || body.front() == u';') return line;
  std::size_t equals = body.find(u'=');
  if (equals == std::u16string_view::npos) return line;
  line.isEntry = true;
  line.key = trimBlanks(body.substr(0, equals));
  line.value = trimBlanks(body.substr(equals + 1));
  return line;
}

std::vector<Section> parseFile(std::u16string_view text) {
  std::vector<Section> sections(1);
  sections.front().hasHeader = false;
  while (!text.empty()) {
    const std::size_t newline = text.find(u'\n');
    std::u16string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::u16string_view::npos ? text.size() : newline + 1);
    const bool carriageReturn = !line.empty() && line.back() == u'\r';
    if (carriageReturn) line.remove_suffix(1);
    const std::u16string_view end = newline == std::u16string_view::npos ? u""
                                    : carriageReturn                     ? u"\r\n"
                                                                         : u"\n";
    std::u16string_view body = trimBlanks(line);
    if (!body.empty() && body.front() == u'[') {
      // An unclosed bracket still opens a section: the name runs to the end.
      std::u16string_view name = body.substr(1, body.find(u']') - 1);
      sections.push_back({true,
                          std::u16string(trimBlanks(name)),
                          std::u16string(line),
                          std::u16string(end),
                          {},
                          {}});
      continue;
    }
    Section& section = sections.back();
    section.lines.push_back(parseLine(line));
    section.lines.back().end = end;
    if (section.lines.back().isEntry) {
      section.firstEntry.emplace(foldedName(section.lines.back().key), section.lines.size() - 1);
    }
  }
  return sections;
}

// The bytes of a file, or why they cannot be had. A missing file (or a
// missing folder on its path) is no error: it reads as empty.
struct FileBytes {
  bool exists = false;
  std::string bytes;
  std::string error;
};

FileBytes readFileBytes(const fs::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    return {true, {}, std::strerror(errno)};
  }
  // A pipe or device would block or never end.
  if (!S_ISREG(info.st_mode)) return {true, {}, "not a regular file"};
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {true, {}, std::strerror(errno)};
  FileBytes read{true, {}, {}};
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) read.error = std::strerror(errno);
    if (n <= 0) break;
    read.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  return read;
}

// Writes content to a new file beside target and renames it over target.
void replaceFile(const fs::path& target, const std::string& content) {
  // Through a link to its file, so that the link stays a link.
  std::error_code error;
  fs::path real = target;
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    real = fs::canonical(target, error);
    if (error) throw IniWriteError(target);
  }
  std::string pattern = real.string() + ".XXXXXX";
  int fd = mkstemp(pattern.data());
  if (fd < 0) throw IniWriteError(target);
  struct stat old {};
  mode_t mode = stat(real.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = fchmod(fd, mode) == 0;
  std::size_t written = 0;
  while (ok && written < content.size()) {
    ssize_t n = write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) written += static_cast<std::size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(pattern.c_str(), real.c_str()) == 0;
  if (!ok) {
    unlink(pattern.c_str());
    throw IniWriteError(target);
  }
}

// A file the user made read-only is not replaced, as the Windows profile
// functions do not write it either; the mode bits count even for root.
bool readOnly(const fs::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return false;  // missing: it is created
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return access(file.c_str(), W_OK) != 0 && errno == EACCES;
}

// Enough to tell that someone else replaced or edited the file.
struct FileStamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};

  static FileStamp of(const fs::path& file) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) return {};
    return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
  }
  bool operator==(const FileStamp& o) const {
    return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
  }
};

// Where an IniFile's bytes are kept: a file, or a caller's string.
class IniStorage {
 public:
  virtual ~IniStorage() = default;
  virtual FileBytes read() = 0;
  // Whether someone else wrote the bytes since they were last read or written.
  virtual bool changedSinceRead() const = 0;
  // Throws IniWriteError and keeps the old bytes when they cannot be replaced.
  virtual void write(const std::string& bytes) = 0;
};

class FileStorage final : public IniStorage {
 public:
  explicit FileStorage(fs::path file) : file_(std::move(file)) {}

  FileBytes read() override {
    stamp_ = FileStamp::of(file_);
    return readFileBytes(file_);
  }
  bool changedSinceRead() const override { return !(FileStamp::of(file_) == stamp_); }
  void write(const std::string& bytes) override {
    if (readOnly(file_)) throw IniWriteError(file_);
    replaceFile(file_, bytes);
    stamp_ = FileStamp::of(file_);
  }

 private:
  fs::path file_;
  FileStamp stamp_;
};

// Nobody else writes the string while the IniFile lives.
class StringStorage final : public IniStorage {
 public:
  explicit StringStorage(std::string& bytes) : bytes_(bytes) {}

  FileBytes read() override { return {true, bytes_, {}}; }
  bool changedSinceRead() const override { return false; }
  void write(const std::string& bytes) override { bytes_ = bytes; }

 private:
  std::string& bytes_;
};

struct WriteOperation {
  std::u16string section;
  std::u16string key;
  std::u16string value;
};
struct EraseOperation {
  std::u16string section;
};
using Operation = std::variant<WriteOperation, EraseOperation>;

class IniDocument {
 public:
  explicit IniDocument(std::u16string_view text)
      : sections_(parseFile(text)), lineEnd_(usesCrLf(text) ? u"\r\n" : u"\n") {
    indexSections();
  }

  const Section* findSection(std::u16string_view name) const {
    const auto it = firstSection_.find(foldedName(name));
    return it == firstSection_.end() ? nullptr : &sections_[it->second];
  }

  void apply(const WriteOperation& op) {
    Section& target = sectionForWriting(op.section);
    Line entry{{}, true, true, op.key, op.value, {}};
    std::u16string folded = foldedName(op.key);
    if (const auto it = target.firstEntry.find(folded); it != target.firstEntry.end()) {
      entry.end = std::move(target.lines[it->second].end);
      target.lines[it->second] = std::move(entry);
      return;
    }
    // After the section's last entry, so blank lines before the next section
    // stay there (and no indexed entry moves).
    auto lastEntry = std::find_if(target.lines.rbegin(), target.lines.rend(),
                                  [](const Line& line) { return line.isEntry; });
    const auto at = target.lines.insert(lastEntry.base(), std::move(entry));
    target.firstEntry.emplace(std::move(folded),
                              static_cast<std::size_t>(at - target.lines.begin()));
  }

  void apply(const EraseOperation& op) {
    std::erase_if(sections_,
                  [&](const Section& s) { return s.hasHeader && sameName(s.name, op.section); });
    indexSections();
  }

  std::u16string text() const {
    std::u16string result;
    for (const Section& section : sections_) {
      if (section.hasHeader) result += section.header + endOf(section.headerEnd);
      for (const Line& line : section.lines) result += line.output() + endOf(line.end);
    }
    return result;
  }

 private:
  // Folded name -> index of the first section of that name.
  void indexSections() {
    firstSection_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
      if (sections_[i].hasHeader) firstSection_.emplace(foldedName(sections_[i].name), i);
    }
  }

  Section& sectionForWriting(const std::u16string& name) {
    std::u16string folded = foldedName(name);
    if (const auto it = firstSection_.find(folded); it != firstSection_.end()) {
      return sections_[it->second];
    }
    sections_.push_back({true, name, u"[" + name + u"]", {}, {}, {}});
    firstSection_.emplace(std::move(folded), sections_.size() - 1);
    return sections_.back();
  }

  // A line added, or the file's last line that had none, ends as the file's
  // first line does.
  const std::u16string& endOf(const std::u16string& end) const {
    return end.empty() ? lineEnd_ : end;
  }

  static bool usesCrLf(std::u16string_view text) {
    const std::size_t end = text.find(u'\n');
    return end != std::u16string_view::npos && end > 0 && text[end - 1] == u'\r';
  }

  std::vector<Section> sections_;
  std::u16string lineEnd_;
  std::unordered_map<std::u16string, std::size_t> firstSection_;
};

// Reads see the file as it is now, as the Windows profile functions do:
// when the file changed on disk, it is read again and the writes not yet
// put into the file are replayed on top, so an edit made meanwhile by hand
// or by another program is kept.
class PosixIniFile final : public IniFile {
 public:
  PosixIniFile(fs::path file, std::unique_ptr<IniStorage> storage)
      : file_(std::move(file)), storage_(std::move(storage)) {
    reload();
  }

  const fs::path& fileName() const override { return file_; }

  std::optional<IniReadError> readError() const override {
    current();
    if (readError_.empty()) return std::nullopt;
    return IniReadError(file_, readError_);
  }

  std::optional<std::u16string> findString(std::u16string_view section,
                                           std::u16string_view key) const override {
    const Section* found = current().findSection(section);
    if (found == nullptr) return std::nullopt;
    const auto entry = found->firstEntry.find(foldedName(key));
    if (entry == found->firstEntry.end()) return std::nullopt;
    return found->lines[entry->second].value;
  }

  std::vector<std::u16string> readSection(std::u16string_view section) const override {
    std::vector<std::u16string> keys;
    if (const Section* found = current().findSection(section)) {
      for (const Line& line : found->lines) {
        if (line.isEntry && !line.key.empty()) keys.push_back(line.key);
      }
    }
    return keys;
  }

  void writeString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override {
    record(WriteOperation{withoutLineBreaks(section), withoutLineBreaks(key),
                          withoutLineBreaks(value)});
  }

  void eraseSection(std::u16string_view section) override {
    record(EraseOperation{std::u16string(section)});
  }

  // A file that already holds exactly what would be written is left alone,
  // so writing back unchanged values neither rewrites it nor dates it anew.
  void updateFile() override {
    if (pending_.empty()) return;
    if (auto error = readError()) throw *error;
    const std::string text = encodeText(document_->text(), form_);
    if (onDisk_ && *onDisk_ == text) {
      pending_.clear();
      return;
    }
    storage_->write(text);
    pending_.clear();
    onDisk_ = text;
  }

 private:
  void reload() const {
    onDisk_.reset();
    FileBytes read = storage_->read();
    DecodedText decoded = decodeText(read.bytes);
    readError_ = !read.error.empty() ? read.error : decoded.damage;
    if (!readError_.empty()) decoded.text.clear();
    if (read.exists) onDisk_ = std::move(read.bytes);
    form_ = decoded.form.encoding == TextEncoding::Windows1255 ? TextForm{} : decoded.form;
    document_.emplace(decoded.text);
    for (const Operation& op : pending_)
      std::visit([&](const auto& o) { document_->apply(o); }, op);
  }

  const IniDocument& current() const {
    if (storage_->changedSinceRead()) reload();
    return *document_;
  }

  void record(Operation op) {
    current();
    std::visit([&](const auto& o) { document_->apply(o); }, op);
    pending_.push_back(std::move(op));
  }

  fs::path file_;
  std::unique_ptr<IniStorage> storage_;
  std::vector<Operation> pending_;
  mutable std::optional<IniDocument> document_;
  mutable std::optional<std::string> onDisk_;  // the file's bytes as last read or written
  mutable TextForm form_;                      // how the file is written back
  mutable std::string readError_;              // why the file could not be read, if it could not
};

}  // namespace

std::unique_ptr<IniFile> openIniFile(const fs::path& file) {
  return std::make_unique<PosixIniFile>(file, std::make_unique<FileStorage>(file));
}

std::unique_ptr<IniFile> openIniBytes(std::string& bytes) {
  return std::make_unique<PosixIniFile>(fs::path(), std::make_unique<StringStorage>(bytes));
}

}  // namespace vrn::platform
