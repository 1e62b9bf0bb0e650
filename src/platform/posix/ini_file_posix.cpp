// The POSIX IniFile: the whole file in memory as lines, written back in one
// piece. Lines that nothing changed (comments, blank lines, other keys) are
// written back exactly as read.
//
// Text: read as UTF-16 when it starts with the UTF-16LE byte-order mark,
// else as UTF-8 when it is valid UTF-8 (a UTF-8 mark is dropped), else as
// Windows-1255, the code page of files brought over from Windows. Written
// as UTF-8, which holds every text without loss.

#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <unordered_map>
#include <variant>

#include "ascii/blanks.h"
#include "platform/code_page.h"
#include "platform/ini_file.h"

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

std::optional<std::u16string> fromUtf8(std::string_view bytes) {
  if (bytes.empty()) return std::u16string();
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR) return std::nullopt;
  std::u16string result(static_cast<std::size_t>(length), u'\0');
  status = U_ZERO_ERROR;
  u_strFromUTF8(result.data(), length, nullptr, bytes.data(), static_cast<int32_t>(bytes.size()),
                &status);
  if (U_FAILURE(status)) return std::nullopt;
  return result;
}

std::string toUtf8(std::u16string_view text) {
  if (text.empty()) return {};
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8WithSub(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD,
                     nullptr, &status);
  std::string result(static_cast<std::size_t>(length), '\0');
  status = U_ZERO_ERROR;
  u_strToUTF8WithSub(result.data(), length, nullptr, text.data(), static_cast<int32_t>(text.size()),
                     0xFFFD, nullptr, &status);
  return result;
}

std::u16string decodeFile(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      auto low = static_cast<unsigned char>(bytes[i]);
      auto high = static_cast<unsigned char>(bytes[i + 1]);
      text += static_cast<char16_t>(low | (high << 8));
    }
    return text;
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (auto text = fromUtf8(bytes)) return *text;
  return fromByteForm(bytes);
}

struct Line {
  std::u16string text;  // as read; written back while the entry is unchanged
  bool isEntry = false;
  bool changed = false;
  std::u16string key;
  std::u16string value;

  std::u16string output() const { return changed ? key + u"=" + value : text; }
};

struct Section {
  bool hasHeader = true;  // false for the lines before the first section
  std::u16string name;
  std::u16string header;
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
    std::size_t end = text.find(u'\n');
    std::u16string_view line = text.substr(0, end);
    text.remove_prefix(end == std::u16string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    std::u16string_view body = trimBlanks(line);
    if (!body.empty() && body.front() == u'[') {
      // An unclosed bracket still opens a section: the name runs to the end.
      std::u16string_view name = body.substr(1, body.find(u']') - 1);
      sections.push_back({true, std::u16string(trimBlanks(name)), std::u16string(line), {}, {}});
      continue;
    }
    Section& section = sections.back();
    section.lines.push_back(parseLine(line));
    if (section.lines.back().isEntry) {
      section.firstEntry.emplace(foldedName(section.lines.back().key), section.lines.size() - 1);
    }
  }
  return sections;
}

std::string readWholeFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
  explicit IniDocument(std::u16string_view text) : sections_(parseFile(text)) { indexSections(); }

  const Section* findSection(std::u16string_view name) const {
    const auto it = firstSection_.find(foldedName(name));
    return it == firstSection_.end() ? nullptr : &sections_[it->second];
  }

  void apply(const WriteOperation& op) {
    Section& target = sectionForWriting(op.section);
    Line entry{{}, true, true, op.key, op.value};
    std::u16string folded = foldedName(op.key);
    if (const auto it = target.firstEntry.find(folded); it != target.firstEntry.end()) {
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
      if (section.hasHeader) result += section.header + u"\n";
      for (const Line& line : section.lines) result += line.output() + u"\n";
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
    sections_.push_back({true, name, u"[" + name + u"]", {}, {}});
    firstSection_.emplace(std::move(folded), sections_.size() - 1);
    return sections_.back();
  }

  std::vector<Section> sections_;
  std::unordered_map<std::u16string, std::size_t> firstSection_;
};

// Reads see the file as it is now, as the Windows profile functions do:
// when the file changed on disk, it is read again and the writes not yet
// put into the file are replayed on top, so an edit made meanwhile by hand
// or by another program is kept.
class PosixIniFile final : public IniFile {
 public:
  explicit PosixIniFile(fs::path file) : file_(std::move(file)) { reload(); }

  const fs::path& fileName() const override { return file_; }

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
    current();
    const std::string text = toUtf8(document_->text());
    if (!(onDisk_ && *onDisk_ == text)) replaceFile(file_, text);
    pending_.clear();
    stamp_ = FileStamp::of(file_);
    onDisk_ = text;
  }

 private:
  void reload() const {
    stamp_ = FileStamp::of(file_);
    std::error_code error;
    onDisk_.reset();
    const std::string bytes = readWholeFile(file_);
    if (fs::exists(file_, error)) onDisk_ = bytes;
    document_.emplace(decodeFile(bytes));
    for (const Operation& op : pending_)
      std::visit([&](const auto& o) { document_->apply(o); }, op);
  }

  const IniDocument& current() const {
    if (!(FileStamp::of(file_) == stamp_)) reload();
    return *document_;
  }

  void record(Operation op) {
    current();
    std::visit([&](const auto& o) { document_->apply(o); }, op);
    pending_.push_back(std::move(op));
  }

  fs::path file_;
  std::vector<Operation> pending_;
  mutable std::optional<IniDocument> document_;
  mutable std::optional<std::string> onDisk_;  // the file's bytes as last read or written
  mutable FileStamp stamp_;
};

}  // namespace

std::unique_ptr<IniFile> openIniFile(const fs::path& file) {
  return std::make_unique<PosixIniFile>(file);
}

}  // namespace vrn::platform
