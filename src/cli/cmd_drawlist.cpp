// ruvo-slip drawlist: the slip of a working directory as its list of texts,
// in drawing order, with their faces, sizes and printer-dot positions, and
// for a text that runs out of its box, by how much.
#include <algorithm>
#include <ostream>

#include "cli/commands.h"
#include "cli/slip_options.h"
#include "cli/slip_output.h"
#include "cli/slip_session.h"
#include "print/lm_d97_dot.h"

namespace ruvo::cli {

namespace {

// One draw operation as a JSON object on one line; "overflow" only for a
// text that runs out of its box.
std::string DrawOpJson(const Context& ctx, const DrawOp& op, const FieldOverflow* overflow) {
  return "{\"font\": " + JsonString(ctx, ToOutput(ctx, op.font)) +
         ", \"size\": " + std::to_string(op.pointSize) + ", \"x\": " + std::to_string(op.x) +
         ", \"y\": " + std::to_string(op.y) +
         ", \"text\": " + JsonString(ctx, ToOutput(ctx, op.text)) +
         (overflow != nullptr ? ", \"overflow\": " + OverflowJson(ctx, *overflow) : "") + "}";
}

// The slip's draw list is its placed fields' non-empty texts, in order.
std::string DrawListJson(const Context& ctx, const SlipSession& session,
                         const std::vector<FieldOverflow>& overflows) {
  std::string json = "[";
  bool first = true;
  for (const PlacedField& placed :
       PlaceSlipFields(session.Prepared().slip, session.PrintValues())) {
    if (placed.op.text.empty()) continue;
    const auto overflow =
        std::find_if(overflows.begin(), overflows.end(),
                     [&](const FieldOverflow& o) { return o.name == placed.field->name; });
    json += (first ? "\n  " : ",\n  ") +
            DrawOpJson(ctx, placed.op, overflow == overflows.end() ? nullptr : &*overflow);
    first = false;
  }
  return json + (first ? "]\n" : "\n]\n");
}

}  // namespace

int RunDrawList(const Args& args, Context& ctx) {
  SlipOptions options;
  ArgReader reader(args);
  while (!reader.Done()) {
    if (!ReadSlipOption(reader.NextOption(), reader, ctx, options)) reader.Unknown();
  }
  const SlipSession session(options, ctx);
  SLIP97_Prn(session.Prepared().slip, session.PrintValues());  // its refusals, before any warning
  const std::vector<FieldOverflow> overflows = CheckSlipFit(session, ctx);
  ctx.out << DrawListJson(ctx, session, overflows);
  return 0;
}

}  // namespace ruvo::cli
