// What a save keeps of the user's set-up: links, read-only files, owner and
// mode, and the lock that keeps two processes from saving over each other.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../support/temp_dir.h"
#include "dxf/dxf_files.h"
#include "dxf_text.h"
#include "host/host_error.h"

namespace vrn::dxf {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Another process that takes flock()'s lock on a file, as a second vrn
// would, and holds it until destroyed.
class OtherProcess {
 public:
  explicit OtherProcess(const fs::path& file) {
    int ready[2];
    int done[2];
    if (::pipe(ready) != 0 || ::pipe(done) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(done[1]);
      const int fd = ::open(file.c_str(), O_RDONLY);
      const char locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
      char ignored = 0;
      const bool told = ::write(ready[1], &locked, 1) == 1;
      if (told && ::read(done[0], &ignored, 1) >= 0) ::_exit(0);
      ::_exit(1);
    }
    ::close(ready[1]);
    ::close(done[0]);
    done_ = done[1];
    char answer = 'n';
    locked_ = ::read(ready[0], &answer, 1) == 1 && answer == 'y';
    ::close(ready[0]);
  }
  ~OtherProcess() {
    ::close(done_);
    ::waitpid(pid_, nullptr, 0);
  }
  OtherProcess(const OtherProcess&) = delete;
  OtherProcess& operator=(const OtherProcess&) = delete;

  bool locked() const { return locked_; }

 private:
  pid_t pid_ = -1;
  int done_ = -1;
  bool locked_ = false;
};

class SafeSaveTest : public ::testing::Test {
 protected:
  fs::path write(const fs::path& path, const std::string& text = test::smallDrawing()) {
    vrn::test::writeFile(path, text);
    return path;
  }
  // Loads `path`, changes its first text to `text` and saves it in place.
  void changeAndSave(const fs::path& path, const std::string& text) {
    drawing::FileClaim claim;
    auto data = files_.load(path.string(), claim);
    data.entities[0]->record.set(1, text);
    files_.save(data, path.string(), claim);
  }
  std::string errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const host::HostError& error) {
      return error.what();
    }
    return "no error";
  }
  std::vector<std::string> namesIn(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  vrn::test::TempDir dir_;
  DxfFiles files_;
};

// Relative and absolute links, and a link to a link: the drawing behind
// them is written, beside itself, and every link stays a link.
TEST_F(SafeSaveTest, SavingThroughALinkWritesTheFileItPointsTo) {
  const fs::path real = write(dir_ / "real" / "plan.dxf");
  fs::create_directories(dir_ / "links");
  fs::create_symlink("../real/plan.dxf", dir_ / "links" / "relative.dxf");
  fs::create_symlink(real, dir_ / "links" / "absolute.dxf");
  fs::create_symlink("relative.dxf", dir_ / "links" / "chained.dxf");
  for (const char* link : {"relative.dxf", "absolute.dxf", "chained.dxf"}) {
    SCOPED_TRACE(link);
    changeAndSave(dir_ / "links" / link, link);
    EXPECT_TRUE(fs::is_symlink(dir_ / "links" / link));
    EXPECT_THAT(read(real), HasSubstr(std::string("\n") + link + "\n"));
    EXPECT_THAT(namesIn(dir_ / "real"), ::testing::ElementsAre("plan.dxf"));
  }
}

TEST_F(SafeSaveTest, AReadOnlyDrawingIsRefusedAndKept) {
  const fs::path path = write(dir_ / "plan.dxf");
  const std::string before = read(path);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_THAT(errorOf([&] { changeAndSave(path, "changed"); }),
              HasSubstr(path.string() + ": the drawing is read-only; it was not saved"));
  EXPECT_EQ(read(path), before);
  EXPECT_THAT(namesIn(dir_.path()), ::testing::ElementsAre("plan.dxf"));
}

TEST_F(SafeSaveTest, OwnerGroupAndModeAreKept) {
  const fs::path path = write(dir_ / "plan.dxf");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write);
  // Only the superuser may give a file to someone else.
  const bool giveAway = ::geteuid() == 0 && ::chown(path.c_str(), 4321, 8765) == 0;
  changeAndSave(path, "changed");
  struct stat saved {};
  ASSERT_EQ(::stat(path.c_str(), &saved), 0);
  EXPECT_EQ(saved.st_mode & 07777, 0660u);
  if (giveAway) {
    EXPECT_EQ(saved.st_uid, 4321u);
    EXPECT_EQ(saved.st_gid, 8765u);
  }
  EXPECT_THAT(read(path), HasSubstr("\nchanged\n"));
}

// A save killed before its rename leaves its temporary file; the next save
// of the same drawing removes it, and nothing else: not another drawing's,
// not a name of a different pattern, not one a running save still holds.
TEST_F(SafeSaveTest, TheNextSaveRemovesATemporaryFileLeftByAKilledSave) {
  const fs::path path = write(dir_ / "plan.dxf");
  for (const char* name : {"plan.dxf.0123456789abcdef.vrn-tmp", "plan.dxf.fedcba9876543210.vrn-tmp",
                           "other.dxf.0123456789abcdef.vrn-tmp", "plan.dxf.notmine.vrn-tmp",
                           "plan.dxf.0123456789ABCDEF.vrn-tmp"}) {
    write(dir_ / name, "half a drawing");
  }
  const OtherProcess saving(dir_ / "plan.dxf.fedcba9876543210.vrn-tmp");
  ASSERT_TRUE(saving.locked());
  changeAndSave(path, "changed");
  EXPECT_THAT(
      namesIn(dir_.path()),
      ::testing::ElementsAre("other.dxf.0123456789abcdef.vrn-tmp", "plan.dxf",
                             "plan.dxf.0123456789ABCDEF.vrn-tmp",
                             "plan.dxf.fedcba9876543210.vrn-tmp", "plan.dxf.notmine.vrn-tmp"));
}

// Two processes on one drawing: the second reads it, but is refused with a
// clear message when it saves over it, or saves another drawing over it,
// also once the first has finished (its changes would be undone); it may
// save under another name. The drawing stays the first one's.
TEST_F(SafeSaveTest, ADrawingHeldByAnotherProcessIsNotSavedOver) {
  const fs::path path = write(dir_ / "plan.dxf");
  const fs::path other = write(dir_ / "other.dxf");
  const std::string before = read(path);
  {
    drawing::FileClaim second;
    auto secondData = [&] {
      const OtherProcess first(path);
      EXPECT_TRUE(first.locked());
      auto data = files_.load(path.string(), second);
      drawing::FileClaim otherClaim;
      const auto otherData = files_.load(other.string(), otherClaim);
      EXPECT_THAT(errorOf([&] { files_.save(otherData, path.string(), otherClaim); }),
                  HasSubstr(path.string() +
                            ": another program is working on this drawing (it holds its lock); "
                            "it was not saved"));
      return data;
    }();
    secondData.entities[0]->record.set(1, "second");
    EXPECT_THAT(errorOf([&] { files_.save(secondData, path.string(), second); }),
                HasSubstr(path.string() + ": another program was working on this drawing when it "
                                          "was opened, and saving over it could undo its changes"));
    EXPECT_EQ(read(path), before);
    files_.save(secondData, (dir_ / "copy.dxf").string(), second);
    EXPECT_THAT(read(dir_ / "copy.dxf"), HasSubstr("\nsecond\n"));
  }
  // Once the first has finished, the drawing opens; its lock goes over to
  // the saved file, so others are kept off until the document lets go.
  drawing::FileClaim claim;
  auto data = files_.load(path.string(), claim);
  EXPECT_FALSE(OtherProcess(path).locked());
  data.entities[0]->record.set(1, "changed");
  files_.save(data, path.string(), claim);
  EXPECT_FALSE(OtherProcess(path).locked());
  // Within one process the drawing can be open more than once.
  drawing::FileClaim second;
  EXPECT_NO_THROW(files_.load(path.string(), second));
  claim.reset();
  second.reset();
  EXPECT_TRUE(OtherProcess(path).locked());
}

}  // namespace
}  // namespace vrn::dxf
