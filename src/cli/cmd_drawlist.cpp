// ruvo-slip drawlist: the slip of a working directory as its list of texts,
// in drawing order, with their faces, sizes and printer-dot positions.
#include <ostream>

#include "cli/commands.h"
#include "cli/slip_options.h"
#include "cli/slip_session.h"
#include "print/lm_d97_dot.h"

namespace ruvo::cli {

namespace {

// One draw operation as a JSON object on one line.
std::string DrawOpJson(const Context& ctx, const DrawOp& op) {
  return "{\"font\": " + JsonString(ctx, ToOutput(ctx, op.font)) +
         ", \"size\": " + std::to_string(op.pointSize) + ", \"x\": " + std::to_string(op.x) +
         ", \"y\": " + std::to_string(op.y) +
         ", \"text\": " + JsonString(ctx, ToOutput(ctx, op.text)) + "}";
}

std::string DrawListJson(const Context& ctx, const DrawList& list) {
  std::string json = "[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    json += (i == 0 ? "\n  " : ",\n  ") + DrawOpJson(ctx, list[i]);
  }
  return json + (list.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int RunDrawList(const Args& args, Context& ctx) {
  SlipOptions options;
  ArgReader reader(args);
  while (!reader.Done()) {
    if (!ReadSlipOption(reader.NextOption(), reader, ctx, options)) reader.Unknown();
  }
  const SlipSession session(options, ctx);
  ctx.out << DrawListJson(ctx, SLIP97_Prn(session.Prepared().slip, session.PrintValues()));
  return 0;
}

}  // namespace ruvo::cli
