// ruvo-slip: the slip tools without a window, for scripts and checks.
#include <exception>
#include <iostream>

#include "cli/commands.h"

namespace {

using ruvo::cli::AllCommands;
using ruvo::cli::ForTerminal;

void PrintUsage(std::ostream& os) {
  os << "usage: ruvo-slip [--cp932] COMMAND [OPTIONS]\n\n"
        "Texts on stdin and stdout are UTF-8; with --cp932 they are raw Shift-JIS\n"
        "(code page 932) bytes.\n\nCommands:\n";
  for (const auto& command : AllCommands()) {
    os << "  " << command.name << ' ' << command.synopsis << "\n      " << command.summary << '\n';
  }
}

const ruvo::cli::Command* FindCommand(std::string_view name) {
  for (const auto& command : AllCommands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  ruvo::cli::Context ctx{std::cin, std::cout, std::cerr};
  ruvo::cli::Args args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--cp932") {
      ctx.cp932 = true;
    } else {
      args.emplace_back(arg);
    }
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(std::cout);
    return args.empty() ? 2 : 0;
  }
  const auto* command = FindCommand(args[0]);
  if (command == nullptr) {
    std::cerr << "ruvo-slip: unknown command '" << ForTerminal(ctx, args[0]) << "'\n";
    PrintUsage(std::cerr);
    return 2;
  }
  args.erase(args.begin());
  if (ruvo::cli::AsksForHelp(args)) {
    ruvo::cli::PrintCommandHelp(*command, std::cout);
    return 0;
  }
  try {
    const int rc = command->run(args, ctx);
    std::cout.flush();
    return rc;
  } catch (const ruvo::cli::UsageError& e) {
    std::cerr << "ruvo-slip " << command->name << ": " << ForTerminal(ctx, e.what())
              << "\nusage: ruvo-slip " << command->name << ' ' << command->synopsis << '\n';
    return 2;
  } catch (const std::exception& e) {
    // The core's error texts are CP932, like every text inside it.
    std::cerr << "ruvo-slip " << command->name << ": "
              << ForTerminal(ctx, ruvo::cli::ToOutput(ctx, e.what())) << '\n';
    return 1;
  }
}
