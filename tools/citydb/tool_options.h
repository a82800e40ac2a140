#pragma once

#include <optional>
#include <string>

namespace meridex::citydb {

// A command-line value that must be a whole number: the number, or nothing
// when the text holds anything else.
std::optional<int> WholeNumber(const std::string& text);

}  // namespace meridex::citydb
