#include "cli/batch_report.h"

#include "cli/json_object.h"

namespace ruvo::cli {
namespace {

std::string ProblemsJson(const Context& ctx, const std::vector<batch::BatchProblem>& problems) {
  std::vector<std::string> objects;
  objects.reserve(problems.size());
  for (const batch::BatchProblem& problem : problems) {
    objects.push_back(JsonObject(ctx)
                          .Text("file", problem.file)
                          .Number("row", problem.row)
                          .Text("column", problem.column)
                          .Text("reason", problem.reason)
                          .Str());
  }
  return JsonList(objects, true);
}

// {"郵便番号": "送付先郵便番号1 + \"-\" + 送付先郵便番号2", ...}; an item's
// several sources each on their own.
std::string SourcesJson(const Context& ctx, const batch::OrderFile& file) {
  std::string json = "{";
  for (const auto& [field, source] : file.sources) {
    if (json.size() > 1) json += ", ";
    json += JsonString(ctx, ToOutput(ctx, batch::OrderFieldName(field))) + ": " +
            JsonString(ctx, ToOutput(ctx, source));
  }
  return json + "}";
}

std::string HeadersJson(const Context& ctx, const std::vector<std::string>& headers) {
  std::vector<std::string> texts;
  for (const std::string& header : headers)
    texts.push_back(JsonString(ctx, ToOutput(ctx, header)));
  return JsonList(texts);
}

}  // namespace

std::string BatchReportJson(const Context& ctx, const BatchReport& report) {
  JsonObject json(ctx);
  const batch::OrderFile* file = report.file;
  const std::size_t orders = file != nullptr ? file->orders.size() : 0;
  const std::size_t skipped =
      file == nullptr ? 0 : (file->problems.empty() ? file->InvalidOrderCount() : orders);
  json.Number("rows", file != nullptr ? static_cast<std::int64_t>(file->rowCount) : 0)
      .Number("printed", static_cast<std::int64_t>(report.printed))
      .Number("skipped", static_cast<std::int64_t>(skipped));
  if (file != nullptr) {
    if (file->read)
      json.OutputText("encoding", batch::CsvEncodingName(file->encoding));
    else
      json.Null("encoding");
    json.Json("problems", ProblemsJson(ctx, file->AllProblems()))
        .Number("orders", static_cast<std::int64_t>(orders))
        .Json("warnings", ProblemsJson(ctx, file->AllWarnings()));
    if (file->preset.empty())
      json.Null("preset");
    else
      json.Text("preset", file->preset);
    if (file->read)
      json.OutputText("separator", file->separator == '\t' ? "tab" : "comma");
    else
      json.Null("separator");
    json.Json("fields", SourcesJson(ctx, *file))
        .Json("ignored", HeadersJson(ctx, file->unusedColumns));
  } else {
    json.Null("encoding").Json("problems", "[]").Number("orders", 0).Json("warnings", "[]");
    json.Null("preset").Null("separator").Json("fields", "{}").Json("ignored", "[]");
  }
  if (report.dpi) {
    json.Json("dpi", "[" + report.dpi->first + ", " + report.dpi->second + "]")
        .OutputText("dpi_source", report.dpiSource);
  } else {
    json.Null("dpi").Null("dpi_source");
  }
  if (report.error.empty())
    json.Null("error");
  else
    json.Text("error", report.error);
  return json.Number("recorded", static_cast<std::int64_t>(report.recorded)).Str() + "\n";
}

}  // namespace ruvo::cli
