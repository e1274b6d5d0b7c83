#include "cli/journal_json.h"

#include "cli/json_object.h"
#include "settings/settings_names.h"

namespace ruvo::cli {
namespace {

std::string TextList(const Context& ctx, const std::vector<std::string>& cp932) {
  std::vector<std::string> values;
  for (const std::string& text : cp932)
    values.push_back(JsonString(ctx, ToOutput(ctx, text)));
  return JsonList(values);
}

std::vector<std::string> NonEmpty(std::initializer_list<const std::string*> texts) {
  std::vector<std::string> kept;
  for (const std::string* text : texts) {
    if (!text->empty()) kept.push_back(*text);
  }
  return kept;
}

std::string JoinedAddress(const SlipRecord& slip) {
  std::string joined;
  for (const std::string& line :
       NonEmpty({&slip.recipientAddress1, &slip.recipientAddress2, &slip.recipientAddress3}))
    joined += (joined.empty() ? "" : " ") + line;
  return joined;
}

// The ticked time slots, 1 for 10-12 … 5 for 18-20.
std::string TimeSlots(const SlipRecord& slip) {
  std::vector<std::string> ticked;
  for (std::size_t slot = 0; slot < slip.timeSlots.size(); ++slot) {
    if (slip.timeSlots[slot]) ticked.push_back(std::to_string(slot + 1));
  }
  return JsonList(ticked);
}

// The label texts as numbers: an empty margin is 0, as printing took it.
std::int64_t LabelNumber(const std::string& text) {
  try {
    return text.empty() ? 0 : std::stoll(text);
  } catch (const std::exception&) {
    return 0;
  }
}

void WhenAndWhere(JsonObject& json, const Context& ctx, const journal::PrintedSlip& slip) {
  json.Number("id", slip.id)
      .OutputText("printed_at", journal::Iso8601Text(slip.printedAt))
      .OutputText("source", journal::OriginName(slip.origin))
      .OutputText("printer", PrinterText(ctx, slip.setup));
}

void Numbers(JsonObject& json, const journal::PrintedSlip& slip) {
  json.OutputText("slip_date", journal::DateText(slip.slip.slipDate))
      .Text("order_number", slip.orderNumber)
      .Text("slip_number", slip.slipNumber)
      .Number("job_id", slip.setup.jobId);
}

void PrintSetup(JsonObject& json, const journal::PrintedSlip& slip) {
  const journal::PrintSetup& setup = slip.setup;
  json.Text("batch_file", slip.batchFile).Number("batch_row", slip.batchRow);
  if (slip.reprintOf) {
    json.Number("reprint_of", *slip.reprintOf);
  } else {
    json.Null("reprint_of");
  }
  json.Text("paper_mode", settings::PaperModeName(setup.paperMode))
      .Text("printer_name", setup.printerName)
      .Text("paper", setup.paper)
      .Text("paper_source", setup.paperSource)
      .Json("dpi", "[" + std::to_string(LabelNumber(setup.values.dpiX)) + ", " +
                       std::to_string(LabelNumber(setup.values.dpiY)) + "]")
      .Number("top", LabelNumber(setup.values.top))
      .Number("left", LabelNumber(setup.values.left));
}

void SlipValues(JsonObject& json, const Context& ctx, const SlipRecord& slip) {
  json.Text("zip", slip.recipientZip)
      .Text("address1", slip.recipientAddress1)
      .Text("address2", slip.recipientAddress2)
      .Text("address3", slip.recipientAddress3)
      .Text("name", slip.recipientName)
      .Text("tel", slip.recipientTel)
      .Json("goods", TextList(ctx, {slip.goods.begin(), slip.goods.end()}))
      .Text("quantity", slip.quantity)
      .Bool("print_date", slip.printDate)
      .Text("wished_month", slip.wishedMonth)
      .Text("wished_day", slip.wishedDay)
      .Json("time_slots", TimeSlots(slip))
      .Bool("print_sender", slip.printSender)
      .Text("sender_zip", slip.senderZip)
      .Text("sender_address1", slip.senderAddress1)
      .Text("sender_address2", slip.senderAddress2)
      .Text("sender_name", slip.senderName)
      .Text("sender_tel", slip.senderTel);
}

}  // namespace

std::string PrinterText(const Context& ctx, const journal::PrintSetup& setup) {
  return ctx.cp932 ? setup.printerName : setup.printerQueue;
}

std::string SlipSummaryJson(const Context& ctx, const journal::PrintedSlip& slip) {
  const SlipRecord& values = slip.slip;
  JsonObject json(ctx);
  WhenAndWhere(json, ctx, slip);
  json.Text("zip", values.recipientZip)
      .Text("address", JoinedAddress(values))
      .Text("name", values.recipientName)
      .Text("tel", values.recipientTel)
      .Json("goods",
            TextList(ctx, NonEmpty({&values.goods[0], &values.goods[1], &values.goods[2]})));
  Numbers(json, slip);
  return json.Str();
}

std::string SlipJson(const Context& ctx, const journal::PrintedSlip& slip) {
  JsonObject json(ctx);
  WhenAndWhere(json, ctx, slip);
  PrintSetup(json, slip);
  Numbers(json, slip);
  SlipValues(json, ctx, slip.slip);
  return json.Str();
}

std::string RecipientJson(const Context& ctx, const journal::Recipient& recipient) {
  JsonObject json(ctx);
  json.Number("id", recipient.id)
      .Text("name", recipient.name)
      .Text("zip", recipient.zip)
      .Text("address1", recipient.address1)
      .Text("address2", recipient.address2)
      .Text("address3", recipient.address3)
      .Text("tel", recipient.tel);
  if (recipient.lastUsed.empty()) {
    json.Null("last_used");
  } else {
    json.OutputText("last_used", recipient.lastUsed);
  }
  json.Number("uses", recipient.uses).Bool("kept", recipient.kept);
  return json.Str();
}

}  // namespace ruvo::cli
