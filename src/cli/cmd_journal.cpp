// ruvo-slip journal: the slips the working folder's journal keeps, listed,
// shown, exported for a shop's back office and backed up; reprint is in
// cmd_journal_reprint.cpp, the slip-number ledger in cmd_journal_number.cpp
// and the duplicate window in cmd_journal_duplicates.cpp.
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <ostream>

#include "cli/journal_commands.h"
#include "cli/journal_json.h"
#include "cli/json_object.h"
#include "cli/slip_options.h"
#include "cli/sub_commands.h"
#include "journal/journal_backup.h"
#include "journal/journal_search.h"
#include "journal/shipment_export.h"
#include "journal/sqlite_db.h"
#include "settings/file_store.h"

namespace ruvo::cli {

int RunJournalReprint(const Args& args, Context& ctx);     // cmd_journal_reprint.cpp
int RunJournalNumber(const Args& args, Context& ctx);      // cmd_journal_number.cpp
int RunJournalDuplicates(const Args& args, Context& ctx);  // cmd_journal_duplicates.cpp

namespace {

// The options that find slips, each filling its part of the query.
constexpr struct {
  std::string_view option;
  std::string journal::SlipQuery::*text;
} kTextOptions[] = {
    {"--search", &journal::SlipQuery::text},     {"--name", &journal::SlipQuery::name},
    {"--tel", &journal::SlipQuery::tel},         {"--zip", &journal::SlipQuery::zip},
    {"--address", &journal::SlipQuery::address}, {"--goods", &journal::SlipQuery::goods},
};

struct QueryOptions {
  std::filesystem::path dir = ".";
  journal::SlipQuery query;
};

// Reads a query option (the texts, --from, --to, --limit, --offset, --dir);
// false for another.
bool ReadQueryOption(const std::string& option, ArgReader& reader, Context& ctx,
                     QueryOptions& options) {
  for (const auto& row : kTextOptions) {
    if (option == row.option) {
      options.query.*row.text = reader.TextValue(ctx);
      return true;
    }
  }
  if (option == "--dir") {
    options.dir = reader.Value();
  } else if (option == "--from") {
    options.query.from = ParseDateOption(option, reader.Value());
  } else if (option == "--to") {
    options.query.to = ParseDateOption(option, reader.Value());
  } else if (option == "--limit") {
    options.query.limit = static_cast<std::size_t>(reader.IntValue(0, 1000000));
  } else if (option == "--offset") {
    options.query.offset = static_cast<std::size_t>(reader.IntValue(0, 100000000));
  } else {
    return false;
  }
  return true;
}

std::string SlipsJson(const Context& ctx, const journal::SlipPage& page) {
  std::vector<std::string> slips;
  for (const journal::PrintedSlip& slip : page.slips)
    slips.push_back(SlipSummaryJson(ctx, slip));
  return "{\"slips\": " + JsonList(slips, /*lines=*/true) +
         ", \"more\": " + (page.more ? "true" : "false") + "}\n";
}

int RunList(const Args& args, Context& ctx) {
  QueryOptions options;
  ArgReader reader(args);
  while (!reader.Done()) {
    if (!ReadQueryOption(reader.NextOption(), reader, ctx, options)) reader.Unknown();
  }
  journal::Journal journal = OpenedJournal(options.dir);
  const journal::SlipPage page = journal::FindSlips(journal, options.query);
  WarnSetAside(ctx, journal);
  ctx.out << SlipsJson(ctx, page);
  return 0;
}

int RunShow(const Args& args, Context& ctx) {
  const auto [dir, id] = ReadIdArgs(args, "the slip's ID");
  journal::Journal journal = OpenedJournal(dir);
  const std::optional<journal::PrintedSlip> slip = journal::FindSlip(journal, id);
  WarnSetAside(ctx, journal);
  if (!slip) throw std::runtime_error("no slip " + std::to_string(id) + " in the journal");
  ctx.out << SlipJson(ctx, *slip) << '\n';
  return 0;
}

int RunExport(const Args& args, Context& ctx) {
  QueryOptions options;
  options.query.limit = 0;
  options.query.oldestFirst = true;
  bool csv = false;
  std::optional<batch::CsvEncoding> encoding;
  std::optional<std::string> file;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--csv") {
      csv = true;
    } else if (option == "--encoding") {
      encoding = ParseEncoding(reader.Value());
    } else if (!option.starts_with("--") && !file) {
      file = option;
    } else if (!ReadQueryOption(option, reader, ctx, options)) {
      reader.Unknown();
    }
  }
  journal::Journal journal = OpenedJournal(options.dir);
  const journal::SlipPage page = journal::FindSlips(journal, options.query);
  WarnSetAside(ctx, journal);
  const std::string bytes =
      csv ? journal::ShipmentsCsv(page.slips, CsvEncodingFor(ctx, encoding)) : SlipsJson(ctx, page);
  const std::string report = JsonObject(ctx)
                                 .OutputText("export", file.value_or(""))
                                 .Number("slips", static_cast<std::int64_t>(page.slips.size()))
                                 .Str();
  WriteExport(ctx, file, bytes, report + "\n");
  return 0;
}

// A folder of this process's own under the temporary folder, removed with
// what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-backup-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw settings::FileWriteError(pattern, errno);
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The whole copy, which may be far larger than the settings the file store
// reads.
std::string CopyBytes(const std::filesystem::path& copy) {
  std::ifstream in(copy, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad() || !in.is_open()) throw settings::FileReadError(copy, errno != 0 ? errno : EIO);
  return bytes;
}

int RunBackup(const Args& args, Context& ctx) {
  std::filesystem::path dir = ".";
  std::optional<std::string> file;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      dir = reader.Value();
    } else if (!option.starts_with("--") && !file) {
      file = option;
    } else {
      reader.Unknown();
    }
  }
  if (!file) throw UsageError("the backup's FILE is required");
  journal::Journal journal = OpenedJournal(dir);
  // A consistent copy first, then written where FILE says as every document
  // is (a file replaced whole, or a stream).
  const ScratchFolder scratch;
  const std::filesystem::path copy = scratch.path() / journal::kJournalFileName;
  if (!journal::BackupJournal(journal, copy))
    throw std::runtime_error(settings::PathText(journal.File()) + ": no journal to back up yet");
  WarnSetAside(ctx, journal);
  // What the copy holds, which other programs' slips since may not be in.
  const std::int64_t slips = journal::Database(copy, journal::Database::Mode::kExisting)
                                 .QueryInt("SELECT count(*) FROM slips");
  const std::string bytes = CopyBytes(copy);
  const std::string report = JsonObject(ctx)
                                 .OutputText("backup", *file)
                                 .Number("slips", slips)
                                 .Number("bytes", static_cast<std::int64_t>(bytes.size()))
                                 .Str();
  WriteExport(ctx, file, bytes, report + "\n");
  return 0;
}

#define RUVO_QUERY_OPTIONS                                                                  \
  "[--dir DIR] [--search TEXT] [--name TEXT] [--tel NUMBER] [--zip CODE] [--address TEXT] " \
  "[--goods TEXT] [--from YYYY-MM-DD] [--to YYYY-MM-DD]"

const std::vector<SubCommand>& JournalCommands() {
  static const std::vector<SubCommand> commands = {
      {"list", RUVO_QUERY_OPTIONS " [--limit N] [--offset N]",
       "the slips printed, newest first, as JSON: {\"slips\": [...], \"more\": ...}", RunList},
      {"show", "ID [--dir DIR]", "every value the journal keeps of slip ID, as JSON", RunShow},
      {"reprint", "ID... [--dir DIR] [--printer NAME] [--original-date]",
       "prints the slips again as one job, dated today unless --original-date, and records them",
       RunJournalReprint},
      {"export", RUVO_QUERY_OPTIONS " [--csv] [--encoding utf-8|cp932] [FILE]",
       "the slips oldest first; with --csv order number, slip number, dates and recipient",
       RunExport},
      {"backup", "FILE [--dir DIR]", "a copy of the journal taken while it is in use", RunBackup},
      {"number", "[--dir DIR] [--mode 0|1] [--set NUMBER] [--plain] [--stop]",
       "the paper mode's slip-number ledger: the number on the next form", RunJournalNumber},
      {"duplicates", "[--dir DIR] [--hours N]",
       "how long a parcel to the same recipient with the same goods counts as printed: "
       "{\"hours\": N}, 0 for the same day",
       RunJournalDuplicates},
  };
  return commands;
}

#undef RUVO_QUERY_OPTIONS

}  // namespace

int RunJournal(const Args& args, Context& ctx) {
  return RunSubCommand("journal", JournalCommands(), args, ctx);
}

}  // namespace ruvo::cli
