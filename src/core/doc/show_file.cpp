#include "core/doc/show_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/util/format.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define PYXARO_POSIX 1
#endif

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

FileResult Failure(const char* message, const std::string& path) {
  return FileResult{false, ReplacePercent1(message, FileTitle(path))};
}

// The message for an errno of a failed open, read or write.
FileResult ErrnoFailure(int error, bool reading, const std::string& path) {
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

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

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

FileResult ReadShowFile(const std::string& path, CPxDoc& doc) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Failure(kNotFound, path);
  errno = 0;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return ErrnoFailure(errno, true, path);
  std::vector<std::uint8_t> bytes;
  try {
    std::uint8_t buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    if (std::ferror(file.get())) return ErrnoFailure(errno, true, path);
    file.reset();
    LoadShowFromBytes(bytes, doc);
  } catch (const ArchiveFormatError&) {
    return FileResult{false, kUnexpectedFormat};
  } catch (const std::bad_alloc&) {
    return FileResult{false, kNoMemory};
  } catch (const std::length_error&) {
    return FileResult{false, kNoMemory};
  }
  doc.SetModifiedFlag(false);
  return {};
}

FileResult WriteShowFile(const std::string& path, CPxDoc& doc) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = SaveShowToBytes(doc);
  } catch (const std::bad_alloc&) {
    return FileResult{false, kNoMemory};
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  // Saving through a symbolic link updates the show it names instead of replacing the link.
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) target = std::move(real);
  }
  if (fs::is_directory(target, ec)) return Failure(kNotFound, path);
  const fs::file_status old = fs::status(target, ec);
  const bool replacing = !ec && fs::exists(old);
  // A read-only show stays read-only: renaming over it would bypass its permission. A show
  // without any write permission counts as read-only even for the superuser, whom access()
  // lets through.
  constexpr auto kWriteBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if (replacing && (old.permissions() & kWriteBits) == fs::perms::none) return Failure(kWriteDenied, path);
#ifdef PYXARO_POSIX
  if (replacing && ::access(target.c_str(), W_OK) != 0) return ErrnoFailure(errno, false, path);
#endif
  fs::path temp = target;
  temp += Format(".~%lu.tmp", static_cast<unsigned long>(
#ifdef PYXARO_POSIX
                                  ::getpid()
#else
                                  0
#endif
                                  ));
  errno = 0;
  FilePtr file(std::fopen(temp.string().c_str(), "wb"));
  if (!file) return ErrnoFailure(errno, false, path);
  auto fail = [&](int error) {
    file.reset();
    fs::remove(temp, ec);
    return ErrnoFailure(error, false, path);
  };
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return fail(errno);
  if (std::fflush(file.get()) != 0) return fail(errno);
#ifdef PYXARO_POSIX
  if (::fsync(::fileno(file.get())) != 0) return fail(errno);
#endif
  if (std::fclose(file.release()) != 0) return fail(errno);
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
