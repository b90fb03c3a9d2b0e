#pragma once
// Why a dialog refused its OK: the message box text and its caption. The dialog stays open.
#include <string>

namespace px {

struct DialogMessage {
  std::string text;
  std::string caption;
  friend bool operator==(const DialogMessage&, const DialogMessage&) = default;
};

}  // namespace px
