// ruvo-slip book: the working folder's recipient book, listed, added to,
// taken from a CSV file (a shop's export or a book written here) and
// written as one.
#include <ostream>

#include "batch/order_values.h"
#include "cli/journal_commands.h"
#include "cli/journal_json.h"
#include "cli/json_object.h"
#include "cli/sub_commands.h"
#include "journal/book_csv.h"
#include "journal/recipient_book.h"
#include "settings/file_store.h"
#include "transfer/recipient_fields.h"

namespace ruvo::cli {
namespace {

std::string RecipientsJson(const Context& ctx, const std::vector<journal::Recipient>& book) {
  std::vector<std::string> recipients;
  for (const journal::Recipient& recipient : book)
    recipients.push_back(RecipientJson(ctx, recipient));
  return "{\"recipients\": " + JsonList(recipients, /*lines=*/true) + "}\n";
}

int RunList(const Args& args, Context& ctx) {
  std::filesystem::path dir = ".";
  journal::RecipientQuery query;
  query.limit = 0;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      dir = reader.Value();
    } else if (option == "--search") {
      query.text = reader.TextValue(ctx);
    } else if (option == "--limit") {
      query.limit = static_cast<std::size_t>(reader.IntValue(0, 1000000));
    } else if (option == "--offset") {
      query.offset = static_cast<std::size_t>(reader.IntValue(0, 100000000));
    } else {
      reader.Unknown();
    }
  }
  journal::Journal journal = OpenedJournal(dir);
  const std::vector<journal::Recipient> book = journal::FindRecipients(journal, query);
  WarnSetAside(ctx, journal);
  ctx.out << RecipientsJson(ctx, book);
  return 0;
}

// The texts of an entry, each filled by its option.
constexpr struct {
  std::string_view option;
  std::string journal::Recipient::*text;
} kEntryOptions[] = {
    {"--name", &journal::Recipient::name},         {"--zip", &journal::Recipient::zip},
    {"--address1", &journal::Recipient::address1}, {"--address2", &journal::Recipient::address2},
    {"--address3", &journal::Recipient::address3}, {"--tel", &journal::Recipient::tel},
};

int RunAdd(const Args& args, Context& ctx) {
  std::filesystem::path dir = ".";
  journal::Recipient recipient;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    const auto entry = std::find_if(std::begin(kEntryOptions), std::end(kEntryOptions),
                                    [&](const auto& row) { return row.option == option; });
    if (entry != std::end(kEntryOptions)) {
      recipient.*entry->text = reader.TextValue(ctx);
    } else if (option == "--dir") {
      dir = reader.Value();
    } else {
      reader.Unknown();
    }
  }
  // As the window's fields hold them: "１０５００１１" is 105-0011.
  recipient.zip = batch::SlipPostalCode(recipient.zip);
  recipient.tel = FieldTextAsHeld(SlipField::kRecipientTel, recipient.tel);
  journal::Journal journal = OpenedJournal(dir);
  const journal::BookChange change = journal::AddRecipient(journal, recipient);
  WarnSetAside(ctx, journal);
  ctx.out << JsonObject(ctx).Number("id", change.id).Bool("added", change.added).Str() << '\n';
  return 0;
}

int RunDelete(const Args& args, Context& ctx) {
  const IdArgs read = ReadIdArgs(args, "the entry's ID");
  journal::Journal journal = OpenedJournal(read.dir);
  journal::DeleteRecipient(journal, read.id);
  WarnSetAside(ctx, journal);
  ctx.out << JsonObject(ctx).Number("deleted", read.id).Str() << '\n';
  return 0;
}

std::string ImportJson(const Context& ctx, const journal::RecipientsFile& file,
                       const std::vector<journal::BookChange>& changes) {
  const auto added = std::count_if(changes.begin(), changes.end(),
                                   [](const journal::BookChange& change) { return change.added; });
  std::vector<std::string> problems;
  for (const batch::BatchProblem& problem : file.problems) {
    problems.push_back(JsonObject(ctx)
                           .Text("file", problem.file)
                           .Number("row", problem.row)
                           .Text("column", problem.column)
                           .Text("reason", problem.reason)
                           .Str());
  }
  return JsonObject(ctx)
             .Number("rows", static_cast<std::int64_t>(file.rows))
             .Number("added", added)
             .Number("updated", static_cast<std::int64_t>(changes.size()) - added)
             .OutputText("encoding", batch::CsvEncodingName(file.encoding))
             .Json("problems", JsonList(problems, /*lines=*/true))
             .Str() +
         "\n";
}

int RunImport(const Args& args, Context& ctx) {
  const auto [dir, file, encoding] = ReadCsvFileArgs(args);
  if (!file) throw UsageError("the CSV FILE is required");
  journal::Journal journal = OpenedJournal(dir);
  const journal::RecipientsFile read = journal::ReadRecipientsCsv(
      settings::ReadWholeFile(*file), encoding, settings::PathText(*file));
  // The rows without a problem are taken; the rest are told, and the
  // command fails, so that a script sees the file was not taken whole.
  const std::vector<journal::BookChange> changes =
      read.recipients.empty() ? std::vector<journal::BookChange>()
                              : journal::AddRecipients(journal, read.recipients);
  WarnSetAside(ctx, journal);
  ctx.out << ImportJson(ctx, read, changes);
  return read.problems.empty() ? 0 : 1;
}

int RunExport(const Args& args, Context& ctx) {
  const auto [dir, file, encoding] = ReadCsvFileArgs(args);
  journal::Journal journal = OpenedJournal(dir);
  journal::RecipientQuery everyone;
  everyone.limit = 0;
  const std::vector<journal::Recipient> book = journal::FindRecipients(journal, everyone);
  WarnSetAside(ctx, journal);
  const std::string report = JsonObject(ctx)
                                 .OutputText("export", file.value_or(""))
                                 .Number("recipients", static_cast<std::int64_t>(book.size()))
                                 .Str();
  WriteExport(ctx, file, journal::RecipientsCsv(book, CsvEncodingFor(ctx, encoding)),
              report + "\n");
  return 0;
}

const std::vector<SubCommand>& BookCommands() {
  static const std::vector<SubCommand> commands = {
      {"list", "[--dir DIR] [--search TEXT] [--limit N] [--offset N]",
       "the recipients, the most recently printed to first, as JSON: {\"recipients\": [...]}",
       RunList},
      {"add",
       "--name NAME [--zip CODE] [--address1 TEXT] [--address2 TEXT] [--address3 TEXT] "
       "[--tel NUMBER] [--dir DIR]",
       "adds a recipient, or updates the entry of the same recipient", RunAdd},
      {"delete", "ID [--dir DIR]", "removes an entry", RunDelete},
      {"import", "FILE [--encoding utf-8|cp932] [--dir DIR]",
       "takes the recipients of a CSV file with an order file's columns", RunImport},
      {"export", "[FILE] [--encoding utf-8|cp932] [--dir DIR]",
       "the book as CSV with an order file's columns (UTF-8 with BOM, or CP932)", RunExport},
  };
  return commands;
}

}  // namespace

int RunBook(const Args& args, Context& ctx) {
  return RunSubCommand("book", BookCommands(), args, ctx);
}

}  // namespace ruvo::cli
