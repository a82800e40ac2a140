#include "app/command_line.h"

#include <gtest/gtest.h>

namespace meridex {
namespace {

TEST(CommandLine, NoArgumentsRunsTheProgram) {
  EXPECT_EQ(ParseCommandLine({}).action, CommandLineAction::Run);
}

TEST(CommandLine, HelpAndVersionPrintAndSucceed) {
  const CommandLine help = ParseCommandLine({"--help"});
  EXPECT_EQ(help.action, CommandLineAction::PrintHelp);
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.text.rfind("Usage: meridex [--help | --version]\n", 0), 0u) << help.text;
  EXPECT_NE(help.text.find("MERIDEX_HOME"), std::string::npos);

  const CommandLine version = ParseCommandLine({"--version"});
  EXPECT_EQ(version.action, CommandLineAction::PrintVersion);
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.text, "Meridex 1.22\n");
}

TEST(CommandLine, EveryOtherArgumentIsRefusedNamingTheFirstUnknownOne) {
  struct Case {
    std::vector<std::string> args;
    std::string named;
  };
  const std::vector<Case> cases = {
      {{"--bogus"}, "--bogus"},
      {{"-h"}, "-h"},
      {{"--help=all"}, "--help=all"},
      {{"kydafe.dat"}, "kydafe.dat"},
      {{""}, ""},
      {{"--help", "--version"}, "--version"},
      {{"--version", "extra"}, "extra"},
      {{"-platform", "offscreen"}, "-platform"},
  };
  for (const Case& c : cases) {
    const CommandLine refused = ParseCommandLine(c.args);
    EXPECT_EQ(refused.action, CommandLineAction::Refuse) << c.named;
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_EQ(refused.text, "meridex: unknown argument \"" + c.named +
                                "\"\nUsage: meridex [--help | --version]\n"
                                "Try \"meridex --help\" for more information.\n");
  }
}

}  // namespace
}  // namespace meridex
