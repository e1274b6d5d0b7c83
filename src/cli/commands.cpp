#include "cli/commands.h"

namespace ruvo::cli {

// Each command lives in its own file; add one line here for a new command.
const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {};
  return commands;
}

}  // namespace ruvo::cli
