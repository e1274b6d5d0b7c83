// ruvo-slip halfwidth: each stdin line in its half-width form.

#include <ostream>

#include "cli/commands.h"
#include "transfer/half_width.h"

namespace ruvo::cli {

int RunHalfWidth(const Args& args, Context& ctx) {
  for (ArgReader reader(args); !reader.Done();) {  // takes no options
    reader.NextOption();
    reader.Unknown();
  }
  AnswerEachLine(ctx, [&ctx](const std::string& line) { return ToOutput(ctx, ToHalfWidth(line)); });
  return 0;
}

}  // namespace ruvo::cli
