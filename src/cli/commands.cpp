#include "cli/commands.h"

namespace ruvo::cli {

int RunNumText(const Args& args, Context& ctx);  // cmd_numtext.cpp

int RunTransfer(const Args& args, Context& ctx);   // cmd_transfer.cpp
int RunHalfWidth(const Args& args, Context& ctx);  // cmd_halfwidth.cpp
int RunClassify(const Args& args, Context& ctx);   // cmd_classify.cpp

// Each command lives in its own file; add one line here for a new command.
const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"numtext", "[--integer-length N] [--decimal-length N] [--no-minus] [--zero-enabled]",
       "each stdin line -> the value the numeric box stores as its Text", RunNumText},
      {"transfer", "", "pasted memo text -> recipient fields and memo as JSON", RunTransfer},
      {"halfwidth", "", "each stdin line -> its half-width form", RunHalfWidth},
      {"classify", "", "each stdin line -> its line judgements as JSON", RunClassify},
  };
  return commands;
}

}  // namespace ruvo::cli
