#pragma once
// What every pyxaro-cli subcommand needs: reading numbers from arguments and opening shows.
#include <climits>
#include <memory>
#include <optional>
#include <string>

namespace px {

class CPxDoc;

// The whole text as a decimal integer of at least `minimum`, or nothing.
std::optional<int> ParseInt(const std::string& text, int minimum = INT_MIN);

// Opens a show; on failure throws the FileResult, which main reports with exit status 1.
std::unique_ptr<CPxDoc> OpenShowOrThrow(const std::string& path);

}  // namespace px
