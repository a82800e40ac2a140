#pragma once

#include <string>
#include <string_view>

namespace meridex {

// A text (UTF-8) folded for matching: letters in lower case, Latin letters
// without their accents ("São Tomé" -> "sao tome", "Ærø" -> "aero"), other
// characters as they are. Bytes that are not UTF-8 are read as Latin-1, the
// encoding of the map's titles.
std::string FoldForMatch(std::string_view text);

// Whether a city title matches what the user typed into the filter: the
// typed text, folded, occurs in the folded title. Empty text matches all.
bool FilterMatches(std::string_view title, std::string_view typed);

}  // namespace meridex
