#include "core/doc/show_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/util/format.h"

namespace px {
namespace {

const char* const kUnexpectedFormat = "Unexpected file format.";
const char* const kNotFound = "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
const char* const kReadDenied = "Unable to read from %1, it is opened by someone else.";
const char* const kWriteDenied = "Unable to write to %1, it is read-only or opened by someone else.";
const char* const kDiskFull = "Destination disk drive is full.";
const char* const kReadError = "An unexpected error occurred while reading %1.";
const char* const kWriteError = "An unexpected error occurred while writing %1.";
const char* const kNoMemory = "Insufficient memory to perform operation.";

std::unique_ptr<CObject> MakeRecord(const std::string& className) {
  if (className == "CFormation") return std::make_unique<CFormation>();
  if (className == "CDrawRect") return std::make_unique<CDrawRect>();
  if (className == "CDrawPoly") return std::make_unique<CDrawPoly>();
  if (className == "CPerson") return std::make_unique<CPerson>();
  if (className == "CPlace") return std::make_unique<CPlace>();
  if (className == "CStepInst") return std::make_unique<CStepInst>();
  return nullptr;
}

FileResult Failure(const char* message, const std::string& path, std::string reason = {}) {
  return FileResult{false, ReplacePercent1(message, FileTitle(path)), std::move(reason)};
}

// The document message for an errno of a failed open, read or write.
FileResult ErrnoMessage(int error, bool reading, const std::string& path) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case EISDIR:
    case EINVAL:
      return Failure(kNotFound, path);
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
      return Failure(reading ? kReadDenied : kWriteDenied, path);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return Failure(kDiskFull, path);
    case ENOMEM:
      return Failure(kNoMemory, path);
    default:
      return Failure(reading ? kReadError : kWriteError, path);
  }
}

// The message for an errno of a failed open, read or write.
FileResult ErrnoFailure(int error, bool reading, const std::string& path) {
  FileResult result = ErrnoMessage(error, reading, path);
  result.reason = std::strerror(error);
  return result;
}

FileResult TooLarge() { return FileResult{false, kUnexpectedFormat, "larger than any show file (256 MB)"}; }

// Closes a file descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : m_fd(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return m_fd; }
  int Close() {
    const int result = m_fd >= 0 ? ::close(m_fd) : 0;
    m_fd = -1;
    return result;
  }

 private:
  int m_fd;
};

// The whole file, if it is a regular file of at most kMaxShowFileBytes.
FileResult ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return ErrnoFailure(errno, true, path);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return ErrnoFailure(errno, true, path);
  if (S_ISDIR(st.st_mode)) return ErrnoFailure(EISDIR, true, path);
  if (!S_ISREG(st.st_mode)) return FileResult{false, kUnexpectedFormat, "not a regular file"};
  if (static_cast<std::uintmax_t>(st.st_size) > kMaxShowFileBytes) return TooLarge();
  bytes.reserve(static_cast<size_t>(st.st_size));
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ErrnoFailure(errno, true, path);
    if (n == 0) return {};
    // A file that grows while it is read is still held to the bound.
    if (bytes.size() + static_cast<size_t>(n) > kMaxShowFileBytes) return TooLarge();
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
}

bool WriteAllBytes(int fd, const std::vector<std::uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The temporary file a save of `target` by process `pid` writes before renaming it.
std::filesystem::path TempPath(const std::filesystem::path& target, unsigned long pid) {
  std::filesystem::path temp = target;
  temp += Format(".~%lu.tmp", pid);
  return temp;
}

// Removes the temporary files of `target` that saves killed half-way left behind: only files
// of our own name pattern whose process is gone, so a save running elsewhere keeps its own.
void RemoveLeftoverTemps(const std::filesystem::path& target) {
  namespace fs = std::filesystem;
  const std::string prefix = target.filename().string() + ".~";
  const std::string suffix = ".tmp";
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix)) continue;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::stol(digits));
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;  // running, or not ours to judge
    std::error_code ignored;
    if (fs::is_regular_file(it->symlink_status(ignored))) fs::remove(it->path(), ignored);
  }
}

}  // namespace

std::string FileTitle(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::vector<std::uint8_t> SaveShowToBytes(CPxDoc& doc) {
  CArchive ar;
  doc.Serialize(ar);
  return ar.Bytes();
}

void LoadShowFromBytes(std::span<const std::uint8_t> bytes, CPxDoc& doc) {
  CArchive ar(bytes, MakeRecord);
  doc.Serialize(ar);
}

FileResult FileErrorResult(int error, bool reading, const std::string& path) {
  return ErrnoFailure(error, reading, path);
}

FileResult ReadShowFile(const std::string& path, CPxDoc& doc) {
  std::vector<std::uint8_t> bytes;
  if (FileResult read = ReadBytes(path, bytes); !read.ok) return read;
  if (FileResult loaded = LoadShowReporting(bytes, doc); !loaded.ok) return loaded;
  doc.SetModifiedFlag(false);
  return {};
}

FileResult ReadCheckedShowBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  if (FileResult read = ReadBytes(path, bytes); !read.ok) return read;
  CPxDoc trial;
  return LoadShowReporting(bytes, trial);
}

FileResult LoadShowReporting(std::span<const std::uint8_t> bytes, CPxDoc& doc) {
  try {
    LoadShowFromBytes(bytes, doc);
  } catch (const ArchiveFormatError&) {
    return FileResult{false, kUnexpectedFormat, {}};
  } catch (const std::bad_alloc&) {
    return FileResult{false, kNoMemory, {}};
  } catch (const std::length_error&) {
    return FileResult{false, kNoMemory, {}};
  }
  return {};
}

FileResult WriteShowFile(const std::string& path, CPxDoc& doc) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = SaveShowToBytes(doc);
  } catch (const std::bad_alloc&) {
    return FileResult{false, kNoMemory, {}};
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  // Saving through a symbolic link updates the show it names instead of replacing the link.
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) target = std::move(real);
  }
  const fs::file_status old = fs::status(target, ec);
  const bool replacing = !ec && fs::exists(old);
  if (replacing && fs::is_directory(old)) return ErrnoFailure(EISDIR, false, path);
  // Renaming over a FIFO or a device node would replace it with a regular file.
  if (replacing && !fs::is_regular_file(old)) return Failure(kWriteError, path, "not a regular file");
  // A read-only show stays read-only: renaming over it would bypass its permission. A show
  // without any write permission counts as read-only even for the superuser, whom access()
  // lets through.
  constexpr auto kWriteBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if (replacing && (old.permissions() & kWriteBits) == fs::perms::none)
    return Failure(kWriteDenied, path, std::strerror(EACCES));
  if (replacing && ::access(target.c_str(), W_OK) != 0) return ErrnoFailure(errno, false, path);

  RemoveLeftoverTemps(target);
  const fs::path temp = TempPath(target, static_cast<unsigned long>(::getpid()));
  // A file of our own name is only ever ours, from an earlier failure of this process; never
  // write through whatever else might sit there.
  const auto create = [&] { return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); };
  int created = create();
  if (created < 0 && errno == EEXIST && ::unlink(temp.c_str()) == 0) created = create();
  if (created < 0) return ErrnoFailure(errno, false, path);
  Fd file(created);
  auto fail = [&](int error) {
    file.Close();
    fs::remove(temp, ec);
    return ErrnoFailure(error, false, path);
  };
  if (!WriteAllBytes(file.get(), bytes)) return fail(errno);
  if (::fsync(file.get()) != 0) return fail(errno);
  if (file.Close() != 0) return fail(errno);
  // The new file takes the place of the old one with the old one's permissions, so a
  // private show does not become readable by everyone.
  if (replacing) fs::permissions(temp, old.permissions(), ec);
  fs::rename(temp, target, ec);
  if (ec) {
    const int error = ec.value();
    fs::remove(temp, ec);
    return ErrnoFailure(error, false, path);
  }
  doc.SetModifiedFlag(false);
  return {};
}

}  // namespace px
