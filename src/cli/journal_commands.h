#pragma once
// What the journal and book commands share: the working folder's journal,
// ids on the command line, and the files they export.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "batch/csv_encoding.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "journal/journal.h"

namespace ruvo::cli {

// A slip's or an entry's id: a whole number from 1; UsageError otherwise.
std::int64_t ParseId(const std::string& text);

// --dir and one id, nothing else (journal show, book delete); `what` names
// the id in the usage error when it is missing ("the slip's ID").
struct IdArgs {
  std::filesystem::path dir = ".";
  std::int64_t id = 0;
};
IdArgs ReadIdArgs(const Args& args, std::string_view what);

// --dir, --encoding and at most one FILE (book import and export).
struct CsvFileArgs {
  std::filesystem::path dir = ".";
  std::optional<std::string> file;
  std::optional<batch::CsvEncoding> encoding;
};
CsvFileArgs ReadCsvFileArgs(const Args& args);

// --encoding's value; UsageError for another name.
batch::CsvEncoding ParseEncoding(const std::string& text);

// The encoding a CSV file is written in: --encoding's, else CP932 with
// --cp932, else UTF-8 (with its BOM, for spreadsheets).
batch::CsvEncoding CsvEncodingFor(const Context& ctx, std::optional<batch::CsvEncoding> chosen);

// The journal of a working folder that must exist (WorkingFolderError).
journal::Journal OpenedJournal(const std::filesystem::path& dir);

// Warns when using the journal set a damaged file aside.
void WarnSetAside(Context& ctx, journal::Journal& journal);

// Writes an exported file: to standard output without `file`, else as the
// document `file` names (WriteDocument), followed by `report` on standard
// output unless the file went there.
void WriteExport(Context& ctx, const std::optional<std::string>& file, std::string_view bytes,
                 const std::string& report);

}  // namespace ruvo::cli
