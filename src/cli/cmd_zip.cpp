// ruvo-slip zip CODE...: the postal codes' addresses from the offline
// dictionary, and with --address whether an address agrees with the code;
// without codes, one line a code (and an address) on stdin, one answer a
// line; with --import, Japan Post's file imported into the working folder,
// with --forget-import everything imported dropped again.

#include <exception>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/zip_directory.h"
#include "postal/japan_post_files.h"
#include "postal/postal_check.h"
#include "postal/postal_import.h"
#include "settings/file_errors.h"
#include "transfer/cp932_codec.h"
#include "transfer/text_ops.h"

namespace ruvo::cli {
namespace {

constexpr std::string_view kFullWidthBlank = "\x81\x40";

struct ZipOptions {
  std::vector<std::string> codes;  // CP932, as given
  std::optional<std::string> address;
  std::optional<std::string> dict;
  std::optional<std::filesystem::path> import;
  bool forgetImport = false;
  std::filesystem::path dir;  // the working folder; where ruvo-slip started unless --dir
};

ZipOptions ReadZipOptions(const Args& args, Context& ctx) {
  ZipOptions options;
  options.dir = ctx.startFolder;
  for (ArgReader reader(args); !reader.Done();) {
    const std::string option = reader.NextOption();
    if (option == "--address") {
      options.address = reader.TextValue(ctx);
    } else if (option == "--dict") {
      options.dict = reader.Value();
    } else if (option == "--dir") {
      options.dir = reader.Value();
    } else if (option == "--import") {
      options.import = reader.Value();
    } else if (option == "--forget-import") {
      options.forgetImport = true;
    } else if (!option.starts_with("--")) {
      // Anything CP932 lacks becomes "〓", which no postal code holds.
      options.codes.push_back(ctx.cp932 ? option : Utf8ToCp932(option).bytes);
    } else {
      reader.Unknown();
    }
  }
  if (options.import && options.forgetImport) {
    throw UsageError("--import and --forget-import exclude each other");
  }
  if (options.address && options.codes.size() != 1) {
    throw UsageError(options.codes.empty()
                         ? "a postal code is needed"
                         : "--address takes one postal code; give more as lines on stdin");
  }
  return options;
}

std::vector<postal::PostalCode> ParsedCodes(const Context& ctx, const ZipOptions& options) {
  std::vector<postal::PostalCode> codes;
  for (const std::string& code : options.codes) {
    const std::optional<postal::PostalCode> parsed = postal::ParsePostalCode(code);
    if (!parsed) {
      throw UsageError("'" + ToOutput(ctx, code) + "' is no postal code (seven digits, 105-0011)");
    }
    codes.push_back(*parsed);
  }
  return codes;
}

std::string_view KindName(postal::JapanPostFileKind kind) {
  return kind == postal::JapanPostFileKind::Areas ? "areas" : "offices";
}

std::string JsonPath(const Context& ctx, const std::filesystem::path& path) {
  return JsonString(ctx, ToOutput(ctx, settings::PathText(path)));
}

// Imports the file and says what it read; the folder's directory with the
// import. A failed import says so on stdout too, {"imported", "error"}, so
// that a script reading the JSON learns of it (the data before stays).
postal::PostalDirectory Import(Context& ctx, const ZipOptions& options) {
  const std::filesystem::path& file = *options.import;
  postal::PostalImport imported;
  try {
    imported = postal::ImportJapanPostFile(file, options.dir, ZipSource(options.dict, options.dir));
  } catch (const std::exception& e) {
    ctx.out << "{\"imported\":" << JsonPath(ctx, file.filename())
            << ", \"error\":" << JsonString(ctx, ToOutput(ctx, e.what())) << "}\n";
    throw;
  }
  if (!imported.notice.empty()) Warn(ctx, imported.notice);
  ctx.out << "{\"imported\":" << JsonPath(ctx, file.filename())
          << ", \"kind\":" << JsonString(ctx, KindName(imported.kind))
          << ", \"entries\":" << imported.entries << ", \"prefectures\":" << imported.prefectures
          << ", \"index\":" << JsonPath(ctx, imported.index) << "}\n";
  return std::move(imported.directory);
}

// Drops what was imported and says what.
void ForgetImport(Context& ctx, const std::filesystem::path& dir) {
  const postal::ForgottenImports forgotten = postal::ForgetJapanPostImports(dir);
  ctx.out << "{\"forgotten\":[";
  for (std::size_t i = 0; i < forgotten.files.size(); ++i)
    ctx.out << (i == 0 ? "" : ", ") << JsonPath(ctx, forgotten.files[i]);
  ctx.out << "], \"database\":" << JsonPath(ctx, forgotten.database) << "}\n";
}

// A line "CODE", or "CODE" and the address after a tab or blanks (CP932).
std::pair<std::string_view, std::optional<std::string>> SplitLine(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && line[end] != '\t' && line[end] != ' ' &&
         !line.substr(end).starts_with(kFullWidthBlank)) {
    ++end;
  }
  const std::string_view address = TrimBlanks(line.substr(end));
  if (address.empty()) return {line.substr(0, end), std::nullopt};
  return {line.substr(0, end), std::string(address)};
}

// The answers to the codes on stdin, one a line as they come; false when a
// line held no postal code.
bool AnswerLines(Context& ctx, const postal::PostalDirectory& directory) {
  bool everyCode = true;
  AnswerEachLine(ctx, [&](const std::string& line) {
    const auto [code, address] = SplitLine(line);
    if (const std::optional<postal::PostalCode> parsed = postal::ParsePostalCode(code)) {
      return JsonZipAnswer(ctx, directory, *parsed, address);
    }
    everyCode = false;
    return "{\"zip\":" + JsonString(ctx, ToOutput(ctx, code)) +
           ", \"addresses\":[], \"error\":\"no postal code\"}";
  });
  return everyCode;
}

}  // namespace

int RunZip(const Args& args, Context& ctx) {
  const ZipOptions options = ReadZipOptions(args, ctx);
  const std::vector<postal::PostalCode> codes = ParsedCodes(ctx, options);
  if (options.forgetImport) {
    ForgetImport(ctx, options.dir);
    if (codes.empty()) return 0;
  }
  const postal::PostalDirectory directory =
      options.import ? Import(ctx, options) : LoadZipDirectory(ctx, options.dict, options.dir);
  for (const postal::PostalCode code : codes)
    ctx.out << JsonZipAnswer(ctx, directory, code, options.address) << '\n';
  if (!codes.empty() || options.import) return 0;
  return AnswerLines(ctx, directory) ? 0 : 1;
}

}  // namespace ruvo::cli
