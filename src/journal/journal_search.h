#pragma once
// Finding printed slips: by words in any of the recipient's fields or the
// goods, by each field on its own, and by the days they were printed, the
// newest first, a page at a time. A part of three characters or more is
// found through the trigram index, a shorter one by reading a narrow table
// of the slips' search forms row by row.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/printed_slip.h"

namespace ruvo::journal {

struct SlipQuery {
  // CP932 words, each found in the name, address, goods, telephone number or
  // postal code (a number by its digits: "0312345678" finds "03-1234-5678").
  std::string text;
  // CP932, each found in its own field only.
  std::string name;
  std::string address;
  std::string goods;
  std::string tel;
  std::string zip;
  // Days on the wall clock the slips were printed on, both included.
  std::optional<std::chrono::year_month_day> from;
  std::optional<std::chrono::year_month_day> to;
  bool oldestFirst = false;
  std::size_t offset = 0;
  std::size_t limit = 100;  // 0: no limit
};

struct SlipPage {
  std::vector<PrintedSlip> slips;
  bool more = false;  // slips beyond the page match too
};

// JournalError when the journal cannot be read; no slips while the folder
// has no journal.
SlipPage FindSlips(Journal& journal, const SlipQuery& query);
std::optional<PrintedSlip> FindSlip(Journal& journal, std::int64_t id);
std::int64_t SlipCount(Journal& journal);

}  // namespace ruvo::journal
