#include "core/doc/undo_file.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace px {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderPrefix = "pyxaro-";

struct UndoFileSettings {
  fs::path folder;
  std::function<void(const std::string&)> reporter;
};

UndoFileSettings& Settings() {
  static UndoFileSettings settings;
  return settings;
}

// The process id an instance folder is named after, or 0 when the name is not one of ours.
pid_t FolderPid(const std::string& name) {
  const std::string prefix = kFolderPrefix;
  if (!name.starts_with(prefix)) return 0;
  const std::string digits = name.substr(prefix.size());
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return static_cast<pid_t>(std::stol(digits));
}

}  // namespace

fs::path TempDirectory() {
  std::error_code ec;
  fs::path root = fs::temp_directory_path(ec);
  return ec ? fs::path("/tmp") : root;
}

fs::path InstanceUndoFolder(const fs::path& tempRoot) {
  return tempRoot / (kFolderPrefix + std::to_string(static_cast<long>(::getpid())));
}

void SetUndoFolder(const fs::path& folder) { Settings().folder = folder; }

fs::path UndoFolder() {
  const fs::path& folder = Settings().folder;
  return folder.empty() ? InstanceUndoFolder(TempDirectory()) : folder;
}

fs::path UndoFilePath() { return UndoFolder() / kUndoFileName; }

bool MakeUndoFolder() {
  const fs::path folder = UndoFolder();
  if (::mkdir(folder.c_str(), 0700) == 0) return true;
  if (errno != EEXIST) return false;
  // The temporary directory is shared: a name taken by someone else, or a link planted
  // there, must not receive the show.
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0) return false;
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
    errno = EACCES;
    return false;
  }
  return true;
}

int RemoveLeftoverUndoFolders(const fs::path& tempRoot) {
  int removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(tempRoot, ec), end; !ec && it != end; it.increment(ec)) {
    const pid_t pid = FolderPid(it->path().filename().string());
    if (pid <= 0 || pid == ::getpid()) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;  // still running, or not ours to judge
    std::error_code ignored;
    if (fs::remove_all(it->path(), ignored) != static_cast<std::uintmax_t>(-1)) ++removed;
  }
  return removed;
}

void RemoveUndoFolder() {
  std::error_code ignored;
  fs::remove_all(UndoFolder(), ignored);
}

void SetUndoFileReporter(std::function<void(const std::string&)> reporter) {
  Settings().reporter = std::move(reporter);
}

void ReportUndoFileError(const std::string& message) {
  if (Settings().reporter) Settings().reporter(message);
}

}  // namespace px
