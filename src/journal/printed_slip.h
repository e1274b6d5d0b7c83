#pragma once
// One printed slip as the journal keeps it: the slip as it was printed, how
// and where it was printed, and where the print came from. Texts are CP932
// like every text of the core, except the print queue's name, which is the
// print service's own (UTF-8 for CUPS).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/order_slip.h"
#include "journal/journal_time.h"
#include "print/slip_record.h"

namespace ruvo::journal {

// Where a print came from. The names are what the journal stores and
// ruvo-slip writes as "source".
enum class SlipOrigin { kWindow, kBatch, kCommandLine };
std::string_view OriginName(SlipOrigin origin);  // "window", "batch", "cli"
std::optional<SlipOrigin> OriginNamed(std::string_view name);

// How a slip was printed.
struct PrintSetup {
  int paperMode = 0;         // 0 手差し, 1 連続(４インチ): whose registration and ledger
  std::string printerQueue;  // the print service's name of the printer
  std::string printerName;   // CP932, as the printer list shows it
  std::string paper;         // CP932, as the printer lists it; empty: its default
  std::string paperSource;   // CP932, likewise
  SlipPrintValues values;    // effective resolution and margins the slip was laid out with
  int jobId = 0;             // the spooler's id of the job; 0 when it gave none
};

struct PrintedSlip {
  std::int64_t id = 0;  // given by the journal
  LocalTime printedAt;  // given by the journal's clock when it records the slip
  SlipOrigin origin = SlipOrigin::kWindow;
  std::string batchFile;                  // CP932: the order file a batch read; else empty
  int batchRow = 0;                       // its row as a spreadsheet shows it; else 0
  std::string orderNumber;                // CP932: the order file's order number; else empty
  std::optional<std::int64_t> reprintOf;  // the journal's slip this one printed again
  std::string slipNumber;                 // given by the paper mode's ledger; else empty
  PrintSetup setup;
  SlipRecord slip;  // as printed: a character CP932 could not hold is the "〓" printed
};

// The orders of the order file `file` printed in one job on `setup`, as the
// journal records them: each with its file, first row and order number.
std::vector<PrintedSlip> BatchOrdersPrinted(const std::filesystem::path& file,
                                            const std::vector<const batch::Order*>& orders,
                                            const PrintSetup& setup);

}  // namespace ruvo::journal
