#include "cli/commands.h"

#include <ostream>

#include "cli/slip_options.h"

namespace ruvo::cli {

int RunNumText(const Args& args, Context& ctx);  // cmd_numtext.cpp

int RunTransfer(const Args& args, Context& ctx);   // cmd_transfer.cpp
int RunHalfWidth(const Args& args, Context& ctx);  // cmd_halfwidth.cpp
int RunClassify(const Args& args, Context& ctx);   // cmd_classify.cpp
int RunZip(const Args& args, Context& ctx);        // cmd_zip.cpp

int RunDrawList(const Args& args, Context& ctx);   // cmd_drawlist.cpp
int RunRender(const Args& args, Context& ctx);     // cmd_render.cpp
int RunPrint(const Args& args, Context& ctx);      // cmd_print.cpp
int RunCalibrate(const Args& args, Context& ctx);  // cmd_calibrate.cpp
int RunBatch(const Args& args, Context& ctx);      // cmd_batch.cpp

constexpr std::string_view kZipDetails =
    "Without CODE, each line of stdin is a code, or a code, a tab or blanks and an\n"
    "address; each is answered as it comes: {\"zip\", \"addresses\"} and, with an\n"
    "address, \"verdict\" (match, mismatch or unknown); a line without code gets\n"
    "\"error\" and the exit status is 1.\n"
    "--import FILE reads Japan Post's KEN_ALL.CSV or JIGYOSYO.CSV, as downloaded,\n"
    "into DIR's database ruvo_postal.db, which then comes before Debian's\n"
    "dictionary; it says {\"imported\", \"kind\", \"entries\", \"prefectures\", \"index\"}\n"
    "(\"index\": the database).\n"
    "--forget-import drops everything imported into DIR, so that the dictionary is\n"
    "read again; it says {\"forgotten\": [file names], \"database\"}.\n"
    "--dict PATH reads that dictionary (SKK-JISYO.zipcode form) alone.\n";

constexpr std::string_view kBatchDetails =
    "The order file is a shop's export as downloaded (Rakuten RMS, Yahoo! Shopping,\n"
    "Amazon's order report, Shopify, futureshop, Next Engine) or a carrier's label\n"
    "layout (Yamato B2 Cloud, Sagawa e-Hiden II and III, Click Post), recognised by\n"
    "its header, or a CSV in ruvo's own columns; comma- or tab-separated, UTF-8,\n"
    "Shift-JIS or UTF-16 with its byte-order mark, at most 16 MiB and 1000 columns.\n"
    "Rows of one order make one slip; the recipient's columns are read, never the\n"
    "buyer's. --map FILE (else DIR/ruvo_csvmap.txt) holds lines such as\n"
    "  郵便番号 = COLUMN1 + \"-\" + COLUMN2\n"
    "One JSON object is written even when the batch fails (its \"error\" says why).\n";

int RunJournal(const Args& args, Context& ctx);  // cmd_journal.cpp
int RunBook(const Args& args, Context& ctx);     // cmd_book.cpp

// Each command lives in its own file; add one line here for a new command.
const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"numtext", "[--integer-length N] [--decimal-length N] [--no-minus] [--zero-enabled]",
       "each stdin line -> the value the numeric box stores as its Text", RunNumText},
      {"transfer", "[--dict PATH]",
       "pasted memo text -> recipient fields, memo and postal-code check as JSON", RunTransfer},
      {"halfwidth", "", "each stdin line -> its half-width form", RunHalfWidth},
      {"classify", "", "each stdin line -> its line judgements as JSON", RunClassify},
      {"zip",
       "[CODE...] [--address TEXT] [--dict PATH] [--dir DIR] [--import FILE] [--forget-import]",
       "postal codes (or stdin lines CODE [ADDRESS]) -> addresses as JSON, one object a line; "
       "with an address, whether it agrees",
       RunZip, kZipDetails},
      {"drawlist", kDrawListSynopsis,
       "the slip of DIR (default .) -> its draw list as JSON: font, size, x, y in dots, text",
       RunDrawList},
      {"render", kRenderSynopsis,
       "the slip as a one-page PDF (A4 unless --page) at its resolution; origin at the paper's "
       "top-left corner, not the printable area; --proof adds its boxes' outlines",
       RunRender},
      {"print", kPrintSynopsis,
       "prints the slip on the registered printer (or --printer NAME) and reports the job as "
       "JSON; --proof adds its boxes' outlines, for plain paper",
       RunPrint},
      {"calibrate", kCalibrateSynopsis,
       "prints the test sheet (every box outlined and captioned, crosshairs, mm rulers, feed "
       "arrow) on plain paper at the margins in force, or writes it as a one-page PDF",
       RunCalibrate},
      {"batch",
       "FILE.csv [--dir DIR] [--map FILE] [--encoding utf-8|cp932|utf-16le|utf-16be] "
       "[--pdf OUT.pdf] [--printer NAME] [--skip-invalid] [--dry-run] [--dict PATH] "
       "[--dpi X[xY]] [--scale P] [--date YYYY-MM-DD] [--top N] [--left N]",
       "checks every order of a shop's order file, then prints one slip per order as one job "
       "(or one PDF); JSON: rows, orders, printed, skipped, problems, warnings; exit 0 only "
       "when every order printed",
       RunBatch, kBatchDetails},
      {"journal",
       "list|show ID|reprint ID...|export [FILE]|backup FILE|number|duplicates [--dir DIR] "
       "[--search TEXT] [--name TEXT] [--tel NUMBER] [--zip CODE] [--address TEXT] "
       "[--goods TEXT] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--limit N] [--offset N] "
       "[--printer NAME] [--original-date] [--csv] [--encoding utf-8|cp932] [--mode 0|1] "
       "[--set NUMBER] [--plain] [--stop] [--hours N]",
       "the slips printed from the working folder (ruvo_journal.db): list, show, reprint, "
       "export for the back office, back up, number, duplicates; 'journal --help' tells each",
       RunJournal,
       {},
       /*ownHelp=*/true},
      {"book",
       "list|add|delete ID|import FILE|export [FILE] [--dir DIR] [--search TEXT] [--limit N] "
       "[--offset N] [--name NAME] [--zip CODE] [--address1 TEXT] [--address2 TEXT] "
       "[--address3 TEXT] [--tel NUMBER] [--encoding utf-8|cp932]",
       "the recipient book: list, add, delete, import and export as CSV; 'book --help' tells each",
       RunBook,
       {},
       /*ownHelp=*/true},
  };
  return commands;
}

bool AsksForHelp(const Args& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

void PrintCommandHelp(const Command& command, std::ostream& os) {
  os << "usage: ruvo-slip [--cp932] " << command.name << ' ' << command.synopsis << "\n\n"
     << command.summary << '\n';
  if (!command.details.empty()) os << '\n' << command.details;
}

}  // namespace ruvo::cli
