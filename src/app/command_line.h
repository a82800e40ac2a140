#pragma once

#include <string>
#include <vector>

namespace meridex {

// What the command line asks for. It is read before the GUI application
// exists, so --help and --version work without a display.
enum class CommandLineAction { Run, PrintHelp, PrintVersion, Refuse };

struct CommandLine {
  CommandLineAction action = CommandLineAction::Run;
  // For PrintHelp and PrintVersion the text for standard output; for Refuse
  // the message and usage for standard error.
  std::string text;
  // The process's exit status when it does not run: 0, or 2 for a refusal.
  int exitStatus = 0;
};

// Reads the arguments after the program name. Meridex takes no arguments but
// --help and --version (alone); anything else is refused.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace meridex
