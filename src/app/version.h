#pragma once

namespace meridex {

// The program's version, as the splash, the About box and --version show it.
// The build's project version, the package and the AppStream release are
// checked against it by the tests.
inline constexpr const char* kVersionNumber = "1.22";
inline constexpr const char* kVersionText = "Version 1.22";

}  // namespace meridex
