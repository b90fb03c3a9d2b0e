#pragma once
// Reading and writing show files, with the document messages for every failure.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace px {

class CPxDoc;

struct FileResult {
  bool ok = true;
  std::string message;  // the document message when !ok
  // What the system said (strerror) or why the file was refused, for tools that name the
  // whole path; empty when the message says it all.
  std::string reason;
};

// The largest show file read: far beyond any real show, far below what would exhaust memory.
constexpr std::uintmax_t kMaxShowFileBytes = 256u << 20;

// The show's bytes as they are written to a file.
std::vector<std::uint8_t> SaveShowToBytes(CPxDoc& doc);
// Reads a show into a freshly constructed document; throws ArchiveFormatError or std::bad_alloc.
void LoadShowFromBytes(std::span<const std::uint8_t> bytes, CPxDoc& doc);

// LoadShowFromBytes with its failures as document messages.
FileResult LoadShowReporting(std::span<const std::uint8_t> bytes, CPxDoc& doc);
// Reads a show file and checks that it holds a show, without touching any open show; the
// bytes can then be loaded over one with LoadShowFromBytes.
FileResult ReadCheckedShowBytes(const std::string& path, std::vector<std::uint8_t>& bytes);
// The document message for a failed open, read or write of `path` with this errno.
FileResult FileErrorResult(int error, bool reading, const std::string& path);

// Reads the file into `doc`, which must be freshly constructed. Only regular files of at most
// kMaxShowFileBytes are read; a FIFO or a device is refused without waiting on it. On failure
// the document is to be discarded by the caller.
FileResult ReadShowFile(const std::string& path, CPxDoc& doc);
// Writes beside the target first and renames over it only when everything was written, so
// a failed save keeps the old file intact. A target that exists must be a regular file (or a
// symbolic link to one). Temporary files that earlier saves of the same show left when their
// process died are removed. Clears the modified flag on success.
FileResult WriteShowFile(const std::string& path, CPxDoc& doc);

// The file's title as shown in messages: its name without the folder.
std::string FileTitle(const std::string& path);

}  // namespace px
