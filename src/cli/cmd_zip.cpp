// ruvo-slip zip CODE: the postal code's addresses from the offline
// dictionary, and with --address whether an address agrees with the code.

#include <optional>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/zip_directory.h"
#include "postal/postal_check.h"
#include "transfer/cp932_codec.h"

namespace ruvo::cli {

int RunZip(const Args& args, Context& ctx) {
  std::optional<std::string> code;
  std::optional<std::string> address;
  std::optional<std::string> dict;
  for (ArgReader reader(args); !reader.Done();) {
    const std::string option = reader.NextOption();
    if (option == "--address") {
      address = reader.TextValue(ctx);
    } else if (option == "--dict") {
      dict = reader.Value();
    } else if (!code && !option.starts_with("--")) {
      // Anything CP932 lacks becomes "〓", which no postal code holds.
      code = ctx.cp932 ? option : Utf8ToCp932(option).bytes;
    } else {
      reader.Unknown();
    }
  }
  if (!code) throw UsageError("a postal code is needed");
  const std::optional<postal::PostalCode> parsed = postal::ParsePostalCode(*code);
  if (!parsed) {
    throw UsageError("'" + ToOutput(ctx, *code) + "' is no postal code (seven digits, 105-0011)");
  }
  const postal::PostalDirectory directory = LoadZipDirectory(ctx, dict, ctx.startFolder);
  std::string json = "{\"zip\":" + JsonString(ctx, postal::DigitsOf(*parsed)) +
                     ", \"addresses\":" + JsonZipAddresses(ctx, directory, *code);
  if (address) {
    const postal::ZipVerdict verdict = postal::CheckPostalAddress(directory, *code, *address);
    json += ", \"verdict\":" + JsonString(ctx, postal::ZipVerdictName(verdict));
  }
  ctx.out << json + "}\n";
  return 0;
}

}  // namespace ruvo::cli
