#include "app/command_line.h"

#include "app/version.h"

namespace meridex {

namespace {

constexpr const char* kUsage = "Usage: meridex [--help | --version]\n";

std::string HelpText() {
  return std::string(kUsage) +
         "World time and measures: a world clock with a Hot List, your own places, a time\n"
         "forecast and an alarm; unit conversions, a calculator and a world map.\n"
         "\n"
         "  --help     show this help and exit\n"
         "  --version  show the version and exit\n"
         "\n"
         "Meridex keeps your files in $MERIDEX_HOME, or else in ~/.local/share/meridex.\n"
         "Starting Meridex while it runs brings its window to the front.\n";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return {};
  if (args.size() == 1 && args[0] == "--help") {
    return {CommandLineAction::PrintHelp, HelpText(), 0};
  }
  if (args.size() == 1 && args[0] == "--version") {
    return {CommandLineAction::PrintVersion, std::string("Meridex ") + kVersionNumber + "\n", 0};
  }
  const std::string& bad = (args[0] == "--help" || args[0] == "--version") ? args[1] : args[0];
  return {CommandLineAction::Refuse,
          "meridex: unknown argument \"" + bad + "\"\n" + kUsage +
              "Try \"meridex --help\" for more information.\n",
          2};
}

}  // namespace meridex
