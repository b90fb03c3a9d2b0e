#include "cli/cli_common.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px {

void FailUsage(const std::string& message) { throw CliFailure{2, message}; }
void Fail(const std::string& message) { throw CliFailure{1, message}; }

std::optional<int> ParseInt(const std::string& text, long long lowest, long long highest) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < lowest || value > highest) return std::nullopt;
  return static_cast<int>(value);
}

Options::Options(const Args& args, std::initializer_list<OptionRule> known, size_t positionals) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // "-12" is a number (describe takes negative coordinates), not an option.
    if (arg.size() < 2 || arg[0] != '-' || std::isdigit(static_cast<unsigned char>(arg[1]))) {
      m_positional.push_back(arg);
      continue;
    }
    const auto rule = std::find_if(known.begin(), known.end(), [&](const OptionRule& s) { return s.name == arg; });
    if (rule == known.end()) FailUsage("unknown option " + arg);
    if (!rule->takesValue) {
      m_flags.insert(arg);
    } else if (i + 1 < args.size()) {
      m_values[arg] = args[++i];
    } else {
      FailUsage(arg + " needs a value");
    }
  }
  if (m_positional.size() != positionals) FailUsage("wrong number of arguments");
}

bool Options::Has(std::string_view name) const { return m_flags.count(name) || m_values.count(name); }

const std::string* Options::Value(std::string_view name) const {
  const auto it = m_values.find(name);
  return it == m_values.end() ? nullptr : &it->second;
}

int Options::Int(std::string_view name, long long lowest, long long highest, int fallback) const {
  const std::string* text = Value(name);
  if (!text) return fallback;
  const std::optional<int> value = ParseInt(*text, lowest, highest);
  if (!value)
    FailUsage(std::string(name) + " needs a whole number from " + std::to_string(lowest) + " to " +
              std::to_string(highest));
  return *value;
}

int StepOption(const Options& options, std::string_view name, const CPxDoc& doc, int fallback) {
  const int last = std::max(doc.m_nLastStep, 0);
  const std::string* text = options.Value(name);
  if (!text) return fallback;
  // A number past the end is told apart from text that is no step at all.
  if (ParseInt(*text, 0, INT_MAX) && !ParseInt(*text, 0, last))
    FailUsage(std::string(name) + " " + *text + " is beyond the show's last step, " + std::to_string(last));
  return options.Int(name, 0, last, fallback);
}

std::string WithLineFeeds(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

namespace {

// The message of a failed read or write: the whole path, then the system's reason or the
// document message. A missing folder is named, so it is not mistaken for a missing show.
[[noreturn]] void FailOnFile(const char* verb, const std::string& path, const FileResult& result) {
  if (result.reason.empty()) Fail(path + ": " + result.message);
  Fail(std::string("cannot ") + verb + " " + path + ": " + result.reason + MissingFolderNote(path));
}

}  // namespace

std::string MissingFolderNote(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(path).parent_path();
  std::error_code ec;
  if (folder.empty() || fs::exists(folder, ec) || ec) return {};
  return " (the folder " + folder.string() + " does not exist)";
}

std::unique_ptr<CPxDoc> OpenShowOrFail(const std::string& path) {
  auto doc = std::make_unique<CPxDoc>();
  const FileResult result = ReadShowFile(path, *doc);
  if (!result.ok) FailOnFile("read", path, result);
  return doc;
}

void SaveShowOrFail(const std::string& path, CPxDoc& doc) {
  const FileResult result = WriteShowFile(path, doc);
  if (!result.ok) FailOnFile("write", path, result);
}

}  // namespace px
