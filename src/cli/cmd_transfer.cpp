// ruvo-slip transfer: the pasted memo text on stdin (an address block or a
// whole order mail), the recipient fields, the memo after the transfer and
// the section the recipient was taken from on stdout as one JSON object,
// with the postal code checked against the whole address: a long address
// broken inside its place name still leads from its code.

#include <ostream>

#include "cli/commands.h"
#include "cli/zip_directory.h"
#include "postal/postal_check.h"
#include "transfer/mail_transfer.h"
#include "transfer/memo_lines.h"

namespace ruvo::cli {
namespace {

std::string JsonField(const Context& ctx, std::string_view key, std::string_view cp932) {
  return JsonString(ctx, key) + ":" + JsonString(ctx, ToOutput(ctx, cp932));
}

std::string JsonMemo(const Context& ctx, const MemoLines& memo) {
  std::string json = "[";
  for (std::size_t i = 0; i < memo.size(); ++i) {
    if (i > 0) json += ", ";
    json += JsonString(ctx, ToOutput(ctx, memo[i]));
  }
  return json + "]";
}

}  // namespace

int RunTransfer(const Args& args, Context& ctx) {
  std::optional<std::string> dict;
  for (ArgReader reader(args); !reader.Done();) {
    if (reader.NextOption() != "--dict") reader.Unknown();
    dict = reader.Value();
  }
  // A whole order mail is read, but no more lines than a mail holds and of
  // each only the head the window's memo keeps: nothing beyond is read,
  // whatever the input.
  const MailTransferResult result =
      TransferMail(ReadFirstLines(ctx, kMailLineLimit, kMemoLineReadLimit));
  // The fields start empty, so those the transfer does not write stay empty.
  const RecipientFields fields = ApplyMailTransfer(result, RecipientFields{});
  const std::string message =
      result.rules.noTextMessage ? JsonString(ctx, ToOutput(ctx, kNoTransferTextMessage)) : "null";
  const std::optional<std::string> heading = result.SectionHeading();
  const std::string section = heading ? JsonString(ctx, ToOutput(ctx, *heading)) : "null";
  // Written whole once complete: an error on the way leaves no half object.
  const std::string json =
      "{" + JsonField(ctx, "zip", fields.zip) + ", " + JsonField(ctx, "add1", fields.add1) + ", " +
      JsonField(ctx, "add2", fields.add2) + ", " + JsonField(ctx, "name", fields.name) + ", " +
      JsonField(ctx, "tel", fields.tel) + ", \"memo\":" + JsonMemo(ctx, result.FinalMemo()) +
      ", \"message\":" + message + ", \"section\":" + section + ", \"zip_check\":" +
      JsonZipCheck(ctx, dict, fields.zip, postal::WholeAddress(fields.add1, fields.add2)) + "}\n";
  ctx.out << json;
  return 0;
}

}  // namespace ruvo::cli
