#pragma once
// The list a shop's back office takes in: which slip went to which order,
// on which day, to whom. One CSV line per printed slip.

#include <string>
#include <vector>

#include "batch/csv_encoding.h"
#include "journal/printed_slip.h"

namespace ruvo::journal {

// Columns: 注文番号, 伝票番号, 出荷日 (the slip date), 印刷日時 (the wall clock
// of the print), then the recipient under the order file's names (郵便番号,
// 住所1 … 住所3, 氏名, 電話番号) and 品名1.
std::string ShipmentsCsv(const std::vector<PrintedSlip>& slips, batch::CsvEncoding encoding);

}  // namespace ruvo::journal
