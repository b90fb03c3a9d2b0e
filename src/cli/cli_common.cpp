#include "cli/cli_common.h"

#include <charconv>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px {

std::optional<int> ParseInt(const std::string& text, int minimum) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < minimum) return std::nullopt;
  return value;
}

std::unique_ptr<CPxDoc> OpenShowOrThrow(const std::string& path) {
  auto doc = std::make_unique<CPxDoc>();
  const FileResult result = ReadShowFile(path, *doc);
  if (!result.ok) throw result;
  return doc;
}

}  // namespace px
