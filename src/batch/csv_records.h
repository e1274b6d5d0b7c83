#pragma once
// The records of a CSV file as RFC 4180 has them: fields separated by commas
// (or tabs); a quoted field may hold separators, doubled quotes and line
// breaks; records end at CRLF, LF or CR. The parsing is libcsv's; this file
// adds the row numbers a spreadsheet shows for the records, the separator
// told from the header line, and a bound on the fields a record keeps.
//
// It works on the file's bytes: separators, quotes and line breaks are
// ASCII, and neither UTF-8 nor CP932 uses an ASCII byte below 0x40 inside a
// multi-byte character (a CP932 trail byte is 0x40 or above), so either
// encoding parses as it is.

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::batch {

// The most fields a record keeps: a shop's export has a few hundred columns
// at most. The fields after them are counted, not kept, so that a line of a
// million commas costs no memory.
inline constexpr std::size_t kMaxCsvFields = 1000;

struct CsvRecord {
  // The row a spreadsheet shows the record in: the first record is row 1, a
  // blank line takes a row of its own, a line break inside quotes none.
  int row = 0;
  std::vector<std::string> fields;  // as in the file, quotes removed, nothing trimmed
  std::size_t fieldCount = 0;       // the record's fields, those past kMaxCsvFields included
  bool textPastKept = false;        // a field past those kept held a byte that is no blank
};

// How a file is read.
struct CsvDialect {
  char separator = ',';
  // Whether a quote inside an unquoted field is its text ("15" モニター"), as
  // tab-separated reports write it; a comma file's quote there is an error.
  bool quotesInFields = false;
};

// The dialect of a file by its header line (its first line, quoted parts
// aside): tab-separated when it holds more tabs than commas, as reports
// saved as text and Excel's "Unicode text" are; comma-separated otherwise.
CsvDialect DialectOf(std::string_view bytes);

// A quote out of place: one inside an unquoted field, text after a closing
// quote, or a quoted field still open at the end of the file. Everything
// after it would fall into the wrong columns, so reading stops there.
class CsvSyntaxError : public std::runtime_error {
 public:
  CsvSyntaxError(int row, bool unterminated);
  int row() const { return row_; }                     // the row of the record it is in
  bool unterminated() const { return unterminated_; }  // the file ended inside quotes

 private:
  int row_;
  bool unterminated_;
};

// Told after each piece of the file with the bytes read so far; it may throw
// to stop the reading (the exception passes out of ReadCsvRecords).
using CsvProgress = std::function<void(std::size_t bytesRead)>;

// Calls `onRecord` for each record in file order. Blank lines take their row
// but are not passed on. Throws CsvSyntaxError after passing on the records
// before the faulty one. An exception of `onRecord` ends the reading.
void ReadCsvRecords(std::string_view bytes, const std::function<void(const CsvRecord&)>& onRecord,
                    const CsvDialect& dialect = {}, const CsvProgress& progress = {});

}  // namespace ruvo::batch
