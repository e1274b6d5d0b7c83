#pragma once
// One order row as a slip: every value read, normalised as the window's
// fields would hold it, and checked against the limits of those fields, the
// sender files and the postal-code directory.

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/csv_encoding.h"
#include "batch/csv_records.h"
#include "batch/order_columns.h"
#include "postal/postal_check.h"
#include "print/slip_fit.h"
#include "print/slip_record.h"
#include "settings/sender_file.h"

namespace ruvo::batch {

// The ten sender files of a working folder, each read once for a batch.
struct SenderBook {
  std::array<std::optional<settings::SenderFields>, settings::kSenderSlotCount> senders;
  // Why a slot could not be read (CP932, "my2.txt: No such file or directory").
  std::array<std::string, settings::kSenderSlotCount> errors;

  static SenderBook Load(const std::filesystem::path& directory);
};

// What every row of one batch shares.
struct OrderContext {
  CsvEncoding encoding = CsvEncoding::kCp932;
  SenderBook senders;
  int selectedSender = 0;                           // the sender tab, 0-9, for rows naming none
  const postal::PostalDirectory* postal = nullptr;  // null: no postal-code check
  std::chrono::year_month_day slipDate{};           // the shipping date printed on every slip
  // Measures each complete slip's texts against their boxes at `fitValues`
  // (resolution and form scale); null: no such check.
  const TextMeasurer* measurer = nullptr;
  SlipPrintValues fitValues{};
};

struct OrderRow {
  int row = 0;  // as a spreadsheet shows it
  SlipRecord slip;
  int senderSlot = 0;       // 0-9
  std::string orderNumber;  // CP932, from an order-number column; empty without one
  postal::ZipVerdict verdict = postal::ZipVerdict::Unknown;
  std::vector<BatchProblem> problems;  // `file` left for the caller; none: the row prints

  bool Printable() const { return problems.empty(); }
};

// True when every field is blank: a spreadsheet's empty row at the end of a
// file, left out like a blank line.
bool IsBlankRecord(const CsvRecord& record);

// Reads and checks one row: the byte limits the window's fields set for
// what the user enters (kSlipFields), a postal code of seven digits, a
// non-empty address line 1 and name, a quantity the quantity box holds
// (OrderQuantity), a known time slot and wished date, a sender slot whose
// file was read, characters the slip can print, fields no more than the
// header's, a postal code that does not contradict the address where the
// directory knows it (unknown codes pass), and, with a measurer, a text
// wider than its box on the form (「おなまえが枠に収まりません (12 mm はみ出します)」
// in the column the text came from). The slip prints the date block and the
// sender; an address line 1 too long for its place continues on line 2. The
// measuring throws as SLIP97_Prn for fit values it cannot read.
OrderRow ReadOrderRow(const CsvRecord& record, const OrderColumns& columns,
                      const OrderContext& context);

}  // namespace ruvo::batch
