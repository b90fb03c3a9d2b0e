#pragma once
// Where this program instance keeps its undo file "px.tmp": a folder of its own under the
// user's temporary directory, so that two programs started in one folder never restore each
// other's shows and a read-only working folder does not matter.
#include <filesystem>
#include <functional>
#include <string>

namespace px {

constexpr const char* kUndoFileName = "px.tmp";

// The user's temporary directory (TMPDIR, else /tmp).
std::filesystem::path TempDirectory();
// The instance folder of this process under `tempRoot`: <tempRoot>/pyxaro-<pid>.
std::filesystem::path InstanceUndoFolder(const std::filesystem::path& tempRoot);
// The program-wide folder; the desktop program and the command-line tool set it at start-up.
// Until set, the instance folder under the system's temporary directory.
void SetUndoFolder(const std::filesystem::path& folder);
std::filesystem::path UndoFolder();
std::filesystem::path UndoFilePath();
// Creates the folder when missing, readable by its owner only. False (errno set) when it
// cannot be made, or when what stands there is not a folder of this user.
bool MakeUndoFolder();
// Deletes the instance folders under `tempRoot` whose process no longer runs, and returns how
// many. Folders of running instances, of other users and anything else are left alone.
int RemoveLeftoverUndoFolders(const std::filesystem::path& tempRoot);
// Deletes this instance's folder (at a normal exit: nothing can use it afterwards).
void RemoveUndoFolder();

// Shows the document message of a failed write or read of the undo file. The programs set it
// to their message box; unset, the failure is only returned.
void SetUndoFileReporter(std::function<void(const std::string& message)> reporter);
void ReportUndoFileError(const std::string& message);

}  // namespace px
