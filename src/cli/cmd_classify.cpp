// ruvo-slip classify: the four judgements of each stdin line, one JSON
// object per line.

#include <ostream>

#include "cli/commands.h"
#include "transfer/classify.h"

namespace ruvo::cli {
namespace {

std::string ClassifyJson(const Context& ctx, const std::string& line) {
  return "{\"ZipTelCheck\": " + JsonString(ctx, ZipTelVerdictName(ZipTelCheck(line))) +
         ", \"AddressMarkCount\": " + std::to_string(AddressMarkCount(line)) +
         ", \"IsPrefectureLine\": " + (IsPrefectureLine(line) ? "true" : "false") +
         ", \"MailMarkCount\": " + std::to_string(MailMarkCount(line)) + "}";
}

}  // namespace

int RunClassify(const Args& args, Context& ctx) {
  for (ArgReader reader(args); !reader.Done();) {  // takes no options
    reader.NextOption();
    reader.Unknown();
  }
  AnswerEachLine(ctx, [&ctx](const std::string& line) { return ClassifyJson(ctx, line); });
  return 0;
}

}  // namespace ruvo::cli
