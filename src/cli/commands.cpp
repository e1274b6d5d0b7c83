#include "cli/commands.h"

namespace ruvo::cli {

int RunNumText(const Args& args, Context& ctx);  // cmd_numtext.cpp

// Each command lives in its own file; add one line here for a new command.
const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"numtext", "[--integer-length N] [--decimal-length N] [--no-minus] [--zero-enabled]",
       "each stdin line -> the value the numeric box stores as its Text", RunNumText},
  };
  return commands;
}

}  // namespace ruvo::cli
