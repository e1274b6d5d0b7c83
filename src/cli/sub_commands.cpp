#include "cli/sub_commands.h"

#include <algorithm>
#include <ostream>

#include "cli/commands.h"

namespace ruvo::cli {
namespace {

void Usage(std::ostream& out, std::string_view command, const SubCommand& sub) {
  out << "usage: ruvo-slip " << command << ' ' << sub.name << ' ' << sub.synopsis << "\n  "
      << sub.summary << '\n';
}

std::string Names(const std::vector<SubCommand>& subcommands) {
  std::string names;
  for (const SubCommand& sub : subcommands)
    names += (names.empty() ? "" : ", ") + std::string(sub.name);
  return names;
}

}  // namespace

int RunSubCommand(std::string_view command, const std::vector<SubCommand>& subcommands,
                  const Args& args, Context& ctx) {
  if (args.empty()) throw UsageError("a subcommand is needed: " + Names(subcommands));
  if (args[0] == "--help" || args[0] == "-h") {
    for (const SubCommand& sub : subcommands)
      Usage(ctx.out, command, sub);
    return 0;
  }
  const auto sub = std::find_if(subcommands.begin(), subcommands.end(),
                                [&](const SubCommand& each) { return each.name == args[0]; });
  if (sub == subcommands.end()) {
    throw UsageError("unknown subcommand '" + args[0] + "'; it is one of " + Names(subcommands));
  }
  if (AsksForHelp(args)) {
    Usage(ctx.out, command, *sub);
    return 0;
  }
  return sub->run(Args(args.begin() + 1, args.end()), ctx);
}

}  // namespace ruvo::cli
