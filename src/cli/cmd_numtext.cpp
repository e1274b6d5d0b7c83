// ruvo-slip numtext: the value that the numeric box stores when each input
// line is written as its Text, one per output line.

#include <limits>
#include <ostream>

#include "cli/commands.h"
#include "numedit/num_value_model.h"

namespace ruvo::cli {
namespace {

NumValueSettings ReadNumTextOptions(const Args& args) {
  NumValueSettings settings;
  constexpr int kMaxLength = std::numeric_limits<int>::max();
  for (ArgReader reader(args); !reader.Done();) {
    const std::string option = reader.NextOption();
    if (option == "--integer-length") {
      settings.integerLength = reader.IntValue(0, kMaxLength);
    } else if (option == "--decimal-length") {
      settings.decimalLength = reader.IntValue(0, kMaxLength);
    } else if (option == "--no-minus") {
      settings.minus = false;
    } else if (option == "--zero-enabled") {
      settings.zeroEnabled = true;
    } else {
      reader.Unknown();
    }
  }
  return settings;
}

}  // namespace

int RunNumText(const Args& args, Context& ctx) {
  const NumValueModel model(ReadNumTextOptions(args));
  AnswerEachLine(ctx, [&](const std::string& line) {
    // Writing Text stores StripLeadingZeros(ParseText(line)), whatever the
    // value was before.
    return ToOutput(ctx, model.StripLeadingZeros(model.ParseText(line)));
  });
  return 0;
}

}  // namespace ruvo::cli
