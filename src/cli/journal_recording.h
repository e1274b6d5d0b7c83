#pragma once
// What ruvo-slip print, batch and journal reprint record once the print
// service accepted their job.

#include <filesystem>
#include <vector>

#include "cli/cli_io.h"
#include "cli/slip_session.h"
#include "journal/journal_record.h"

namespace ruvo::cli {

// How the session's job was printed: the paper mode, the printer, paper and
// source in force, the print values and the id the print service gave the
// job it accepted last.
journal::PrintSetup PrintSetupOf(SlipSession& session);

// Records one accepted job's slips in the journal of `dir`. What the user
// must hear (not recorded, a damaged journal set aside) is a warning on
// standard error: the slips have printed either way.
journal::RecordResult RecordJob(Context& ctx, const std::filesystem::path& dir,
                                std::vector<journal::PrintedSlip> slips);

}  // namespace ruvo::cli
