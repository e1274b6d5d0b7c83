#pragma once
// The records of a CSV file as RFC 4180 has them: fields separated by commas;
// a quoted field may hold commas, doubled quotes and line breaks; records end
// at CRLF, LF or CR. The parsing is libcsv's, in its strict mode; this file
// adds the row numbers a spreadsheet shows for the records.
//
// It works on the file's bytes: commas, quotes and line breaks are ASCII, and
// neither UTF-8 nor CP932 uses an ASCII byte inside a multi-byte character
// (a CP932 trail byte is 0x40 or above), so either encoding parses as it is.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::batch {

struct CsvRecord {
  // The row a spreadsheet shows the record in: the first record is row 1, a
  // blank line takes a row of its own, a line break inside quotes none.
  int row = 0;
  std::vector<std::string> fields;  // as in the file, quotes removed, nothing trimmed
};

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

// Calls `onRecord` for each record in file order. Blank lines take their row
// but are not passed on. Throws CsvSyntaxError after passing on the records
// before the faulty one.
void ReadCsvRecords(std::string_view bytes, const std::function<void(const CsvRecord&)>& onRecord);

}  // namespace ruvo::batch
