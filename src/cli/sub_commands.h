#pragma once
// Commands made of subcommands ("journal list", "book import"): each
// subcommand with its usage, and --help at either level.

#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace ruvo::cli {

struct SubCommand {
  std::string_view name;
  std::string_view synopsis;  // its arguments and options
  std::string_view summary;   // one line
  int (*run)(const Args& args, Context& ctx);
};

// Runs the subcommand args[0] with the rest of `args`. "--help" as the
// first argument lists the subcommands, after a subcommand shows its usage,
// each on standard output with exit code 0. UsageError for no subcommand or
// an unknown one.
int RunSubCommand(std::string_view command, const std::vector<SubCommand>& subcommands,
                  const Args& args, Context& ctx);

}  // namespace ruvo::cli
