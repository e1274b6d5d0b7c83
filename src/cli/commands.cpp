#include "cli/commands.h"

#include "cli/slip_options.h"

namespace ruvo::cli {

int RunNumText(const Args& args, Context& ctx);  // cmd_numtext.cpp

int RunTransfer(const Args& args, Context& ctx);   // cmd_transfer.cpp
int RunHalfWidth(const Args& args, Context& ctx);  // cmd_halfwidth.cpp
int RunClassify(const Args& args, Context& ctx);   // cmd_classify.cpp
int RunZip(const Args& args, Context& ctx);        // cmd_zip.cpp

int RunDrawList(const Args& args, Context& ctx);  // cmd_drawlist.cpp
int RunRender(const Args& args, Context& ctx);    // cmd_render.cpp
int RunPrint(const Args& args, Context& ctx);     // cmd_print.cpp
int RunBatch(const Args& args, Context& ctx);     // cmd_batch.cpp

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
      {"zip", "CODE [--address TEXT] [--dict PATH]",
       "postal code -> its addresses as JSON; with --address, whether the address agrees", RunZip},
      {"drawlist", kDrawListSynopsis,
       "the slip of DIR (default .) -> its draw list as JSON: font, size, x, y in dots, text",
       RunDrawList},
      {"render", kRenderSynopsis,
       "the slip as a one-page PDF (A4 unless --page) at its resolution; origin at the paper's "
       "top-left corner, not the printable area",
       RunRender},
      {"print", kPrintSynopsis,
       "prints the slip on the registered printer (or --printer NAME) and reports the job as JSON",
       RunPrint},
      {"batch",
       "FILE.csv [--dir DIR] [--map FILE] [--encoding utf-8|cp932] [--pdf OUT.pdf] "
       "[--printer NAME] [--skip-invalid] [--dry-run] [--dict PATH] [--dpi X[xY]] [--scale P] "
       "[--date YYYY-MM-DD] [--top N] [--left N]",
       "checks every row of an order CSV, then prints one slip per row as one job (or one PDF); "
       "JSON: rows, printed, skipped, problems; exit 0 only when every row printed",
       RunBatch},
      {"journal",
       "list|show ID|reprint ID...|export [FILE]|backup FILE|number [--dir DIR] "
       "[--search TEXT] [--name TEXT] [--tel NUMBER] [--zip CODE] [--address TEXT] "
       "[--goods TEXT] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--limit N] [--offset N] "
       "[--printer NAME] [--original-date] [--csv] [--encoding utf-8|cp932] [--mode 0|1] "
       "[--set NUMBER] [--plain] [--stop]",
       "the slips printed from the working folder (ruvo_journal.db): list, show, reprint, "
       "export for the back office, back up, number; 'journal --help' tells each",
       RunJournal},
      {"book",
       "list|add|delete ID|import FILE|export [FILE] [--dir DIR] [--search TEXT] [--limit N] "
       "[--offset N] [--name NAME] [--zip CODE] [--address1 TEXT] [--address2 TEXT] "
       "[--address3 TEXT] [--tel NUMBER] [--encoding utf-8|cp932]",
       "the recipient book: list, add, delete, import and export as CSV; 'book --help' tells each",
       RunBook},
  };
  return commands;
}

}  // namespace ruvo::cli
