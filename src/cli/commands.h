#pragma once
// The ruvo-slip commands. Each reads its own options with ArgReader, writes
// its result to ctx.out and returns the process exit code; a UsageError ends
// the program with exit code 2, any other error with 1.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_io.h"

namespace ruvo::cli {

using Args = std::vector<std::string>;

struct Command {
  std::string_view name;
  std::string_view synopsis;  // options, shown by --help
  std::string_view summary;   // one line, shown by --help
  int (*run)(const Args& args, Context& ctx);
  std::string_view details = {};  // more lines for `ruvo-slip COMMAND --help`
  // Answers --help itself: a command of subcommands tells the one asked about.
  bool ownHelp = false;
};

// Whether the command's arguments ask for its help (--help or -h).
bool AsksForHelp(const Args& args);

// `ruvo-slip COMMAND --help`: its usage, summary and details.
void PrintCommandHelp(const Command& command, std::ostream& os);

// Every command, in the order --help lists them (commands.cpp).
const std::vector<Command>& AllCommands();

}  // namespace ruvo::cli
