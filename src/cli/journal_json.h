#pragma once
// The journal's slips and recipients as ruvo-slip writes them.

#include <string>

#include "cli/cli_io.h"
#include "journal/printed_slip.h"
#include "journal/recipient_book.h"

namespace ruvo::cli {

// A slip as "journal list" lists it: id, printed_at, source (where it was
// printed from), printer, zip, address (its lines joined by a blank), name,
// tel, goods (its lines that are not empty), slip_date, order_number,
// slip_number, job_id.
std::string SlipSummaryJson(const Context& ctx, const journal::PrintedSlip& slip);

// Every value the journal keeps of a slip, for "journal show".
std::string SlipJson(const Context& ctx, const journal::PrintedSlip& slip);

// id, name, zip, address1 … address3, tel, last_used, uses, kept.
std::string RecipientJson(const Context& ctx, const journal::Recipient& recipient);

// The printer as ruvo-slip names it: its queue name, or with --cp932 the
// name the printer list shows.
std::string PrinterText(const Context& ctx, const journal::PrintSetup& setup);

}  // namespace ruvo::cli
