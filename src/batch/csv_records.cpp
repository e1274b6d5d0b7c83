#include "batch/csv_records.h"

#include <csv.h>

#include <algorithm>
#include <exception>
#include <new>

namespace ruvo::batch {
namespace {

// The file is fed to libcsv in pieces, and the records each piece completes
// are passed on between pieces, outside libcsv's C frames, which an
// exception must not cross.
constexpr std::size_t kPieceBytes = 64 * 1024;

// Every byte is field content: blanks around an unquoted field belong to it,
// as a spreadsheet keeps them.
int NoBlanks(unsigned char) {
  return 0;
}

bool AllBlank(const void* bytes, std::size_t size) {
  const auto* text = static_cast<const char*>(bytes);
  return std::all_of(text, text + size, [](char c) { return c == ' ' || c == '\t'; });
}

// What the callbacks collect while libcsv parses one piece.
struct Collector {
  std::vector<CsvRecord> done;
  CsvRecord current;
  int row = 1;                 // the row of `current`
  int lastTerminator = 0;      // the byte that ended the previous record or line
  std::exception_ptr failure;  // an allocation that failed inside a callback

  void Field(const void* bytes, std::size_t size) {
    if (failure) return;
    ++current.fieldCount;
    if (current.fields.size() >= kMaxCsvFields) {
      if (!AllBlank(bytes, size)) current.textPastKept = true;
      return;
    }
    try {
      current.fields.emplace_back(static_cast<const char*>(bytes), size);
    } catch (...) {
      failure = std::current_exception();
    }
  }

  // libcsv reports each line break outside a record on its own (option
  // CSV_REPALL_NL), so that blank lines can take their rows; the LF of a CRLF
  // after a record or a blank line is the same line break.
  void End(int terminator) {
    const bool crlf = terminator == '\n' && lastTerminator == '\r';
    lastTerminator = terminator;
    if (current.fieldCount == 0) {
      if (crlf)
        lastTerminator = 0;
      else
        ++row;
      return;
    }
    if (failure) return;
    try {
      current.row = row++;
      done.push_back(std::move(current));
      current = CsvRecord{};
    } catch (...) {
      failure = std::current_exception();
    }
  }

  void PassOn(const std::function<void(const CsvRecord&)>& onRecord) {
    if (failure) std::rethrow_exception(failure);
    // Taken out first: an exception of `onRecord` leaves nothing behind.
    std::vector<CsvRecord> records = std::move(done);
    done.clear();
    for (const CsvRecord& record : records)
      onRecord(record);
  }
};

extern "C" void OnField(void* bytes, std::size_t size, void* collector) {
  static_cast<Collector*>(collector)->Field(bytes, size);
}

extern "C" void OnRecordEnd(int terminator, void* collector) {
  static_cast<Collector*>(collector)->End(terminator);
}

class Parser {
 public:
  explicit Parser(const CsvDialect& dialect) {
    const unsigned char strict = dialect.quotesInFields ? 0 : CSV_STRICT;
    if (csv_init(&parser_, strict | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) throw std::bad_alloc();
    csv_set_space_func(&parser_, NoBlanks);
    csv_set_delim(&parser_, static_cast<unsigned char>(dialect.separator));
  }
  ~Parser() { csv_free(&parser_); }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  // False when libcsv stopped inside the piece; `outOfMemory` then says why.
  bool Parse(std::string_view piece, Collector& collector) {
    return csv_parse(&parser_, piece.data(), piece.size(), OnField, OnRecordEnd, &collector) ==
           piece.size();
  }
  bool Finish(Collector& collector) {
    return csv_fini(&parser_, OnField, OnRecordEnd, &collector) == 0;
  }
  bool OutOfMemory() { return csv_error(&parser_) != CSV_EPARSE; }

 private:
  csv_parser parser_{};
};

}  // namespace

CsvDialect DialectOf(std::string_view bytes) {
  std::size_t tabs = 0;
  std::size_t commas = 0;
  bool quoted = false;
  for (const char c : bytes) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') break;
    if (c == '\t') ++tabs;
    if (c == ',') ++commas;
  }
  if (tabs > commas) return {'\t', true};
  return {};
}

CsvSyntaxError::CsvSyntaxError(int row, bool unterminated)
    : std::runtime_error(
          "CSV row " + std::to_string(row) +
          (unterminated ? ": a quoted field is not closed" : ": a quote stands where it cannot")),
      row_(row),
      unterminated_(unterminated) {}

void ReadCsvRecords(std::string_view bytes, const std::function<void(const CsvRecord&)>& onRecord,
                    const CsvDialect& dialect, const CsvProgress& progress) {
  Parser parser(dialect);
  Collector collector;
  for (std::size_t at = 0; at < bytes.size(); at += kPieceBytes) {
    const std::string_view piece = bytes.substr(at, kPieceBytes);
    const bool parsed = parser.Parse(piece, collector);
    collector.PassOn(onRecord);
    if (!parsed) {
      if (parser.OutOfMemory()) throw std::bad_alloc();
      throw CsvSyntaxError(collector.row, false);
    }
    if (progress) progress(at + piece.size());
  }
  const bool finished = parser.Finish(collector);
  collector.PassOn(onRecord);
  if (!finished) throw CsvSyntaxError(collector.row, true);
}

}  // namespace ruvo::batch
