#pragma once
// Why a dialog refused its OK: the message box text and caption. The dialog stays open.
#include <string>

namespace px {

struct DialogRefusal {
  std::string text;
  std::string caption;
  friend bool operator==(const DialogRefusal&, const DialogRefusal&) = default;
};

}  // namespace px
