#include "cli/positions_command.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/doc/pxdoc.h"
#include "cli/cli_common.h"

namespace px {
namespace {

struct PositionsOptions {
  std::string path;
  std::optional<int> from, to;
  bool csv = false;
};

// Reads the options; false (after a message) when they do not make sense.
bool ParseOptions(const std::vector<std::string>& args, PositionsOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if ((arg == "--from" || arg == "--to") && i + 1 < args.size()) {
      const std::optional<int> step = ParseInt(args[++i], 0);
      if (!step) {
        std::cerr << "positions: " << arg << " needs a step number of 0 or more\n";
        return false;
      }
      (arg == "--from" ? options.from : options.to) = step;
    } else if (arg == "--csv") {
      options.csv = true;
    } else if (options.path.empty() && arg.rfind("--", 0) != 0) {
      options.path = arg;
    } else {
      std::cerr << "positions: usage: positions FILE [--from S] [--to T] [--csv]\n";
      return false;
    }
  }
  if (options.path.empty()) {
    std::cerr << "positions: usage: positions FILE [--from S] [--to T] [--csv]\n";
    return false;
  }
  return true;
}

}  // namespace

int CmdPositions(const std::vector<std::string>& args) {
  PositionsOptions options;
  if (!ParseOptions(args, options)) return 2;
  auto opened = OpenShowOrThrow(options.path);
  CPxDoc& doc = *opened;
  const int from = options.from.value_or(0);
  const int to = options.to.value_or(doc.m_nLastStep);
  if (to < from) {
    std::cerr << "positions: the range " << from << " to " << to << " is empty\n";
    return 2;
  }

  // Ascending steps, every person at each step: the order a replay of the show asks in,
  // which the Flex groups' shared caches depend on.
  const size_t count = static_cast<size_t>(to - from) + 1;
  std::vector<std::vector<CPoint>> table(doc.m_people.size(), std::vector<CPoint>(count));
  for (int step = from; step <= to; ++step)
    for (size_t i = 0; i < doc.m_people.size(); ++i)
      table[i][static_cast<size_t>(step - from)] = doc.m_people[i]->GetPosition(step);

  if (options.csv) {
    std::string out;
    char line[64];
    for (size_t s = 0; s < count; ++s) {
      for (size_t i = 0; i < doc.m_people.size(); ++i) {
        const CPoint p = table[i][s];
        std::snprintf(line, sizeof line, "%d,%d,%d,%d\n", from + static_cast<int>(s), doc.m_people[i]->m_nNumber, p.x, p.y);
        out += line;
      }
    }
    std::cout << out;
    return 0;
  }
  nlohmann::ordered_json json;
  json["from"] = from;
  json["to"] = to;
  json["people"] = nlohmann::ordered_json::array();
  for (size_t i = 0; i < doc.m_people.size(); ++i) {
    nlohmann::ordered_json positions = nlohmann::ordered_json::array();
    for (const CPoint& p : table[i]) positions.push_back({p.x, p.y});
    json["people"].push_back({{"id", doc.m_people[i]->m_nNumber}, {"positions", std::move(positions)}});
  }
  std::cout << json.dump() << "\n";
  return 0;
}

}  // namespace px
