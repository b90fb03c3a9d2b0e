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
};

// The show's bytes as they are written to a file.
std::vector<std::uint8_t> SaveShowToBytes(CPxDoc& doc);
// Reads a show into a freshly constructed document; throws ArchiveFormatError or std::bad_alloc.
void LoadShowFromBytes(std::span<const std::uint8_t> bytes, CPxDoc& doc);

// Reads the file into `doc`, which must be freshly constructed. On failure the document is
// to be discarded by the caller.
FileResult ReadShowFile(const std::string& path, CPxDoc& doc);
// Writes beside the target first and renames over it only when everything was written, so
// a failed save keeps the old file intact. Clears the modified flag on success.
FileResult WriteShowFile(const std::string& path, CPxDoc& doc);

// The file's title as shown in messages: its name without the folder.
std::string FileTitle(const std::string& path);

}  // namespace px
