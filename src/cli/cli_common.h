#pragma once
// What every pyxaro-cli command shares: its arguments parsed one way, failures thrown to
// main with their exit status, and shows opened and saved with messages that name the path.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace px {

class CPxDoc;

using Args = std::vector<std::string>;

// Thrown by a command; main prints the message on standard error and exits with the status
// (2 for misuse, 1 for a failure of the work itself).
struct CliFailure {
  int status;
  std::string message;
};
[[noreturn]] void FailUsage(const std::string& message);
[[noreturn]] void Fail(const std::string& message);

// A command's arguments: the positional ones in order, "--name VALUE" options and flags.
// Options are named with their dashes ("-o", "--step"); a flag takes no value.
struct OptionRule {
  std::string_view name;
  bool takesValue = true;
};
class Options {
 public:
  // Fails as misuse on an unknown option, a missing value or a wrong number of positionals.
  Options(const Args& args, std::initializer_list<OptionRule> known, size_t positionals);

  const std::string& Positional(size_t i) const { return m_positional.at(i); }
  bool Has(std::string_view name) const;
  const std::string* Value(std::string_view name) const;
  // The option as a whole number from `lowest` to `highest`; `fallback` when it is absent.
  int Int(std::string_view name, long long lowest, long long highest, int fallback) const;

 private:
  std::vector<std::string> m_positional;
  std::map<std::string, std::string, std::less<>> m_values;
  std::set<std::string, std::less<>> m_flags;
};

// The whole text as a decimal integer from `lowest` to `highest`, or nothing.
std::optional<int> ParseInt(const std::string& text, long long lowest, long long highest);

// The highest step a step argument may name beyond a show's last step (the largest a show
// file can store).
constexpr int kMaxStep = 65535;

// A step argument: from 0 to the show's last step; `fallback` when it is absent. A step
// beyond the show fails as misuse and says how far the show reaches.
int StepOption(const Options& options, std::string_view name, const CPxDoc& doc, int fallback);

// The show's texts break lines with "\r\n"; a terminal and the tools fed by this one want "\n".
std::string WithLineFeeds(std::string text);

// " (the folder F does not exist)" when the folder of `path` is missing, else nothing.
std::string MissingFolderNote(const std::string& path);

// Opens a show, or fails with the path and the reason the system gave (a damaged show fails
// with the document message).
std::unique_ptr<CPxDoc> OpenShowOrFail(const std::string& path);
// Saves a show, or fails with the path and the reason.
void SaveShowOrFail(const std::string& path, CPxDoc& doc);

}  // namespace px
