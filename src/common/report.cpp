#include "common/report.h"

#include "common/text.h"

namespace meridex {

std::string InternalErrorMessage(std::string_view action) {
  return "Could not complete " + std::string(action) + ": an internal error occurred.";
}

std::string CommandAction(std::string_view caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      ++i;  // "&&" is one ampersand; "&x" marks x as the shortcut letter
      if (i == caption.size()) break;
    }
    text += caption[i];
  }
  return "\"" + TrimRight(text) + "\"";
}

}  // namespace meridex
