#pragma once
// Whether a working folder already holds the program's files, to tell a
// first start (a new folder, nothing registered yet) from a folder whose
// sender file went missing.

#include <filesystem>

namespace ruvo::settings {

// True when `directory` holds any of the program's own files: the settings
// file, the printer-registration file or a sender file "my0.txt" to
// "my9.txt". Other files (an order CSV, a column map) do not count.
bool HoldsProgramFiles(const std::filesystem::path& directory);

}  // namespace ruvo::settings
