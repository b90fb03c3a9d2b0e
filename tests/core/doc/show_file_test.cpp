// Opening and saving show files: the document message of every failure, and a save that
// either replaces the show completely or leaves it as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/support/files.h"

namespace px {
namespace {

namespace fs = std::filesystem;

using test::ReadAll;
using test::WriteAll;

const char* const kUnexpected = "Unexpected file format.";
const std::string kNotFound = "\nCannot find this file.\nPlease verify that the correct path and file name are given.";

class ShowFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_ / name; }
  std::vector<std::string> Entries() const { return dir_.Entries(); }
  // A saved show with a title, so old and new contents differ.
  std::vector<char> SaveTitled(const std::string& path, const std::string& title) {
    CPxDoc doc;
    doc.m_strTitle = title;
    EXPECT_TRUE(WriteShowFile(path, doc).ok);
    return ReadAll(path);
  }

  test::TempDir dir_{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(ShowFileTest, SaveThenOpenGivesTheShowBackAndClearsModified) {
  CPxDoc doc;
  doc.m_strTitle = "Halftime";
  doc.SetModifiedFlag();
  const FileResult saved = WriteShowFile(Path("a.sho"), doc);
  ASSERT_TRUE(saved.ok) << saved.message;
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.sho"});

  CPxDoc read;
  read.SetModifiedFlag();
  const FileResult opened = ReadShowFile(Path("a.sho"), read);
  ASSERT_TRUE(opened.ok) << opened.message;
  EXPECT_EQ(read.m_strTitle, "Halftime");
  EXPECT_FALSE(read.IsModified());
}

TEST_F(ShowFileTest, FailuresGiveTheirDocumentMessages) {
  CPxDoc doc;
  EXPECT_EQ(ReadShowFile(Path("missing.sho"), doc).message, "missing.sho" + kNotFound);
  fs::create_directory(dir_.path() / "folder.sho");
  for (const char* name : {"nowhere/x.sho", "folder.sho"}) {
    const std::string shown = fs::path(name).filename().string();
    EXPECT_EQ(ReadShowFile(Path(name), doc).message, shown + kNotFound);
    EXPECT_EQ(WriteShowFile(Path(name), doc).message, shown + kNotFound);
  }
  // A failed save into a folder leaves nothing behind.
  EXPECT_EQ(Entries(), std::vector<std::string>{"folder.sho"});
  EXPECT_TRUE(fs::is_empty(dir_.path() / "folder.sho"));

  WriteAll(Path("empty.sho"), {});
  EXPECT_EQ(ReadShowFile(Path("empty.sho"), doc).message, kUnexpected);
  WriteAll(Path("text.sho"), {'h', 'e', 'l', 'l', 'o'});
  const FileResult damaged = ReadShowFile(Path("text.sho"), doc);
  EXPECT_FALSE(damaged.ok);
  EXPECT_EQ(damaged.message, kUnexpected);
}

TEST_F(ShowFileTest, UnreadableFileIsOpenedBySomeoneElse) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
  SaveTitled(Path("locked.sho"), "x");
  fs::permissions(Path("locked.sho"), fs::perms::none);
  CPxDoc doc;
  EXPECT_EQ(ReadShowFile(Path("locked.sho"), doc).message, "Unable to read from locked.sho, it is opened by someone else.");
}

TEST_F(ShowFileTest, ReadOnlyShowIsNotOverwritten) {
  const auto old = SaveTitled(Path("show.sho"), "old");
  fs::permissions(Path("show.sho"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  CPxDoc doc;
  doc.m_strTitle = "new";
  doc.SetModifiedFlag();
  const FileResult r = WriteShowFile(Path("show.sho"), doc);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Unable to write to show.sho, it is read-only or opened by someone else.");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(ReadAll(Path("show.sho")) == old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"show.sho"});
}

// A write that fails half-way (here: the file-size limit) keeps the old show byte for byte
// and leaves no temporary file beside it.
TEST_F(ShowFileTest, FailedWriteKeepsTheOldShowAndNoTemporaryFile) {
  const auto old = SaveTitled(Path("show.sho"), "old");
  CPxDoc doc;
  doc.m_strTitle = std::string(100000, 'n');

  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult r = WriteShowFile(Path("show.sho"), doc);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "An unexpected error occurred while writing show.sho.");
  EXPECT_TRUE(ReadAll(Path("show.sho")) == old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"show.sho"});
}

TEST_F(ShowFileTest, SaveKeepsThePermissionsOfTheShowItReplaces) {
  SaveTitled(Path("private.sho"), "old");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(Path("private.sho"), mode);
  SaveTitled(Path("private.sho"), "new");
  EXPECT_EQ(fs::status(Path("private.sho")).permissions(), mode);
}

TEST_F(ShowFileTest, SaveWritesThroughASymbolicLink) {
  fs::create_directory(dir_.path() / "real");
  SaveTitled(Path("real/show.sho"), "old");
  fs::create_symlink(dir_.path() / "real" / "show.sho", dir_.path() / "link.sho");
  const auto fresh = SaveTitled(Path("link.sho"), "new");
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "link.sho"));
  EXPECT_TRUE(ReadAll(Path("real/show.sho")) == fresh);
  CPxDoc read;
  ASSERT_TRUE(ReadShowFile(Path("real/show.sho"), read).ok);
  EXPECT_EQ(read.m_strTitle, "new");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"link.sho", "real"}));
}

// Only regular files are read, without waiting on a FIFO or reading a device without end,
// and none beyond the largest show file; nothing but a regular file is ever saved over.
TEST_F(ShowFileTest, OnlyRegularFilesAreReadOrReplaced) {
  ASSERT_EQ(::mkfifo(Path("pipe.sho").c_str(), 0644), 0);
  WriteAll(Path("huge.sho"), {});
  fs::resize_file(Path("huge.sho"), kMaxShowFileBytes + 1);  // sparse: no disk space taken
  for (const std::string& path : {Path("pipe.sho"), std::string("/dev/zero"), Path("huge.sho")}) {
    CPxDoc doc;
    const FileResult r = ReadShowFile(path, doc);
    EXPECT_EQ(r.message, kUnexpected) << path;
    EXPECT_FALSE(r.reason.empty()) << path;
  }
  CPxDoc doc;
  const FileResult r = WriteShowFile(Path("pipe.sho"), doc);
  EXPECT_EQ(r.message, "An unexpected error occurred while writing pipe.sho.");
  EXPECT_EQ(r.reason, "not a regular file");
  EXPECT_TRUE(fs::is_fifo(Path("pipe.sho")));
  fs::create_symlink(Path("pipe.sho"), Path("link.sho"));
  EXPECT_FALSE(WriteShowFile(Path("link.sho"), doc).ok);
  EXPECT_TRUE(fs::is_fifo(Path("pipe.sho")));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"huge.sho", "link.sho", "pipe.sho"}));
}

// A save killed half-way leaves its temporary file; the next save of the same show removes
// those whose process is gone, and only those.
TEST_F(ShowFileTest, SaveRemovesTemporaryFilesOfDeadSaves) {
  pid_t dead = 4000000;
  while (::kill(dead, 0) == 0 || errno != ESRCH) ++dead;
  const std::string deadTemp = "show.sho.~" + std::to_string(dead) + ".tmp";
  const std::string ownTemp = "show.sho.~" + std::to_string(::getpid()) + ".tmp";
  const std::vector<std::string> kept = {"other.sho.~" + std::to_string(dead) + ".tmp", "show.sho.~1.tmp",
                                         "show.sho.~x.tmp"};
  for (const std::string& name : kept) WriteAll(Path(name), {'k'});
  WriteAll(Path(deadTemp), {'d'});
  WriteAll(Path(ownTemp), {'o'});
  SaveTitled(Path("show.sho"), "new");
  std::vector<std::string> expected = kept;
  expected.push_back("show.sho");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Entries(), expected);
}

}  // namespace
}  // namespace px
