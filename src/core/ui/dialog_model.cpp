#include "core/ui/dialog_model.h"

#include <charconv>
#include <cstdlib>

#include "core/util/format.h"

namespace px {

int ControlInt(const std::string& value) {
  const std::string text = Trimmed(value);
  int result = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    throw DialogValueError("not a whole number: \"" + value + "\"");
  return result;
}

double ControlDouble(const std::string& value) {
  const std::string text = Trimmed(value);
  char* end = nullptr;
  const double result = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) throw DialogValueError("not a number: \"" + value + "\"");
  return result;
}

bool ControlBool(const std::string& value) {
  const std::string text = Trimmed(value);
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  throw DialogValueError("not true or false: \"" + value + "\"");
}

DialogControl IntControl(std::string name, int& field) {
  return {std::move(name), [&field](const std::string& v) { field = ControlInt(v); }};
}

DialogControl BoolControl(std::string name, bool& field) {
  return {std::move(name), [&field](const std::string& v) { field = ControlBool(v); }};
}

DialogControl TextControl(std::string name, std::string& field) {
  return {std::move(name), [&field](const std::string& v) { field = v; }};
}

DialogControl RadioControl(std::string name, int& group, int value) {
  return {std::move(name), [&group, value](const std::string& v) {
            if (ControlBool(v)) group = value;
          }};
}

}  // namespace px
