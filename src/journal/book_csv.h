#pragma once
// The recipient book as a CSV file, written and read with the columns an
// order file has (郵便番号, 住所1 … 住所3, 氏名, 電話番号), so that a book
// exported here reads as an order file and a shop's order export reads as
// a book.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/csv_encoding.h"
#include "journal/recipient_book.h"

namespace ruvo::journal {

// The header and one line per recipient.
std::string RecipientsCsv(const std::vector<Recipient>& recipients, batch::CsvEncoding encoding);

struct RecipientsFile {
  batch::CsvEncoding encoding = batch::CsvEncoding::kCp932;
  std::size_t rows = 0;               // data rows, blank ones left out
  std::vector<Recipient> recipients;  // the rows without a problem, in file order
  std::vector<batch::BatchProblem> problems;
};

// Reads a recipients file in UTF-8 (with or without its BOM) or CP932, told
// apart by its bytes unless `encoding` says. Its header names the columns as
// an order file's does (any of their names); the columns of other fields and
// unknown ones are left unused, so a shop's export with dozens of columns
// reads as it is. A row without a name, with a character CP932 cannot hold
// or a field longer than the window's takes no part; each is a problem, as
// is a file without a name column. The postal code and telephone number
// are taken half-width, as the window's fields hold them.
RecipientsFile ReadRecipientsCsv(std::string_view bytes, std::optional<batch::CsvEncoding> encoding,
                                 const std::string& fileName);

}  // namespace ruvo::journal
