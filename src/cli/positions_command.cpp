// pyxaro-cli positions: where every person stands at every step of a range, written as it
// is computed: CSV row by row, JSON person by person from one compact table.
#include <charconv>
#include <cstdio>
#include <vector>

#include "cli/commands.h"
#include "core/doc/pxdoc.h"

namespace px {
namespace {

// Text collected in a small buffer and written to standard output whenever it fills.
class Output {
 public:
  ~Output() { Flush(); }
  Output& operator<<(const char* text) {
    for (; *text; ++text) Put(*text);
    return *this;
  }
  Output& operator<<(char c) {
    Put(c);
    return *this;
  }
  Output& operator<<(int value) {
    if (m_used + 16 > sizeof m_buffer) Flush();
    m_used = static_cast<size_t>(std::to_chars(m_buffer + m_used, m_buffer + sizeof m_buffer, value).ptr - m_buffer);
    return *this;
  }
  void Flush() {
    if (m_used) std::fwrite(m_buffer, 1, m_used, stdout);
    m_used = 0;
  }

 private:
  void Put(char c) {
    if (m_used == sizeof m_buffer) Flush();
    m_buffer[m_used++] = c;
  }
  char m_buffer[1 << 16];
  size_t m_used = 0;
};

}  // namespace

int PositionsCommand(const Args& args) {
  const Options options(args, {{"--from"}, {"--to"}, {"--csv", false}}, 1);
  auto opened = OpenShowOrFail(options.Positional(0));
  CPxDoc& doc = *opened;
  const int from = StepOption(options, "--from", doc, 0);
  const int to = StepOption(options, "--to", doc, std::max(doc.m_nLastStep, 0));
  if (to < from) FailUsage("the range " + std::to_string(from) + " to " + std::to_string(to) + " is empty");

  // Ascending steps, every person at each step: the order a replay of the show asks in,
  // which the Flex groups' shared caches depend on.
  const size_t people = doc.m_people.size();
  const size_t steps = static_cast<size_t>(to - from) + 1;
  Output out;
  if (options.Has("--csv")) {
    for (int step = from; step <= to; ++step)
      for (const auto& person : doc.m_people) {
        const CPoint p = person->GetPosition(step);
        out << step << ',' << person->m_nNumber << ',' << p.x << ',' << p.y << '\n';
      }
    return 0;
  }
  std::vector<CPoint> table(people * steps);  // step-major, as computed
  for (size_t s = 0; s < steps; ++s)
    for (size_t i = 0; i < people; ++i) table[s * people + i] = doc.m_people[i]->GetPosition(from + static_cast<int>(s));
  out << "{\"from\":" << from << ",\"to\":" << to << ",\"people\":[";
  for (size_t i = 0; i < people; ++i) {
    out << (i ? ",{\"id\":" : "{\"id\":") << doc.m_people[i]->m_nNumber << ",\"positions\":[";
    for (size_t s = 0; s < steps; ++s) {
      const CPoint p = table[s * people + i];
      out << (s ? ",[" : "[") << p.x << ',' << p.y << ']';
    }
    out << "]}";
  }
  out << "]}\n";
  return 0;
}

}  // namespace px
