#include "cli/journal_commands.h"

#include <charconv>
#include <ostream>

#include "cli/output_document.h"
#include "journal/journal_record.h"
#include "settings/file_store.h"

namespace ruvo::cli {

std::int64_t ParseId(const std::string& text) {
  std::int64_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id < 1)
    throw UsageError("an id is a whole number from 1, not '" + text + "'");
  return id;
}

IdArgs ReadIdArgs(const Args& args, std::string_view what) {
  IdArgs read;
  std::optional<std::int64_t> id;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      read.dir = reader.Value();
    } else if (!option.starts_with("--") && !id) {
      id = ParseId(option);
    } else {
      reader.Unknown();
    }
  }
  if (!id) throw UsageError(std::string(what) + " is required");
  read.id = *id;
  return read;
}

CsvFileArgs ReadCsvFileArgs(const Args& args) {
  CsvFileArgs read;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      read.dir = reader.Value();
    } else if (option == "--encoding") {
      read.encoding = ParseEncoding(reader.Value());
    } else if (!option.starts_with("--") && !read.file) {
      read.file = option;
    } else {
      reader.Unknown();
    }
  }
  return read;
}

batch::CsvEncoding ParseEncoding(const std::string& text) {
  const std::optional<batch::CsvEncoding> encoding = batch::CsvEncodingNamed(text);
  if (!encoding) throw UsageError("option --encoding takes utf-8 or cp932, not '" + text + "'");
  return *encoding;
}

batch::CsvEncoding CsvEncodingFor(const Context& ctx, std::optional<batch::CsvEncoding> chosen) {
  if (chosen) return *chosen;
  return ctx.cp932 ? batch::CsvEncoding::kCp932 : batch::CsvEncoding::kUtf8;
}

journal::Journal OpenedJournal(const std::filesystem::path& dir) {
  settings::RequireFolder(dir);
  return journal::Journal(dir);
}

void WarnSetAside(Context& ctx, journal::Journal& journal) {
  if (const auto aside = journal.TakeSetAside()) Warn(ctx, journal::SetAsideNotice(*aside));
}

void WriteExport(Context& ctx, const std::optional<std::string>& file, std::string_view bytes,
                 const std::string& report) {
  if (!file) {
    ctx.out << bytes;
    return;
  }
  const bool toStandardOutput = DocumentGoesToStandardOutput(*file);
  WriteDocument(ctx, *file, bytes);
  if (!toStandardOutput) ctx.out << report;
}

}  // namespace ruvo::cli
