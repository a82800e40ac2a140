#include "tool_options.h"

#include <exception>

namespace meridex::citydb {

std::optional<int> WholeNumber(const std::string& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

}  // namespace meridex::citydb
