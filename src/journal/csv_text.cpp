#include "journal/csv_text.h"

#include "transfer/cp932_codec.h"

namespace ruvo::journal {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field)
    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i)
    line += (i > 0 ? "," : "") + CsvField(fields[i]);
  return line + "\r\n";
}

std::string EncodedCsv(std::string_view cp932, batch::CsvEncoding encoding) {
  if (encoding == batch::CsvEncoding::kCp932) return std::string(cp932);
  return std::string(kUtf8Bom) + Cp932ToUtf8(cp932);
}

}  // namespace ruvo::journal
