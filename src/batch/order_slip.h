#pragma once
// One order as a slip: its rows' texts read and normalised as the window's
// fields would hold them, and checked against the limits of those fields,
// the sender files and the postal-code directory.

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/csv_encoding.h"
#include "batch/order_columns.h"
#include "batch/order_rows.h"
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

// What every order of one batch shares.
struct OrderContext {
  CsvEncoding encoding = CsvEncoding::kCp932;  // the fields' (UTF-8 or CP932)
  SenderBook senders;
  int selectedSender = 0;                           // the sender tab, 0-9, for orders naming none
  const postal::PostalDirectory* postal = nullptr;  // null: no postal-code check
  std::chrono::year_month_day slipDate{};           // the shipping date printed on every slip
  // Measures each complete slip's texts against their boxes at `fitValues`
  // (resolution and form scale); null: no such check.
  const TextMeasurer* measurer = nullptr;
  SlipPrintValues fitValues{};
};

// One order: one slip, however many rows (items) it takes in the file.
struct Order {
  int row = 0;      // its first row, as a spreadsheet shows it
  int lastRow = 0;  // its last row; the first for an order of one row
  std::size_t rowCount = 1;
  SlipRecord slip;
  int senderSlot = 0;       // 0-9
  std::string orderNumber;  // CP932, from an order-number column; empty without one
  std::string buyer;        // CP932, who ordered, as the file names the buyer; empty when not
  std::string wishedDate;   // CP932, the wished date as the file writes it
  std::string timeSlot;     // CP932, the wished time as the file writes it
  postal::ZipVerdict verdict = postal::ZipVerdict::Unknown;
  // In row order, `file` left for the caller; none: the order prints.
  std::vector<BatchProblem> problems;
  // Printed all the same, and shown with the order: a text wider than its
  // box on the form.
  std::vector<BatchProblem> warnings;

  bool Printable() const { return problems.empty(); }
  // Whether the file names a buyer other than the recipient: a gift.
  bool IsGift() const { return !buyer.empty() && buyer != slip.recipientName; }
};

// An order's rows as they are collected: the first row's texts, and the
// items, goods lines and problems of every row.
struct OrderDraft {
  RowTexts first;
  int lastRow = 0;
  std::size_t rowCount = 1;
  std::vector<std::string> items;
  std::vector<std::string> goodsOfRows;  // each row's 品名1, for a file without item columns
  std::vector<BatchProblem> laterProblems;

  explicit OrderDraft(RowTexts row);
  // Adds a later row of the same order; a recipient that differs from the
  // first row's is that row's problem.
  void Add(RowTexts row);
};

// Reads and checks an order: the byte limits the window's fields set for
// what the user enters (kSlipFields), a postal code of seven digits, a
// non-empty address line 1 and name, a quantity of parcels the quantity box
// holds (OrderQuantity; 1 when the file gives none), a time slot the form
// has a box for and a wished date, a sender slot whose file was read,
// characters the slip can print, fields no more than the header's, a postal
// code that does not contradict the whole address where the directory
// knows it (unknown codes pass), and, with a measurer, a text wider than its
// box on the form: a warning (「おなまえが枠に収まりません (12 mm はみ出します)」 in
// the column the text came from). The name loses its honorific, an address
// line 1 too long for its place continues on line 2 (SplitLongAddress), the
// goods lines are the items' names (GoodsLinesOfItems) unless the file
// gives the lines. The measuring throws as SLIP97_Prn for fit values it
// cannot read.
Order BuildOrder(OrderDraft draft, const OrderColumns& columns, const OrderContext& context);

}  // namespace ruvo::batch
