#pragma once
// A printed slip as a row of the journal's `slips` table and back. The row
// holds the slip's texts in UTF-8 (a CP932 "〓" stays "〓") beside their
// search forms; reading it gives the CP932 slip again.

#include <string>

#include "journal/printed_slip.h"
#include "journal/sqlite_db.h"

namespace ruvo::journal {

// The columns of a row, without `id`, comma-separated, in the order
// BindSlipRow binds them and ReadSlipRow reads them.
const std::string& SlipColumns();

// Binds every column of `slip` to ?1, ?2 … in SlipColumns' order; the
// printing time is slip.printedAt.
void BindSlipRow(Statement& insert, const PrintedSlip& slip);

// The slip of a row selected as "id, " + SlipColumns().
PrintedSlip ReadSlipRow(const Statement& row);

}  // namespace ruvo::journal
