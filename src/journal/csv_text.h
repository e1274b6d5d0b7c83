#pragma once
// CSV files the journal writes for spreadsheets and shop back offices:
// RFC 4180 lines ending in CRLF, in CP932 or in UTF-8 with the byte-order
// mark by which spreadsheets on Japanese Windows tell UTF-8 from Shift-JIS.

#include <string>
#include <string_view>
#include <vector>

#include "batch/csv_encoding.h"

namespace ruvo::journal {

// One line of CP932 fields: a field holding a comma, a quote or a line
// break is quoted and its quotes doubled. (Those bytes are ASCII and never
// the second byte of a CP932 character, so the bytes are safe to scan.)
std::string CsvLine(const std::vector<std::string>& fields);

// A CP932 CSV text in `encoding`: as it is, or as UTF-8 behind its BOM.
std::string EncodedCsv(std::string_view cp932, batch::CsvEncoding encoding);

}  // namespace ruvo::journal
