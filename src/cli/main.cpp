// ruvo-slip: the slip tools without a window, for scripts and checks.
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/std_streams.h"
#include "settings/file_errors.h"

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

// Runs the command; its exit code, or that of the error it raised.
int RunCommand(const ruvo::cli::Command& command, const ruvo::cli::Args& args,
               ruvo::cli::Context& ctx) {
  try {
    return command.run(args, ctx);
  } catch (const ruvo::cli::OutputError&) {
    return 1;  // main tells the stream's own error
  } catch (const ruvo::cli::UsageError& e) {
    ctx.err << "ruvo-slip " << command.name << ": " << ForTerminal(ctx, e.what())
            << "\nusage: ruvo-slip " << command.name << ' ' << command.synopsis << '\n';
    return 2;
  } catch (const std::exception& e) {
    // The core's error texts are CP932, like every text inside it.
    ctx.err << "ruvo-slip " << command.name << ": "
            << ForTerminal(ctx, ruvo::cli::ToOutput(ctx, e.what())) << '\n';
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  ruvo::cli::KeepStandardDescriptors();
  std::ios::sync_with_stdio(false);
  ruvo::cli::DescriptorInput input(STDIN_FILENO);
  ruvo::cli::DescriptorOutput output(STDOUT_FILENO);
  std::istream in(&input);
  std::ostream out(&output);
  ruvo::cli::Context ctx{in, out, std::cerr};
  // A folder removed under the shell has no path; "." then stands for it.
  std::error_code noFolder;
  if (auto folder = std::filesystem::current_path(noFolder); !noFolder) ctx.startFolder = folder;
  ruvo::cli::Args args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--cp932") {
      ctx.cp932 = true;
    } else {
      args.emplace_back(arg);
    }
  }
  const ruvo::cli::Command* command = nullptr;
  int rc = 0;
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(out);
    rc = args.empty() ? 2 : 0;
  } else if ((command = FindCommand(args[0])) == nullptr) {
    std::cerr << "ruvo-slip: unknown command '" << ForTerminal(ctx, args[0]) << "'\n";
    PrintUsage(std::cerr);
    return 2;
  } else {
    args.erase(args.begin());
    if (!command->ownHelp && ruvo::cli::AsksForHelp(args)) {
      ruvo::cli::PrintCommandHelp(*command, out);
    } else {
      rc = RunCommand(*command, args, ctx);
    }
  }
  // Nothing counts as written before it is out of the buffer.
  out.flush();
  if (output.error() != 0) {
    std::cerr << "ruvo-slip" << (command != nullptr ? " " + std::string(command->name) : "")
              << ": standard output cannot be written: "
              << ruvo::settings::ErrorReason(output.error()) << '\n';
    return 1;
  }
  return rc;
}
